#pragma once
// A game controller driving the window: the controllers are read about 30 times a second while
// the window is active, shown and enabled, and each reading's move in the game list or Play is
// handed to the window, whose gate decides whether it acts. The controllers' libraries are loaded
// at the first reading, well after the window is up.
#include "core/pad_navigation.h"
#include "platform/game_controllers.h"
#include "ui/action_gate.h"

#include <windows.h>

#include <functional>
#include <optional>

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
    // Asks the window to act; it does when its gate lets it.
    using PerformFn = std::function<bool(Action)>;

    explicit PadDriver(PerformFn perform, const PadCalls& calls = {});

    // Sees every message of the window: it follows the window's activation, minimising,
    // restoring, showing and enabling, and takes its own timer and the system's news of devices
    // plugged in or out. Returns the result for a message it took, nothing for the others.
    std::optional<LRESULT> OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The controllers are being read (the window is active, shown and enabled).
    bool Driving() const { return driving_; }

    // The window's timer the readings come by; the window has no other.
    static constexpr UINT_PTR kTimer = 1;

  private:
    void Judge(HWND window);
    void OnTimer(HWND window);

    PerformFn perform_;
    PadCalls calls_;
    platform::GameControllers controllers_;
    PadNavigation pad_;
    bool active_ = false;
    bool driving_ = false;
    bool repeatDue_ = false; // the key repeat is asked afresh at the first reading of each drive
    bool firstRead_ = false; // the libraries are loaded
};

} // namespace qennet::ui
