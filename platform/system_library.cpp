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

FARPROC SystemCallAddress(const wchar_t* library, const char* name) {
    // One the program has loaded already (USER32) is the system's: the system libraries are known
    // to the loader, which never takes a file of the same name from elsewhere for them. Otherwise
    // it is loaded, and stays loaded until the program ends, since the call found in it is kept.
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = LoadSystemLibrary(library);
    return module ? GetProcAddress(module, name) : nullptr;
}

unsigned long InitialiseCom() {
    static const unsigned long result = [] {
        using InitialiseFn = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialise = SystemCall<InitialiseFn>(L"ole32.dll", "CoInitializeEx");
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
