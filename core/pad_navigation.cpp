#include "core/pad_navigation.h"

#include <algorithm>

namespace qennet {
namespace {

// XInput's wButtons and its documented dead zone of the left stick.
constexpr std::uint16_t kDpadUp = 0x0001, kDpadDown = 0x0002, kStart = 0x0010, kBack = 0x0020,
                        kLeftShoulder = 0x0100, kRightShoulder = 0x0200, kA = 0x1000;
constexpr int kLeftThumbDeadZone = 7849;

// What each direction does, in the order a press is looked for.
struct Direction {
    PadButton button;
    PadAction action;
};
constexpr Direction kDirections[] = {{kPadUp, PadAction::Up},
                                     {kPadDown, PadAction::Down},
                                     {kPadPageUp, PadAction::PageUp},
                                     {kPadPageDown, PadAction::PageDown}};

PadAction ActionOf(PadButtons direction) {
    for (const Direction& d : kDirections) {
        if (d.button == direction)
            return d.action;
    }
    return PadAction::None;
}

} // namespace

PadButtons ButtonsOfXInput(const XInputReading& reading) {
    if (!reading.connected)
        return 0;
    const auto has = [&](std::uint16_t bit) { return (reading.buttons & bit) != 0; };
    PadButtons held = 0;
    if (has(kDpadUp) || reading.leftThumbY > kLeftThumbDeadZone)
        held |= kPadUp;
    if (has(kDpadDown) || reading.leftThumbY < -kLeftThumbDeadZone)
        held |= kPadDown;
    if (has(kLeftShoulder))
        held |= kPadPageUp;
    if (has(kRightShoulder))
        held |= kPadPageDown;
    if (has(kA) || has(kStart))
        held |= kPadPlay;
    if (has(kBack))
        held |= kPadQuit;
    return held;
}

PadButtons ButtonsOfJoystick(const JoystickReading& reading) {
    if (!reading.connected)
        return 0;
    PadButtons held = 0;
    if (reading.yMax > reading.yMin) {
        const std::uint32_t quarter = (reading.yMax - reading.yMin) / 4;
        if (reading.y < reading.yMin + quarter)
            held |= kPadUp;
        if (reading.y > reading.yMax - quarter)
            held |= kPadDown;
    }
    if (reading.hat < 36000) { // up-right to up-left counts as up, down-right to down-left down
        if (reading.hat < 9000 || reading.hat > 27000)
            held |= kPadUp;
        if (reading.hat > 9000 && reading.hat < 27000)
            held |= kPadDown;
    }
    if (reading.buttons & 1)
        held |= kPadPlay;
    return held;
}

PadButtons HeldButtons(const PadReadings& readings) {
    PadButtons held = 0;
    bool anyPad = false;
    for (const XInputReading& pad : readings.pads) {
        anyPad = anyPad || pad.connected;
        held |= ButtonsOfXInput(pad);
    }
    if (!anyPad) {
        for (const JoystickReading& joystick : readings.joysticks)
            held |= ButtonsOfJoystick(joystick);
    }
    return held;
}

KeyRepeat KeyRepeatOf(int delaySetting, int speedSetting) {
    const int delay = std::clamp(delaySetting, 0, 3);
    const int speed = std::clamp(speedSetting, 0, 31);
    // 2.5 repeats a second at 0 to 30 at 31, evenly: 1000 / (2.5 + speed * 27.5 / 31) ms.
    const auto interval = static_cast<std::uint32_t>(62000 / (155 + 55 * speed));
    return {static_cast<std::uint32_t>(250 * (delay + 1)), interval};
}

PadAction PadNavigation::Read(PadButtons held, std::uint32_t now) {
    if (awaitingFirstReading_) {
        awaitingFirstReading_ = false;
        ignored_ = held;
        previous_ = 0;
        repeating_ = 0;
    }
    ignored_ &= held; // a released button counts again at its next press
    const PadButtons counted = held & ~ignored_;
    const PadButtons pressed = counted & ~previous_;
    previous_ = counted;
    if (!(counted & repeating_))
        repeating_ = 0;
    if (pressed & kPadQuit)
        quitPressedAt_ = now;
    quitDue_ = (quitDue_ || (pressed & kPadQuit)) && (counted & kPadQuit);
    if (quitDue_ && now - quitPressedAt_ >= kQuitHoldMs) { // across the tick count's wrap too
        quitDue_ = false;                                  // once a hold
        return PadAction::Quit;
    }
    if (pressed & kPadPlay)
        return PadAction::Play;
    for (const Direction& d : kDirections) {
        if (pressed & d.button) {
            repeating_ = d.button;
            nextRepeat_ = now + repeat_.delay;
            return d.action;
        }
    }
    // Signed difference: the tick count wraps after 49.7 days.
    if (repeating_ && static_cast<std::int32_t>(now - nextRepeat_) >= 0) {
        nextRepeat_ = now + repeat_.interval;
        return ActionOf(repeating_);
    }
    return PadAction::None;
}

} // namespace qennet
