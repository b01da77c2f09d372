// The window's gate and the game controller's driver on a window of this thread, whose state the
// test changes as Windows, the player, a dialog or a plug-in would: what acts, and when the
// controllers are read.
#include "tests/seams/actions_double.h"
#include "ui/action_gate.h"
#include "ui/pad_driver.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using qennet::ui::Action;
using qennet::ui::ActionGate;
using qennet::ui::PadDriver;

qennet::ui::PadDriver* driver = nullptr;

// The messages the driver answers go to it, as in the launcher's window.
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (driver && message == WM_ACTIVATE)
        driver->Activated(window, LOWORD(wParam) != WA_INACTIVE);
    else if (driver &&
             (message == WM_SIZE || message == WM_ENABLE || message == WM_WINDOWPOSCHANGED))
        driver->WindowChanged(window);
    else if (driver && message == WM_TIMER && driver->OnTimer(window, wParam))
        return 0;
    else if (driver && message == WM_DEVICECHANGE)
        driver->DevicesChanged();
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QennetGateTest";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, L"QennetGateTest", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                           200, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// A pad in the first slot: A held or not; each reading counted.
int readings = 0;
bool aHeld = false;
DWORD WINAPI FirstSlotPad(DWORD slot, XINPUT_STATE* state) {
    if (slot != 0)
        return ERROR_DEVICE_NOT_CONNECTED;
    ++readings;
    state->Gamepad.wButtons = aHeld ? 0x1000 : 0;
    return ERROR_SUCCESS;
}
const qennet::platform::ControllerCalls& PadCalls() {
    static const qennet::platform::ControllerCalls calls{FirstSlotPad};
    return calls;
}
qennet::KeyRepeat Repeat() {
    return {};
}

void Activate(HWND window, bool minimised) {
    SendMessageW(window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, minimised), 0);
}

TEST(ActionGate, LetsOnlyQuitThroughAPluginCallAndNothingUnderADialogOrMinimised) {
    HWND window = MakeWindow();
    ASSERT_NE(window, nullptr);
    ActionGate gate;
    EXPECT_TRUE(gate.Lets(window, Action::Play));
    {
        const ActionGate::PluginCall call(gate);
        EXPECT_FALSE(gate.Lets(window, Action::NextGame));
        EXPECT_TRUE(gate.Lets(window, Action::Quit)) << "Quit asks for the close that waits";
    }
    {
        const ActionGate::OwnDialog message(gate);
        EXPECT_FALSE(gate.Lets(window, Action::Quit));
    }
    EnableWindow(window, FALSE);
    EXPECT_FALSE(gate.Lets(window, Action::Play)) << "disabled";
    EnableWindow(window, TRUE);
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(gate.Lets(window, Action::Play)) << "minimised";
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(gate.Lets(window, Action::BrowseRoms));
    DestroyWindow(window);
}

// Read only while active, shown and enabled, judged at each change and at each reading: a window
// activated while minimised is read once restored, with no second activation.
TEST(PadDriver, ReadsOnlyWhileTheWindowIsActiveShownAndEnabled) {
    seams::ActionsDouble actions;
    std::vector<Action>& performed = actions.performed;
    PadDriver pad(actions, PadCalls, Repeat);
    driver = &pad;
    HWND window = MakeWindow();
    ASSERT_NE(window, nullptr);
    // driving: the readings' timer runs once the change is told; read: the next reading reads.
    const struct {
        const char* step;
        void (*change)(HWND);
        bool a, driving, read, played;
    } steps[] = {
        {"activated with A held", [](HWND w) { Activate(w, false); }, true, true, true, false},
        {"A released", [](HWND) {}, false, true, true, false},
        {"A pressed", [](HWND) {}, true, true, true, true},
        {"minimised", [](HWND w) { ShowWindow(w, SW_MINIMIZE); }, false, false, false, false},
        {"activated while minimised", [](HWND w) { Activate(w, true); }, true, false, false, false},
        {"restored", [](HWND w) { ShowWindow(w, SW_SHOWNOACTIVATE); }, false, true, true, false},
        {"A pressed", [](HWND) {}, true, true, true, true},
        {"disabled for a plug-in", [](HWND w) { EnableWindow(w, FALSE); }, false, false, false,
         false},
        {"A pressed there", [](HWND) {}, true, false, false, false},
        {"enabled with A held", [](HWND w) { EnableWindow(w, TRUE); }, true, true, true, false},
        {"disabled without a word",
         [](HWND w) { SetWindowLongW(w, GWL_STYLE, GetWindowLongW(w, GWL_STYLE) | WS_DISABLED); },
         false, true, false, false},
    };
    for (const auto& step : steps) {
        step.change(window);
        EXPECT_EQ(pad.Driving(), step.driving) << step.step;
        aHeld = step.a;
        const int before = readings;
        performed.clear();
        SendMessageW(window, WM_TIMER, PadDriver::kTimer, 0);
        EXPECT_EQ(readings > before, step.read) << step.step;
        EXPECT_EQ(performed,
                  step.played ? std::vector<Action>{Action::Play} : std::vector<Action>{})
            << step.step;
    }
    DestroyWindow(window);
    driver = nullptr;
}

} // namespace
