#include "core/pad_navigation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace qennet {
namespace {

TEST(PadButtons, EachControllerMapsItsOwnButtons) {
    const struct {
        std::uint16_t buttons;
        std::int16_t thumbY;
        PadButtons held;
    } pads[] = {
        {0x0001, 0, kPadUp},       {0x0002, 0, kPadDown},
        {0, 7850, kPadUp},         {0, 7849, 0},
        {0, -32768, kPadDown},     {0x0100, 0, kPadPageUp},
        {0x0200, 0, kPadPageDown}, {0x1000, 0, kPadPlay},
        {0x0010, 0, kPadPlay},     {0x0020, 0, kPadQuit},
        {0x2000 | 0x4000, 0, 0}, // B and X are not the launcher's
    };
    for (const auto& pad : pads)
        EXPECT_EQ(ButtonsOfXInput({true, pad.buttons, pad.thumbY}), pad.held) << pad.buttons;
    EXPECT_EQ(ButtonsOfXInput({false, 0x1000, 0}), 0u) << "not connected";

    const struct {
        std::uint32_t y, hat, buttons;
        PadButtons held;
    } joysticks[] = {
        {32767, kJoystickHatCentred, 0, 0},
        {0, kJoystickHatCentred, 0, kPadUp},
        {65535, kJoystickHatCentred, 0, kPadDown},
        {32767, 0, 0, kPadUp},
        {32767, 4500, 0, kPadUp},
        {32767, 9000, 0, 0},
        {32767, 18000, 0, kPadDown},
        {32767, 31500, 0, kPadUp},
        {32767, kJoystickHatCentred, 1, kPadPlay},
        {32767, kJoystickHatCentred, 2, 0},
    };
    for (const auto& stick : joysticks)
        EXPECT_EQ(ButtonsOfJoystick({true, stick.y, 0, 65535, stick.hat, stick.buttons}),
                  stick.held)
            << stick.y << " " << stick.hat << " " << stick.buttons;
}

// An XInput pad is also listed as a joystick: its joystick view must not act a second time.
TEST(PadButtons, JoysticksCountOnlyWithoutAnXInputController) {
    PadReadings readings;
    readings.joysticks[3] = {true, 65535, 0, 65535, kJoystickHatCentred, 0};
    EXPECT_EQ(HeldButtons(readings), kPadDown);
    readings.pads[2] = {true, 0, 0};
    EXPECT_EQ(HeldButtons(readings), 0u);
    readings.pads[0] = {true, 0x1000, 0};
    readings.pads[3] = {true, 0x0002, 0};
    EXPECT_EQ(HeldButtons(readings), kPadPlay | kPadDown);
}

TEST(KeyRepeat, FollowsTheKeyboardSettings) {
    EXPECT_EQ(KeyRepeatOf(0, 0).delay, 250u);
    EXPECT_EQ(KeyRepeatOf(0, 0).interval, 400u); // 2.5 a second
    EXPECT_EQ(KeyRepeatOf(3, 31).delay, 1000u);
    EXPECT_EQ(KeyRepeatOf(3, 31).interval, 33u); // 30 a second
    EXPECT_EQ(KeyRepeatOf(9, -4).delay, 1000u) << "out of range is clamped";
}

// One reading: the buttons held at a time and what the window does then; `activated`: the window
// became active (again) just before it.
struct Step {
    PadButtons held;
    std::uint32_t time;
    PadAction action;
    bool activated = false;
};

const struct {
    const char* what;
    std::vector<Step> steps;
} kSequences[] = {
    {"presses act once, directions repeat like a key, Play never repeats",
     {{0, 0, PadAction::None},
      {kPadDown, 10, PadAction::Down},
      {kPadDown, 400, PadAction::None},
      {kPadDown, 510, PadAction::Down}, // the first delay
      {kPadDown, 530, PadAction::None},
      {kPadDown, 550, PadAction::Down}, // then the rate
      {0, 560, PadAction::None},
      {kPadPlay, 570, PadAction::Play},
      {kPadPlay, 2000, PadAction::None},
      {kPadPlay | kPadPageDown, 2010, PadAction::PageDown},
      {kPadPlay, 2020, PadAction::None},
      {0, 2030, PadAction::None},
      {kPadPageUp, 2040, PadAction::PageUp}}},
    {"of two directions held the one pressed last repeats; released, nothing repeats",
     {{0, 0, PadAction::None},
      {kPadDown, 10, PadAction::Down},
      {kPadDown | kPadUp, 20, PadAction::Up},
      {kPadDown | kPadUp, 520, PadAction::Up},
      {kPadDown, 530, PadAction::None},
      {kPadDown, 2000, PadAction::None}}},
    // A button still held from the game when the launcher becomes active does nothing until it
    // is released and pressed again.
    {"what is held at activation waits for its release",
     {{kPadPlay | kPadDown, 0, PadAction::None},
      {kPadPlay | kPadDown, 600, PadAction::None},
      {kPadPlay, 610, PadAction::None},
      {kPadPlay | kPadDown, 620, PadAction::Down},
      {0, 630, PadAction::None},
      {kPadPlay, 640, PadAction::Play},
      {kPadPlay | kPadUp, 5000, PadAction::None, true}, // back from the game
      {0, 5010, PadAction::None},
      {kPadPlay, 5020, PadAction::Play}}},
    {"Back held for a second quits once; a short press, or Back held from the game, does not",
     {{0, 0, PadAction::None},
      {kPadQuit, 10, PadAction::None},
      {0, 900, PadAction::None},
      {kPadQuit, 1000, PadAction::None},
      {kPadQuit | kPadDown, 1999, PadAction::Down},
      {kPadQuit, 2000, PadAction::Quit},
      {kPadQuit, 4000, PadAction::None},
      {kPadQuit, 5000, PadAction::None, true}, // back from the game
      {kPadQuit, 6500, PadAction::None},
      {0, 6510, PadAction::None},
      {kPadQuit, 0xFFFFFF00u, PadAction::None},
      {kPadQuit, 0x000002E8u, PadAction::Quit}}}, // 1000 ms on, across the wrap
    {"repeats go on across the tick count's wrap",
     {{0, 0xFFFFFF00u, PadAction::None},
      {kPadUp, 0xFFFFFF10u, PadAction::Up},
      {kPadUp, 0xFFFFFF20u, PadAction::None},
      {kPadUp, 0x00000110u, PadAction::Up}}}, // 512 ms on
};

TEST(PadNavigation, ReadingsOverTime) {
    constexpr KeyRepeat kRepeat{500, 40};
    for (const auto& sequence : kSequences) {
        PadNavigation navigation;
        for (size_t i = 0; i < sequence.steps.size(); ++i) {
            const Step& step = sequence.steps[i];
            if (i == 0 || step.activated)
                navigation.Activated(kRepeat);
            EXPECT_EQ(navigation.Read(step.held, step.time), step.action)
                << sequence.what << ", step " << i << " at " << step.time;
        }
    }
}

} // namespace
} // namespace qennet
