#include "platform/file_exists.h"

#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {

bool FileExists(const std::string& name) {
    if (name.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    constexpr DWORD kNotAPlainFile =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & kNotAPlainFile) == 0;
}

bool FolderExists(const std::wstring& name) {
    if (name.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::wstring& name) {
    return !name.empty() && GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

WriteObstacle WriteObstacleOf(const std::wstring& file) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return WriteObstacle::Folder;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return WriteObstacle::ReadOnly;
    // Opened as a replacement needs it (written and deleted), sharing everything: only another
    // program's handle or the permissions can refuse that. A file that is not there is made and
    // removed again, to ask the folder.
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    HANDLE probe = CreateFileW(file.c_str(), GENERIC_WRITE | DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               exists ? OPEN_EXISTING : CREATE_NEW,
                               exists ? FILE_ATTRIBUTE_NORMAL : FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    const DWORD error = probe == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (probe != INVALID_HANDLE_VALUE)
        CloseHandle(probe);
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return WriteObstacle::HeldOpen;
    if (error == ERROR_ACCESS_DENIED)
        return WriteObstacle::NoPermission;
    return WriteObstacle::Unknown;
}

} // namespace qennet::platform
