#include "platform/system_library.h"

#include <string>

namespace qennet::platform {

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    wchar_t directory[MAX_PATH];
    const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring path(directory, length);
    path += L'\\';
    path += fileName;
    return LoadLibraryW(path.c_str());
}

} // namespace qennet::platform
