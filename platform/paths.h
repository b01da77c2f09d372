#pragma once
// Paths as the system resolves them: every name the launcher uses is relative to the working
// folder.
#include <string>

namespace qennet::platform {

// The name made absolute against the working folder; empty on failure (GetLastError tells why).
std::wstring FullPath(const std::wstring& name);

// The working folder; empty on failure.
std::wstring CurrentDirectory();

} // namespace qennet::platform
