#include "ui/pad_driver.h"

#include <algorithm>

namespace qennet::ui {
namespace {

// About 30 readings a second; the first one waits until the window has long been up.
constexpr UINT kReadingInterval = 33;
constexpr UINT kFirstReading = 500;

struct Move {
    PadAction pad;
    Action action;
};
constexpr Move kMoves[] = {
    {PadAction::Up, Action::PreviousGame},     {PadAction::Down, Action::NextGame},
    {PadAction::PageUp, Action::PreviousPage}, {PadAction::PageDown, Action::NextPage},
    {PadAction::Play, Action::Play},           {PadAction::Quit, Action::Quit}};

// Active, shown, not minimised, and enabled (not under a dialog or a plug-in's call).
bool Drivable(HWND window, bool active) {
    return active && IsWindowVisible(window) && !IsIconic(window) && IsWindowEnabled(window);
}

} // namespace

PadReadings ReadingsOf(const platform::ControllerStates& states) {
    PadReadings readings;
    for (size_t i = 0; i < std::min(readings.pads.size(), states.pads.size()); ++i) {
        const platform::PadState& pad = states.pads[i];
        readings.pads[i] = {pad.connected, pad.gamepad.wButtons, pad.gamepad.sThumbLY};
    }
    for (size_t i = 0; i < std::min(readings.joysticks.size(), states.joysticks.size()); ++i) {
        const platform::JoystickState& stick = states.joysticks[i];
        readings.joysticks[i] = {stick.connected, stick.y,   stick.yMin,
                                 stick.yMax,      stick.hat, stick.buttons};
    }
    return readings;
}

KeyRepeat SystemKeyRepeat(void*) {
    int delay = 1, speed = 31; // Windows' defaults where the settings cannot be read
    SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    return KeyRepeatOf(delay, speed);
}

PadDriver::PadDriver(WindowActions& window, const PadCalls& calls)
    : window_(window), calls_(calls), controllers_(calls) {}

void PadDriver::Activated(HWND window, bool active) {
    active_ = active;
    Judge(window);
}

bool PadDriver::OnTimer(HWND window, UINT_PTR timer) {
    if (timer != kTimer)
        return false;
    Read(window);
    return true;
}

// Judged at every change of the window's state: a window activated while minimised is driven
// once it is restored (which sends no second activation), and a minimised one never is. A timer
// that cannot be set leaves the launcher without a controller, as without one plugged in.
void PadDriver::Judge(HWND window) {
    const bool drivable = Drivable(window, active_);
    if (drivable == driving_)
        return;
    driving_ = drivable;
    if (drivable) {
        repeatDue_ = true; // what is held now waits for its release
        SetTimer(window, kTimer, firstRead_ ? kReadingInterval : kFirstReading, nullptr);
    } else {
        KillTimer(window, kTimer);
    }
}

// A move goes to the window as an action (the list moves as with the arrow keys, so the selection
// runs through the same handler as a click); A or Start plays and Back held quits, whatever control
// has the focus.
void PadDriver::Read(HWND window) {
    Judge(window); // and at each reading
    if (!driving_)
        return;
    if (!firstRead_) {
        firstRead_ = true;
        SetTimer(window, kTimer, kReadingInterval, nullptr);
    }
    if (repeatDue_) {
        repeatDue_ = false;
        pad_.Activated(calls_.keyRepeat(calls_.context));
    }
    const DWORD now = GetTickCount();
    const PadAction read = pad_.Read(HeldButtons(ReadingsOf(controllers_.Read(now))), now);
    for (const Move& move : kMoves) {
        if (move.pad == read)
            window_.Perform(move.action);
    }
}

} // namespace qennet::ui
