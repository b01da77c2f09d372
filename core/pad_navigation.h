#pragma once
// A game controller driving the game list: the controllers' states over time in, list moves, Play
// and Quit out. Up and down move one game, the shoulder buttons a page, each repeating while held
// as a held key does; A or Start plays, once a press; Back held for a second quits. What is held
// when the window becomes active (a button still down from the game) does nothing until it is
// released and pressed again.
#include <array>
#include <cstdint>

namespace qennet {

// The buttons the launcher acts on, as bits of PadButtons.
enum PadButton : unsigned {
    kPadUp = 1,
    kPadDown = 2,
    kPadPageUp = 4,
    kPadPageDown = 8,
    kPadPlay = 16,
    kPadQuit = 32,
};
using PadButtons = unsigned;

// One reading of an XInput controller (an Xbox-style pad): its wButtons and left stick.
struct XInputReading {
    bool connected = false;
    std::uint16_t buttons = 0;
    std::int16_t leftThumbY = 0; // up is positive
};

// One reading of a joystick through WinMM: its Y axis within its range, its hat (hundredths of
// a degree clockwise from forward, or kJoystickHatCentred) and its buttons (bit 0: button 1).
constexpr std::uint32_t kJoystickHatCentred = 0xFFFF;
struct JoystickReading {
    bool connected = false;
    std::uint32_t y = 0, yMin = 0, yMax = 0; // down is larger
    std::uint32_t hat = kJoystickHatCentred;
    std::uint32_t buttons = 0;
};

// The buttons held on one controller: the d-pad or the left stick past its dead zone for up and
// down, the shoulder buttons for a page, A or Start to play, Back (View on newer pads) to quit.
PadButtons ButtonsOfXInput(const XInputReading& reading);
// On a joystick: the stick past a quarter of its range or the hat for up and down, button 1 to
// play (joysticks have no buttons for a page or to quit that all of them share).
PadButtons ButtonsOfJoystick(const JoystickReading& reading);

// Every controller at one moment: XInput's four slots and WinMM's sixteen joysticks.
struct PadReadings {
    std::array<XInputReading, 4> pads;
    std::array<JoystickReading, 16> joysticks;
};

// The buttons held on any controller. An XInput controller shows up as a joystick too: while one
// is connected the joysticks are not counted, so one press acts once.
PadButtons HeldButtons(const PadReadings& readings);

// A held key's repeat: the first delay and the time between repeats, in milliseconds.
struct KeyRepeat {
    std::uint32_t delay = 500;
    std::uint32_t interval = 33;
};

// The player's keyboard settings (SPI_GETKEYBOARDDELAY 0 to 3: 250 to 1000 ms; and
// SPI_GETKEYBOARDSPEED 0 to 31: about 2.5 to 30 repeats a second) as a repeat.
KeyRepeat KeyRepeatOf(int delaySetting, int speedSetting);

enum class PadAction { None, Up, Down, PageUp, PageDown, Play, Quit };

// How long Back is held to quit: a press in passing does nothing.
constexpr std::uint32_t kQuitHoldMs = 1000;

class PadNavigation {
  public:
    // The window became active, with the player's key repeat as it is now: whatever the next
    // reading finds held waits for its release.
    void Activated(KeyRepeat repeat) {
        repeat_ = repeat;
        awaitingFirstReading_ = true;
    }

    // One reading, at a time in milliseconds (a tick count, which may wrap): what the window
    // does now. A press acts at once; of the directions, the one pressed last repeats while it
    // is held; Play never repeats; Quit comes once Back has been held for kQuitHoldMs.
    PadAction Read(PadButtons held, std::uint32_t now);

  private:
    KeyRepeat repeat_;
    bool awaitingFirstReading_ = true; // also before the first activation
    PadButtons ignored_ = 0;           // held since the window became active, not yet released
    PadButtons previous_ = 0;          // the buttons that counted at the last reading
    PadButtons repeating_ = 0;         // the direction that repeats, if any
    std::uint32_t nextRepeat_ = 0;
    std::uint32_t quitPressedAt_ = 0;
    bool quitDue_ = false; // Back counts and has not quit yet
};

} // namespace qennet
