#include "platform/paths.h"

#include <windows.h>

namespace qennet::platform {

std::wstring FullPath(const std::wstring& name) {
    const DWORD needed = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return {};
    std::wstring path(needed, L'\0');
    const DWORD length = GetFullPathNameW(name.c_str(), needed, path.data(), nullptr);
    if (length == 0 || length >= needed)
        return {};
    path.resize(length);
    return path;
}

std::wstring LongPathForm(const std::wstring& full) {
    if (full.empty() || full.rfind(L"\\\\?\\", 0) == 0 || full.rfind(L"\\\\.\\", 0) == 0)
        return full;
    const bool network = full.rfind(L"\\\\", 0) == 0;
    return (network ? L"\\\\?\\UNC\\" : L"\\\\?\\") + full.substr(network ? 2 : 0);
}

std::wstring CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0)
        return {};
    std::wstring path(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, path.data());
    // A folder changed in between to a longer one is a failure too.
    path.resize(length < needed ? length : 0);
    return path;
}

std::wstring ShortPath(const std::wstring& path) {
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring shortPath(needed, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed)
        return {};
    shortPath.resize(length);
    return shortPath;
}

std::wstring InWindowsFolder(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path(folder, length);
    if (path.back() != L'\\')
        path += L'\\';
    return path + name;
}

} // namespace qennet::platform
