// Start-up: common controls, the main window, and the message loop.
#include "ui/frmMain.h"
#include "ui/player_messages.h"

#include <windows.h>
#include <commctrl.h>

namespace qennet::ui {
namespace {

// Enter held down repeats its key-down (bit 30: the key was down already). Only a fresh press
// plays: a held key must not start one emulator per repeat.
bool IsHeldEnter(const MSG& message) {
    return message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
           (message.lParam & (LPARAM{1} << 30)) != 0;
}

} // namespace

int Main(HINSTANCE instance) {
    // A damaged plug-in or an empty drive gets the launcher's own message, not a system box.
    // Programs the launcher starts get the default mode back (see StartProgram).
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_USEREX_CLASSES | ICC_BAR_CLASSES; // the latter: the buttons' tooltip
    InitCommonControlsEx(&controls);

    frmMain form; // lives as long as the message loop, and so outlives its window
    HWND window = form.Create(instance);
    if (!window) {
        TellWindowNotCreated();
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    // Keys go through the dialog manager so Tab walks the controls and Enter reaches Play.
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        if (IsHeldEnter(message))
            continue;
        form.SeesInput(message);
        if (form.TakesKey(message)) { // before the dialog keys, which would take Enter and Esc
            TranslateMessage(&message);
            DispatchMessageW(&message);
            continue;
        }
        if (IsWindow(window) && IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace qennet::ui

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return qennet::ui::Main(instance);
}
