// Stand-in renderer plug-in. GPUconfigure records each call as one line in "GPUconfigure.log"
// in the current directory: the plug-in's own file, a tab, the current directory. Each load of
// the library is recorded in "plugin-load.log" (its own file per line), so a test can tell
// which copy was loaded and how often.
#include "record.h"

#include <windows.h>

#include <string>

namespace {

using standin::Append;
using standin::ToUtf8;

HMODULE self = nullptr;

std::wstring OwnFile() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring CurrentDirectory() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryW(MAX_PATH, path);
    return std::wstring(path, length);
}

} // namespace

extern "C" __declspec(dllexport) LONG __stdcall GPUconfigure() {
    Append(L"GPUconfigure.log", ToUtf8(OwnFile()) + "\t" + ToUtf8(CurrentDirectory()) + "\n");
    return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        self = instance;
        DisableThreadLibraryCalls(instance);
        Append(L"plugin-load.log", ToUtf8(OwnFile()) + "\n");
    }
    return TRUE;
}
