// The controllers read through stand-in calls: a slot found empty is asked again only now and
// then, or after a device change, while a connected one is read every time; joysticks only while
// no XInput pad is connected.
#include "platform/game_controllers.h"
#include "platform/system_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qennet::platform::ControllerCalls;
using qennet::platform::GameControllers;

int padAsks[4], joystickAsks;

DWORD WINAPI OnlySlotOne(DWORD slot, XINPUT_STATE* state) {
    ++padAsks[slot];
    state->Gamepad.wButtons = 0x1000;
    return slot == 1 ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
}
UINT WINAPI TwoJoysticks() {
    return 2;
}
MMRESULT WINAPI NoJoystick(UINT, JOYINFOEX*) {
    ++joystickAsks;
    return JOYERR_UNPLUGGED;
}
const ControllerCalls& StandIns() {
    static const ControllerCalls calls{OnlySlotOne, TwoJoysticks, nullptr, NoJoystick};
    return calls;
}
const ControllerCalls& NoLibraries() {
    static const ControllerCalls none;
    return none;
}

TEST(GameControllers, EmptySlotsAreAskedOnlyNowAndThen) {
    GameControllers controllers(StandIns);
    const struct {
        std::uint32_t now;
        bool devicesChanged;
        int emptyPadAsks, connectedPadAsks, joystickAsks;
    } readings[] = {
        {1000, false, 1, 1, 0}, // the first reading asks every slot (a pad: no joystick)
        {1033, false, 1, 2, 0},
        {1000 + GameControllers::kEmptySlotRest - 1, false, 1, 3, 0},
        {1000 + GameControllers::kEmptySlotRest, false, 2, 4, 0},
        {3100, true, 3, 5, 0}, // a controller plugged in or out
        {3133, false, 3, 6, 0},
    };
    for (const auto& reading : readings) {
        if (reading.devicesChanged)
            controllers.DevicesChanged();
        const qennet::platform::ControllerStates& now = controllers.Read(reading.now);
        EXPECT_TRUE(now.pads[1].connected);
        EXPECT_EQ(now.pads[1].gamepad.wButtons, 0x1000);
        EXPECT_FALSE(now.pads[0].connected || now.joysticks[0].connected);
        EXPECT_EQ(padAsks[0], reading.emptyPadAsks) << reading.now;
        EXPECT_EQ(padAsks[1], reading.connectedPadAsks) << reading.now;
        EXPECT_EQ(joystickAsks, reading.joystickAsks) << reading.now;
    }
    EXPECT_EQ(padAsks[0], padAsks[3]);
}

// A stick whose driver leaves dwPOV as it was (0: forward) unless the hat is asked for, and
// writes the hat it is given where asked; with no XInput pad connected it is read at once.
bool padThere;
DWORD hatWritten, capsFlags;
DWORD WINAPI PadWhenThere(DWORD slot, XINPUT_STATE*) {
    return slot == 0 && padThere ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
}
UINT WINAPI OneJoystick() {
    return 1;
}
MMRESULT WINAPI StickCaps(UINT_PTR, JOYCAPSW* caps, UINT) {
    caps->wCaps = capsFlags;
    return JOYERR_NOERROR;
}
MMRESULT WINAPI Stick(UINT, JOYINFOEX* info) {
    ++joystickAsks;
    if (info->dwFlags & JOY_RETURNPOV)
        info->dwPOV = hatWritten;
    return JOYERR_NOERROR;
}
const ControllerCalls& StickStandIns() {
    static const ControllerCalls calls{PadWhenThere, OneJoystick, StickCaps, Stick};
    return calls;
}

TEST(GameControllers, JoysticksAreReadWithoutAPadAndAnUnreportedHatIsCentred) {
    GameControllers controllers(StickStandIns);
    joystickAsks = 0;
    const struct {
        bool pad;
        DWORD caps, written;
        int asks;
        DWORD hat;
    } readings[] = {
        {true, JOYCAPS_HASPOV, JOY_POVCENTERED, 0, JOY_POVCENTERED},
        {false, JOYCAPS_HASPOV, JOY_POVCENTERED, 1, JOY_POVCENTERED},
        {false, JOYCAPS_HASPOV, 18000, 2, 18000},
        {true, 0, 0, 2, JOY_POVCENTERED},
        {false, 0, 0, 3, JOY_POVCENTERED}, // no hat in its capabilities
    };
    std::uint32_t now = 1000;
    for (const auto& reading : readings) {
        if (reading.pad) // plugged in
            controllers.DevicesChanged();
        padThere = reading.pad;
        capsFlags = reading.caps;
        hatWritten = reading.written;
        const auto& stick = controllers.Read(now += 33).joysticks[0];
        EXPECT_EQ(joystickAsks, reading.asks) << now;
        EXPECT_EQ(stick.connected, !reading.pad) << now;
        EXPECT_EQ(stick.hat, reading.hat) << now;
    }
}

// Windows 7 has no xinput1_4.dll: XInput is found in its xinput9_1_0.dll.
std::vector<std::wstring> opened;
HMODULE WithoutXInput14(const wchar_t* library) {
    opened.push_back(library);
    return wcscmp(library, L"xinput1_4.dll") == 0 ? nullptr
                                                  : qennet::platform::LoadSystemLibrary(library);
}

TEST(GameControllers, WindowsSevensXInputServesWhereTheNewerIsMissing) {
    EXPECT_NE(qennet::platform::LateBoundAddress(qennet::platform::late::kXInputGetState,
                                                 WithoutXInput14),
              nullptr);
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"xinput1_4.dll", L"xinput9_1_0.dll"}));
}

TEST(GameControllers, NoControllerLibraryIsNoController) {
    GameControllers controllers(NoLibraries);
    const qennet::platform::ControllerStates& now = controllers.Read(0);
    for (const auto& pad : now.pads)
        EXPECT_FALSE(pad.connected);
    for (const auto& joystick : now.joysticks)
        EXPECT_FALSE(joystick.connected);
}

} // namespace
