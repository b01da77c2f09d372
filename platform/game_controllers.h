#pragma once
// The game controllers attached now, read through XInput (Xbox-style pads) and WinMM's joystick
// calls (every other joystick and stick). Both libraries are loaded from the system folder at
// the first reading, never at start-up; either missing is no error, only fewer controllers.
#include "core/pad_navigation.h"

#include <windows.h>
#include <mmsystem.h>
#include <xinput.h>

#include <array>
#include <cstdint>

namespace qennet::platform {

// The calls the controllers are read with, nullptr where the system has none.
struct ControllerCalls {
    DWORD(WINAPI* xinputGetState)(DWORD, XINPUT_STATE*) = nullptr;
    UINT(WINAPI* joyGetNumDevs)() = nullptr;
    MMRESULT(WINAPI* joyGetDevCaps)(UINT_PTR, JOYCAPSW*, UINT) = nullptr;
    MMRESULT(WINAPI* joyGetPosEx)(UINT, JOYINFOEX*) = nullptr;
};

// Those of this system: xinput1_4.dll, or xinput9_1_0.dll where it is missing (Windows 7), and
// winmm.dll, each from the system folder; looked up at the first call.
const ControllerCalls& SystemControllerCalls();

class GameControllers {
  public:
    // The calls are asked for at the first reading, so that a test can stand in for them.
    explicit GameControllers(const ControllerCalls& (*calls)() = SystemControllerCalls)
        : callsOf_(calls) {}

    // Every controller as it is now, at a time in milliseconds. A slot found empty is looked at
    // again only now and then (asking an empty XInput slot is slow), or at the first reading
    // after DevicesChanged.
    const PadReadings& Read(std::uint32_t now);

    // Windows reported a device plugged in or out (WM_DEVICECHANGE).
    void DevicesChanged() { lookAtEmptySlots_ = true; }

    // How long an empty slot stays unasked.
    static constexpr std::uint32_t kEmptySlotRest = 2000;

  private:
    bool DueForReading(bool connected, std::uint32_t& lastLook, std::uint32_t now) const;

    const ControllerCalls& (*callsOf_)();
    const ControllerCalls* calls_ = nullptr;
    PadReadings readings_;
    size_t padCount_ = 0, joystickCount_ = 0; // the slots this system has
    // When each empty slot was last asked.
    std::array<std::uint32_t, std::tuple_size_v<decltype(PadReadings::pads)>> padLooks_{};
    std::array<std::uint32_t, std::tuple_size_v<decltype(PadReadings::joysticks)>> joystickLooks_{};
    bool lookAtEmptySlots_ = true;
};

} // namespace qennet::platform
