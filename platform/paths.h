#pragma once
// Paths as the system resolves them: every name the launcher uses is relative to the working
// folder.
#include <string>

namespace qennet::platform {

// The name made absolute against the working folder; empty on failure (GetLastError tells why).
std::wstring FullPath(const std::wstring& name);

// The full path in the \\?\ form (\\?\UNC\server\share\... for \\server\share\...), which every
// file call takes whatever its length: without it Windows refuses a path of MAX_PATH characters or
// more. A path in that form already, or a device's (\\.\), comes back as it is.
std::wstring LongPathForm(const std::wstring& full);

// The working folder; empty on failure.
std::wstring CurrentDirectory();

// The short (8.3) form of an existing path, relative where the path is; empty where the file
// system has none for it (8.3 names can be turned off) or the path does not exist.
std::wstring ShortPath(const std::wstring& path);

// A file of the Windows folder by its full path (the system's own one, also where each user of a
// terminal server has a private Windows folder); empty on failure.
std::wstring InWindowsFolder(const wchar_t* name);

} // namespace qennet::platform
