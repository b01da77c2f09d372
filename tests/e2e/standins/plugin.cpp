// Stand-in renderer plug-in. GPUconfigure records each call as one line in "GPUconfigure.log"
// in the current directory: the plug-in's own file, a tab, the current directory. Each load of
// the library is recorded in "plugin-load.log" (its own file per line), so a test can tell
// which copy was loaded and how often.
//
// A test makes it misbehave as real plug-ins do with "plugin-actions.txt" beside the plug-in's
// own file: one action a line, carried out in order after the call is recorded:
//   chdir DIR   changes the process's working directory (as a file dialog without
//               OFN_NOCHANGEDIR does)
//   dialog      shows an unowned message box captioned "Stand-in plug-in" and returns when it
//               is closed (as a settings dialog without an owner does)
//   hide        hides the window it finds active (or in the foreground), as some plug-ins do
//               to the window they take for their owner
//   exit        ends the process with ExitProcess(3)
//   crash       ends the process at once, as an access violation would
//   errormode   records the process's error mode as a number in "errormode.log" in the current
//               directory
//   pump        keeps the thread's messages flowing, with no window of its own, until a file
//               "plugin-release.txt" is beside the plug-in's own file
#include "record.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

using standin::Append;
using standin::ToUtf8;

HMODULE self = nullptr;

std::wstring OwnFile() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring OwnFolder() {
    const std::wstring file = OwnFile();
    return file.substr(0, file.find_last_of(L"\\/") + 1);
}

std::wstring CurrentDirectory() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryW(MAX_PATH, path);
    return std::wstring(path, length);
}

// The actions file's lines, read as UTF-8; none when there is no such file.
std::vector<std::wstring> Actions() {
    std::vector<std::wstring> actions;
    HANDLE file =
        CreateFileW((OwnFolder() + L"plugin-actions.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return actions;
    }
    char bytes[4096];
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    std::string text(bytes, read);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            const std::string line = text.substr(start, end - start);
            std::wstring wide(line.size(), L'\0');
            wide.resize(static_cast<size_t>(
                MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                    wide.data(), static_cast<int>(wide.size()))));
            actions.push_back(wide);
        }
        start = end + 1;
    }
    return actions;
}

void Perform(const std::wstring& action) {
    if (action.rfind(L"chdir ", 0) == 0) {
        SetCurrentDirectoryW(action.substr(6).c_str());
    } else if (action == L"dialog") {
        MessageBoxW(nullptr, L"Stand-in plug-in settings", L"Stand-in plug-in", MB_OK);
    } else if (action == L"hide") {
        HWND owner = GetActiveWindow();
        ShowWindow(owner ? owner : GetForegroundWindow(), SW_HIDE);
    } else if (action == L"exit") {
        ExitProcess(3);
    } else if (action == L"errormode") {
        const UINT mode = SetErrorMode(0);
        SetErrorMode(mode);
        Append(L"errormode.log", std::to_string(mode) + "\n");
    } else if (action == L"pump") {
        const std::wstring release = OwnFolder() + L"plugin-release.txt";
        while (GetFileAttributesW(release.c_str()) == INVALID_FILE_ATTRIBUTES) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    } else if (action == L"crash") {
        TerminateProcess(GetCurrentProcess(), 0xC0000005);
    }
}

} // namespace

extern "C" __declspec(dllexport) LONG __stdcall GPUconfigure() {
    Append(L"GPUconfigure.log", ToUtf8(OwnFile()) + "\t" + ToUtf8(CurrentDirectory()) + "\n");
    for (const std::wstring& action : Actions()) {
        Perform(action);
    }
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
