#include "platform/game_controllers.h"

#include <algorithm>

namespace qennet::platform {

bool GameControllers::DueForReading(bool connected, std::uint32_t& lastLook,
                                    std::uint32_t now) const {
    if (connected || lookAtEmptySlots_ || now - lastLook >= kEmptySlotRest) {
        lastLook = now;
        return true;
    }
    return false;
}

const ControllerStates& GameControllers::Read(std::uint32_t now) {
    if (!counted_) {
        counted_ = true;
        joystickCount_ =
            std::min<size_t>(calls_.joyGetNumDevs(calls_.context), states_.joysticks.size());
    }
    bool anyPad = false;
    for (DWORD slot = 0; slot < states_.pads.size(); ++slot) {
        PadState& pad = states_.pads[slot];
        if (DueForReading(pad.connected, padLooks_[slot], now)) {
            XINPUT_STATE state{};
            pad.connected = calls_.xinputGetState(calls_.context, slot, &state) == ERROR_SUCCESS;
            pad.gamepad = pad.connected ? state.Gamepad : XINPUT_GAMEPAD{};
        }
        anyPad = anyPad || pad.connected;
    }
    // An XInput pad is listed as a joystick too, and while one is connected only the pads count:
    // the joysticks are not read then, and all are asked at the first reading after.
    if (anyPad)
        states_.joysticks = {};
    for (UINT id = 0; id < joystickCount_ && !anyPad; ++id) {
        JoystickState& joystick = states_.joysticks[id];
        const bool wasConnected = joystick.connected;
        if (!DueForReading(wasConnected || lookAtJoysticks_, joystickLooks_[id], now))
            continue;
        JOYINFOEX info{};
        info.dwSize = sizeof info;
        // Without JOY_RETURNPOV, dwPOV is left 0: forward, which would read as up held.
        info.dwFlags = JOY_RETURNY | JOY_RETURNPOV | JOY_RETURNBUTTONS;
        joystick.connected = calls_.joyGetPosEx(calls_.context, id, &info) == JOYERR_NOERROR;
        if (joystick.connected && !wasConnected) { // its range and hat, once each time it comes
            JOYCAPSW caps{};
            const bool known =
                calls_.joyGetDevCaps(calls_.context, id, &caps, sizeof caps) == JOYERR_NOERROR;
            joystick.yMin = known ? caps.wYmin : 0;
            joystick.yMax = known ? caps.wYmax : 0;
            // A hat its capabilities do not list is centred, whatever its driver writes.
            joystickHats_[id] = !known || (caps.wCaps & JOYCAPS_HASPOV) != 0;
        }
        joystick.y = info.dwYpos;
        joystick.hat = joystick.connected && joystickHats_[id] ? info.dwPOV : JOY_POVCENTERED;
        joystick.buttons = joystick.connected ? info.dwButtons : 0;
    }
    lookAtJoysticks_ = anyPad;
    lookAtEmptySlots_ = false;
    return states_;
}

} // namespace qennet::platform
