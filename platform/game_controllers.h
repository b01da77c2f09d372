#pragma once
// The game controllers attached now, read through XInput (Xbox-style pads) and WinMM's joystick
// calls (every other joystick and stick; read only while no XInput pad is connected), and
// reported as the system gives them. Both libraries are loaded from the system folder at the first
// reading, never at start-up; either missing is no error, only fewer controllers.
#include "platform/system_library.h"

#include <windows.h>
#include <mmsystem.h>
#include <xinput.h>

#include <array>
#include <cstdint>

namespace qennet::platform {

// One XInput slot as it is now.
struct PadState {
    bool connected = false;
    XINPUT_GAMEPAD gamepad{};
};

// One WinMM joystick as it is now: its Y axis within its range, its hat (hundredths of a degree
// clockwise from forward, or JOY_POVCENTERED) and its buttons (bit 0: button 1).
struct JoystickState {
    bool connected = false;
    DWORD y = 0, yMin = 0, yMax = 0;
    DWORD hat = JOY_POVCENTERED;
    DWORD buttons = 0;
};

// Every controller at one moment: XInput's four slots and WinMM's first sixteen joysticks.
struct ControllerStates {
    std::array<PadState, XUSER_MAX_COUNT> pads;
    std::array<JoystickState, 16> joysticks;
};

// The calls the controllers are read with, the system's looked up at their first use; where a
// library is missing they answer as for no controller.
struct ControllerCalls {
    using XInputGetStateFn = DWORD (*)(void* context, DWORD slot, XINPUT_STATE* state);
    using JoystickCountFn = UINT (*)(void* context);
    using JoystickCapsFn = MMRESULT (*)(void* context, UINT_PTR id, JOYCAPSW* caps, UINT size);
    using JoystickPositionFn = MMRESULT (*)(void* context, UINT id, JOYINFOEX* info);
    void* context = nullptr;
    XInputGetStateFn xinputGetState =
        LateSystemCall<late::kXInputGetState,
                       XInputGetStateFn>::OrAnswer<ERROR_DEVICE_NOT_CONNECTED>;
    JoystickCountFn joyGetNumDevs =
        LateSystemCall<late::kJoyGetNumDevs, JoystickCountFn>::OrAnswer<0>;
    JoystickCapsFn joyGetDevCaps =
        LateSystemCall<late::kJoyGetDevCaps, JoystickCapsFn>::OrAnswer<MMSYSERR_NODRIVER>;
    JoystickPositionFn joyGetPosEx =
        LateSystemCall<late::kJoyGetPosEx, JoystickPositionFn>::OrAnswer<MMSYSERR_NODRIVER>;
};

class GameControllers {
  public:
    // A test stands in for the calls.
    explicit GameControllers(const ControllerCalls& calls = {}) : calls_(calls) {}

    // Every controller as it is now, at a time in milliseconds. A slot found empty is looked at
    // again only now and then (asking an empty XInput slot is slow), or at the first reading
    // after DevicesChanged. While an XInput pad is connected the joysticks are not read (the pad
    // is one of them) and show as not connected. A hat the system does not report is centred.
    const ControllerStates& Read(std::uint32_t now);

    // Windows reported a device plugged in or out (WM_DEVICECHANGE).
    void DevicesChanged() { lookAtEmptySlots_ = true; }

    // How long an empty slot stays unasked.
    static constexpr std::uint32_t kEmptySlotRest = 2000;

  private:
    bool DueForReading(bool connected, std::uint32_t& lastLook, std::uint32_t now) const;

    ControllerCalls calls_;
    ControllerStates states_;
    bool counted_ = false; // the joysticks this system has, asked at the first reading
    size_t joystickCount_ = 0;
    // When each empty slot was last asked.
    std::array<std::uint32_t, std::tuple_size_v<decltype(ControllerStates::pads)>> padLooks_{};
    std::array<std::uint32_t, std::tuple_size_v<decltype(ControllerStates::joysticks)>>
        joystickLooks_{};
    // Whether each joystick has a hat, as its capabilities say (yes where they cannot be read).
    std::array<bool, std::tuple_size_v<decltype(ControllerStates::joysticks)>> joystickHats_{};
    bool lookAtEmptySlots_ = true;
    bool lookAtJoysticks_ = false; // they were not read while a pad was connected
};

} // namespace qennet::platform
