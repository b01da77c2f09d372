// The window's gate and the game controller's driver on a window of this thread, whose state the
// test changes as Windows, the player, a dialog or a plug-in would: what acts, and when the
// controllers are read.
#include "tests/seams/actions_double.h"
#include "ui/action_gate.h"
#include "ui/pad_driver.h"
#include "ui/player_messages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using qennet::ui::Action;
using qennet::ui::ActionGate;
using qennet::ui::PadDriver;

// The messages the window's driver answers go to it, as in the launcher's window.
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* driver = reinterpret_cast<PadDriver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
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

HWND MakeWindow(PadDriver* driver = nullptr) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QennetGateTest";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, L"QennetGateTest", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                           200, nullptr, nullptr, windowClass.hInstance, driver);
}

// A pad in the first slot: plugged in or not, A held or not; each reading counted.
struct Pad {
    bool plugged = true;
    bool aHeld = false;
    int readings = 0;
};
qennet::ui::PadCalls CallsOf(Pad& pad) {
    qennet::ui::PadCalls calls;
    calls.context = &pad;
    calls.xinputGetState = [](void* context, DWORD slot, XINPUT_STATE* state) -> DWORD {
        Pad& pad = *static_cast<Pad*>(context);
        if (slot != 0)
            return ERROR_DEVICE_NOT_CONNECTED;
        ++pad.readings;
        state->Gamepad.wButtons = pad.aHeld ? 0x1000 : 0;
        return pad.plugged ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
    };
    calls.joyGetNumDevs = [](void*) -> UINT { return 0; };
    calls.keyRepeat = [](void*) { return qennet::KeyRepeat{}; };
    return calls;
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

// Once per gesture: a Play that would start the last start's line again before the double-click
// time has passed is the same gesture; later, or with another line, it is a new one. The start
// is just before the tick count wraps.
TEST(ActionGate, APlayOfTheLastStartsLineWithinTheDoubleClickTimeIsNotActedOn) {
    constexpr DWORD kDoubleClick = 500, kStart = 0xFFFFFF00;
    const struct {
        const char* what;
        bool started;
        const char* line;
        DWORD time;
        bool repeats;
    } cases[] = {
        {"no start yet", false, "Vresk.exe 1", kStart, false},
        {"queued while the start ran", true, "Vresk.exe 1", kStart - 40, true},
        {"within the double-click time", true, "Vresk.exe 1", kStart + 100, true},
        {"within it, across the wrap", true, "Vresk.exe 1", kStart + 300, true},
        {"past it", true, "Vresk.exe 1", kStart + kDoubleClick, false},
        {"another line at once", true, "Vresk.exe 2", kStart, false},
    };
    for (const auto& c : cases) {
        ActionGate gate;
        if (c.started)
            gate.Started("Vresk.exe 1", kStart);
        EXPECT_EQ(gate.RepeatsLastStart(c.line, c.time, kDoubleClick), c.repeats) << c.what;
    }
}

// While a message is open nothing acts: the pad's A or the game menu waits for its answer.
TEST(PlayerMessages, TheGateHoldsEveryActionWhileAMessageIsOpen) {
    HWND window = MakeWindow();
    ASSERT_NE(window, nullptr);
    ActionGate gate;
    struct Shown {
        const ActionGate& gate;
        HWND window;
        std::vector<bool> lets; // whether the gate let Play through while each was open
    } shown{gate, window, {}};
    qennet::ui::MessageBoxCalls box;
    box.context = &shown;
    box.show = [](void* context, HWND, LPCWSTR, LPCWSTR, UINT) {
        Shown& open = *static_cast<Shown*>(context);
        open.lets.push_back(open.gate.Lets(open.window, Action::Play));
        return IDYES;
    };
    const qennet::ui::PlayerMessages messages(gate, box);
    messages.Tell(window, L"Could not start Vresk.exe.", L"The reason.");
    EXPECT_TRUE(messages.Ask(window, L"Start Vresk.exe all the same?"));
    EXPECT_EQ(shown.lets, (std::vector<bool>{false, false}));
    EXPECT_TRUE(gate.Lets(window, Action::Play)) << "still held once the messages closed";
    DestroyWindow(window);
}

// Read only while active, shown and enabled, judged at each change and at each reading: a window
// activated while minimised is read once restored, with no second activation. Whatever is held
// as the window is driven again waits for its release.
TEST(PadDriver, ReadsOnlyWhileTheWindowIsActiveShownAndEnabled) {
    Pad pad;
    seams::ActionsDouble actions;
    std::vector<Action>& performed = actions.performed;
    PadDriver driver(actions, CallsOf(pad));
    HWND window = MakeWindow(&driver);
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
        {"A released", [](HWND) {}, false, true, true, false},
        {"deactivated with A held", [](HWND w) { SendMessageW(w, WM_ACTIVATE, WA_INACTIVE, 0); },
         true, false, false, false},
        {"re-activated with A still held", [](HWND w) { Activate(w, false); }, true, true, true,
         false},
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
        EXPECT_EQ(driver.Driving(), step.driving) << step.step;
        pad.aHeld = step.a;
        const int before = pad.readings;
        performed.clear();
        SendMessageW(window, WM_TIMER, PadDriver::kTimer, 0);
        EXPECT_EQ(pad.readings > before, step.read) << step.step;
        EXPECT_EQ(performed,
                  step.played ? std::vector<Action>{Action::Play} : std::vector<Action>{})
            << step.step;
    }
    DestroyWindow(window);
}

// A pad plugged in is read at the next reading once Windows tells of a device change, not only
// after the rest an empty slot gets.
TEST(PadDriver, APadPluggedInIsReadAtTheNextReadingAfterADeviceChange) {
    Pad pad;
    pad.plugged = false;
    seams::ActionsDouble actions;
    PadDriver driver(actions, CallsOf(pad));
    HWND window = MakeWindow(&driver);
    ASSERT_NE(window, nullptr);
    Activate(window, false);
    SendMessageW(window, WM_TIMER, PadDriver::kTimer, 0);
    pad.plugged = pad.aHeld = true;
    SendMessageW(window, WM_DEVICECHANGE, 0x0007 /* DBT_DEVNODES_CHANGED */, 0);
    SendMessageW(window, WM_TIMER, PadDriver::kTimer, 0);
    EXPECT_EQ(actions.performed, std::vector<Action>{Action::Play});
    DestroyWindow(window);
}

} // namespace
