#pragma once
// A game controller driving the window: the controllers are read about 30 times a second while
// the window is active, shown and enabled, and each reading's move in the game list or Play is
// handed to the window, whose gate decides whether it acts. The controllers' libraries are loaded
// at the first reading, well after the window is up.
#include "core/pad_navigation.h"
#include "platform/game_controllers.h"
#include "ui/action_gate.h"
#include "ui/window_actions.h"

#include <windows.h>

namespace qennet::ui {

// The buttons the core's rule reads, from the controllers as the system reports them.
PadReadings ReadingsOf(const platform::ControllerStates& states);

// The player's key repeat (SPI_GETKEYBOARDDELAY and SPI_GETKEYBOARDSPEED).
KeyRepeat SystemKeyRepeat(void* context);

// The calls the driver makes: the controllers' readings and the player's key repeat, which a test
// stands in for with the same context.
struct PadCalls : platform::ControllerCalls {
    using KeyRepeatFn = KeyRepeat (*)(void* context);
    KeyRepeatFn keyRepeat = SystemKeyRepeat;
};

class PadDriver {
  public:
    // The window is asked to act; it does when its gate lets it.
    explicit PadDriver(WindowActions& window, const PadCalls& calls = {});

    // The window was activated or deactivated (WM_ACTIVATE).
    void Activated(HWND window, bool active);
    // The window was minimised, restored, shown, hidden, disabled or enabled (WM_SIZE,
    // WM_WINDOWPOSCHANGED, WM_ENABLE).
    void WindowChanged(HWND window) { Judge(window); }
    // A timer of the window went off: true when it was the readings' one.
    bool OnTimer(HWND window, UINT_PTR timer);
    // Windows reported a device plugged in or out (WM_DEVICECHANGE).
    void DevicesChanged() { controllers_.DevicesChanged(); }

    // The controllers are being read (the window is active, shown and enabled).
    bool Driving() const { return driving_; }

    // The window's timer the readings come by; the window has no other.
    static constexpr UINT_PTR kTimer = 1;

  private:
    void Judge(HWND window);
    void Read(HWND window);

    WindowActions& window_;
    PadCalls calls_;
    platform::GameControllers controllers_;
    PadNavigation pad_;
    bool active_ = false;
    bool driving_ = false;
    bool repeatDue_ = false; // the key repeat is asked afresh at the first reading of each drive
    bool firstRead_ = false; // the libraries are loaded
};

} // namespace qennet::ui
