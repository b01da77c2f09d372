#include "platform/game_controllers.h"

#include "platform/system_library.h"

#include <algorithm>

namespace qennet::platform {

const ControllerCalls& SystemControllerCalls() {
    static const ControllerCalls calls = [] {
        ControllerCalls found;
        HMODULE xinput = LoadSystemLibrary(L"xinput1_4.dll");
        if (!xinput)
            xinput = LoadSystemLibrary(L"xinput9_1_0.dll");
        if (xinput)
            found.xinputGetState =
                FunctionOf<decltype(found.xinputGetState)>(xinput, "XInputGetState");
        if (HMODULE winmm = LoadSystemLibrary(L"winmm.dll")) {
            found.joyGetNumDevs = FunctionOf<decltype(found.joyGetNumDevs)>(winmm, "joyGetNumDevs");
            found.joyGetDevCaps =
                FunctionOf<decltype(found.joyGetDevCaps)>(winmm, "joyGetDevCapsW");
            found.joyGetPosEx = FunctionOf<decltype(found.joyGetPosEx)>(winmm, "joyGetPosEx");
        }
        return found;
    }();
    return calls;
}

bool GameControllers::DueForReading(bool connected, std::uint32_t& lastLook,
                                    std::uint32_t now) const {
    if (connected || lookAtEmptySlots_ || now - lastLook >= kEmptySlotRest) {
        lastLook = now;
        return true;
    }
    return false;
}

const PadReadings& GameControllers::Read(std::uint32_t now) {
    if (!calls_) {
        calls_ = &callsOf_();
        padCount_ = calls_->xinputGetState ? readings_.pads.size() : 0;
        if (calls_->joyGetNumDevs && calls_->joyGetPosEx)
            joystickCount_ = std::min<size_t>(calls_->joyGetNumDevs(), readings_.joysticks.size());
    }
    for (DWORD slot = 0; slot < padCount_; ++slot) {
        XInputReading& pad = readings_.pads[slot];
        if (!DueForReading(pad.connected, padLooks_[slot], now))
            continue;
        XINPUT_STATE state{};
        pad.connected = calls_->xinputGetState(slot, &state) == ERROR_SUCCESS;
        pad.buttons = pad.connected ? state.Gamepad.wButtons : 0;
        pad.leftThumbY = pad.connected ? state.Gamepad.sThumbLY : std::int16_t{0};
    }
    for (UINT id = 0; id < joystickCount_; ++id) {
        JoystickReading& joystick = readings_.joysticks[id];
        const bool wasConnected = joystick.connected;
        if (!DueForReading(wasConnected, joystickLooks_[id], now))
            continue;
        JOYINFOEX info{};
        info.dwSize = sizeof info;
        info.dwFlags = JOY_RETURNY | JOY_RETURNPOV | JOY_RETURNBUTTONS;
        joystick.connected = calls_->joyGetPosEx(id, &info) == JOYERR_NOERROR;
        if (joystick.connected && !wasConnected) { // its range, once each time it comes
            JOYCAPSW caps{};
            const bool known =
                calls_->joyGetDevCaps && calls_->joyGetDevCaps(id, &caps, sizeof caps) == 0;
            joystick.yMin = known ? caps.wYmin : 0;
            joystick.yMax = known ? caps.wYmax : 0;
        }
        joystick.y = info.dwYpos;
        joystick.hat = joystick.connected ? info.dwPOV : kJoystickHatCentred;
        joystick.buttons = joystick.connected ? info.dwButtons : 0;
    }
    lookAtEmptySlots_ = false;
    return readings_;
}

} // namespace qennet::platform
