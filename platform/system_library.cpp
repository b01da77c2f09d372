#include "platform/system_library.h"

#include <objbase.h>

#include <string>

namespace qennet::platform {

HMODULE LoadSystemLibrary(const wchar_t* fileName, const LibraryCalls& calls) {
    wchar_t directory[MAX_PATH];
    const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring path(directory, length);
    path += L'\\';
    path += fileName;
    return calls.load(calls.context, path.c_str());
}

HMODULE OpenSystemLibrary(const wchar_t* fileName, const LibraryCalls& calls) {
    if (HMODULE loaded = calls.loaded(calls.context, fileName))
        return loaded;
    return LoadSystemLibrary(fileName, calls);
}

FARPROC LateBoundAddress(const LateCall& call, const LibraryCalls& calls) {
    HMODULE module = OpenSystemLibrary(call.library, calls);
    if (!module && call.fallbackLibrary)
        module = OpenSystemLibrary(call.fallbackLibrary, calls);
    return module ? GetProcAddress(module, call.name) : nullptr;
}

FARPROC ExportAddress(HMODULE library, const char* name) {
    return GetProcAddress(library, name);
}

} // namespace qennet::platform
