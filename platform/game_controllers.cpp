#include "platform/game_controllers.h"

#include "platform/system_library.h"

#include <algorithm>

namespace qennet::platform {

const ControllerCalls& SystemControllerCalls() {
    static const ControllerCalls calls = [] {
        ControllerCalls found;
        found.xinputGetState = LateBound<decltype(found.xinputGetState)>(late::kXInputGetState);
        found.joyGetNumDevs = LateBound<decltype(found.joyGetNumDevs)>(late::kJoyGetNumDevs);
        found.joyGetDevCaps = LateBound<decltype(found.joyGetDevCaps)>(late::kJoyGetDevCaps);
        found.joyGetPosEx = LateBound<decltype(found.joyGetPosEx)>(late::kJoyGetPosEx);
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

const ControllerStates& GameControllers::Read(std::uint32_t now) {
    if (!calls_) {
        calls_ = &callsOf_();
        padCount_ = calls_->xinputGetState ? states_.pads.size() : 0;
        if (calls_->joyGetNumDevs && calls_->joyGetPosEx)
            joystickCount_ = std::min<size_t>(calls_->joyGetNumDevs(), states_.joysticks.size());
    }
    for (DWORD slot = 0; slot < padCount_; ++slot) {
        PadState& pad = states_.pads[slot];
        if (!DueForReading(pad.connected, padLooks_[slot], now))
            continue;
        XINPUT_STATE state{};
        pad.connected = calls_->xinputGetState(slot, &state) == ERROR_SUCCESS;
        pad.gamepad = pad.connected ? state.Gamepad : XINPUT_GAMEPAD{};
    }
    for (UINT id = 0; id < joystickCount_; ++id) {
        JoystickState& joystick = states_.joysticks[id];
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
        joystick.hat = joystick.connected ? info.dwPOV : JOY_POVCENTERED;
        joystick.buttons = joystick.connected ? info.dwButtons : 0;
    }
    lookAtEmptySlots_ = false;
    return states_;
}

} // namespace qennet::platform
