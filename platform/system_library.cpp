#include "platform/system_library.h"

#include <objbase.h>

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

HMODULE OpenSystemLibrary(const wchar_t* fileName) {
    if (HMODULE loaded = GetModuleHandleW(fileName))
        return loaded;
    return LoadSystemLibrary(fileName);
}

FARPROC LateBoundAddress(const LateCall& call, LibraryOpener open) {
    HMODULE module = open(call.library);
    if (!module && call.fallbackLibrary)
        module = open(call.fallbackLibrary);
    return module ? GetProcAddress(module, call.name) : nullptr;
}

FARPROC ExportAddress(HMODULE library, const char* name) {
    return GetProcAddress(library, name);
}

unsigned long InitialiseCom() {
    static const unsigned long result = [] {
        using InitialiseFn = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialise = LateBound<InitialiseFn>(late::kCoInitializeEx);
        if (!initialise)
            return GetLastError() ? GetLastError()
                                  : static_cast<unsigned long>(ERROR_PROC_NOT_FOUND);
        const HRESULT initialised =
            initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        // Already initialised otherwise on this thread: COM is usable all the same.
        if (FAILED(initialised) && initialised != RPC_E_CHANGED_MODE)
            return static_cast<unsigned long>(initialised);
        return 0UL;
    }();
    return result;
}

} // namespace qennet::platform
