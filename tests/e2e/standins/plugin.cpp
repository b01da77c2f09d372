// Stand-in renderer plug-in. GPUconfigure records each call as one line in "GPUconfigure.log"
// in the current directory: the plug-in's own file, a tab, the current directory. Each load of
// the library is recorded in "plugin-load.log" (its own file per line), so a test can tell
// which copy was loaded and how often.
#include <windows.h>

#include <string>

namespace {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

void Append(const wchar_t* name, const std::string& bytes) {
    HANDLE file = CreateFileW(name, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

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
