// Presses a button of a running launcher from outside, as a player would, for the headless demo:
//   demo_poke play   clicks Play
//   demo_poke quit   clicks Quit and waits for the launcher to end
// Exits 0 when it found the window and did it, 1 otherwise.
#include "ui/control_ids.h"

#include <windows.h>

#include <cwchar>

namespace {

HWND WaitForLauncher(DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        HWND window = FindWindowW(QENNET_WINDOW_CLASS, nullptr);
        if (window && IsWindowVisible(window))
            return window;
        if (GetTickCount64() > deadline)
            return nullptr;
        Sleep(50);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 1;
    HWND window = WaitForLauncher(20000);
    if (!window)
        return 1;
    if (std::wcscmp(argv[1], L"play") == 0) {
        SendMessageW(GetDlgItem(window, IDC_PLAY), BM_CLICK, 0, 0);
        return 0;
    }
    if (std::wcscmp(argv[1], L"quit") == 0) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
        PostMessageW(GetDlgItem(window, IDC_QUIT), BM_CLICK, 0, 0);
        if (!process)
            return 1;
        const DWORD waited = WaitForSingleObject(process, 20000);
        CloseHandle(process);
        return waited == WAIT_OBJECT_0 ? 0 : 1;
    }
    return 1;
}
