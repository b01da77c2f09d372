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

// What the stand-ins answer, and how often they were asked, in one case.
struct Controllers {
    int padAsks[4] = {};
    int joystickAsks = 0;
    bool padThere = false;
    DWORD hatWritten = 0, capsFlags = 0;
};
Controllers& Of(void* context) {
    return *static_cast<Controllers*>(context);
}

// The calls of a system without the controllers' libraries, as the system's answer there.
ControllerCalls NoLibraries(Controllers& controllers) {
    ControllerCalls calls;
    calls.context = &controllers;
    calls.xinputGetState = [](void*, DWORD, XINPUT_STATE*) -> DWORD {
        return ERROR_DEVICE_NOT_CONNECTED;
    };
    calls.joyGetNumDevs = [](void*) -> UINT { return 0; };
    calls.joyGetDevCaps = [](void*, UINT_PTR, JOYCAPSW*, UINT) -> MMRESULT {
        return MMSYSERR_NODRIVER;
    };
    calls.joyGetPosEx = [](void*, UINT, JOYINFOEX*) -> MMRESULT { return MMSYSERR_NODRIVER; };
    return calls;
}

TEST(GameControllers, EmptySlotsAreAskedOnlyNowAndThen) {
    Controllers asked;
    ControllerCalls calls = NoLibraries(asked);
    calls.xinputGetState = [](void* context, DWORD slot, XINPUT_STATE* state) -> DWORD {
        ++Of(context).padAsks[slot];
        state->Gamepad.wButtons = 0x1000;
        return slot == 1 ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
    };
    calls.joyGetNumDevs = [](void*) -> UINT { return 2; };
    calls.joyGetPosEx = [](void* context, UINT, JOYINFOEX*) -> MMRESULT {
        ++Of(context).joystickAsks;
        return JOYERR_UNPLUGGED;
    };
    GameControllers controllers(calls);
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
        EXPECT_EQ(asked.padAsks[0], reading.emptyPadAsks) << reading.now;
        EXPECT_EQ(asked.padAsks[1], reading.connectedPadAsks) << reading.now;
        EXPECT_EQ(asked.joystickAsks, reading.joystickAsks) << reading.now;
    }
    EXPECT_EQ(asked.padAsks[0], asked.padAsks[3]);
}

// A stick whose driver leaves dwPOV as it was (0: forward) unless the hat is asked for, and
// writes the hat it is given where asked; with no XInput pad connected it is read at once.
TEST(GameControllers, JoysticksAreReadWithoutAPadAndAnUnreportedHatIsCentred) {
    Controllers stick;
    ControllerCalls calls = NoLibraries(stick);
    calls.xinputGetState = [](void* context, DWORD slot, XINPUT_STATE*) -> DWORD {
        return slot == 0 && Of(context).padThere ? ERROR_SUCCESS : ERROR_DEVICE_NOT_CONNECTED;
    };
    calls.joyGetNumDevs = [](void*) -> UINT { return 1; };
    calls.joyGetDevCaps = [](void* context, UINT_PTR, JOYCAPSW* caps, UINT) -> MMRESULT {
        caps->wCaps = Of(context).capsFlags;
        return JOYERR_NOERROR;
    };
    calls.joyGetPosEx = [](void* context, UINT, JOYINFOEX* info) -> MMRESULT {
        ++Of(context).joystickAsks;
        if (info->dwFlags & JOY_RETURNPOV)
            info->dwPOV = Of(context).hatWritten;
        return JOYERR_NOERROR;
    };
    GameControllers controllers(calls);
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
        stick.padThere = reading.pad;
        stick.capsFlags = reading.caps;
        stick.hatWritten = reading.written;
        const auto& joystick = controllers.Read(now += 33).joysticks[0];
        EXPECT_EQ(stick.joystickAsks, reading.asks) << now;
        EXPECT_EQ(joystick.connected, !reading.pad) << now;
        EXPECT_EQ(joystick.hat, reading.hat) << now;
    }
}

// Windows 7 has no xinput1_4.dll: XInput is found in its xinput9_1_0.dll.
TEST(GameControllers, WindowsSevensXInputServesWhereTheNewerIsMissing) {
    std::vector<std::wstring> opened;
    qennet::platform::LibraryCalls windows7;
    windows7.context = &opened;
    windows7.loaded = [](void*, LPCWSTR) -> HMODULE { return nullptr; };
    windows7.load = [](void* context, LPCWSTR path) -> HMODULE {
        const std::wstring file = wcsrchr(path, L'\\') + 1;
        static_cast<std::vector<std::wstring>*>(context)->push_back(file);
        return file == L"xinput1_4.dll" ? nullptr : LoadLibraryW(path);
    };
    EXPECT_NE(qennet::platform::LateBoundAddress(qennet::platform::late::kXInputGetState, windows7),
              nullptr);
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"xinput1_4.dll", L"xinput9_1_0.dll"}));
}

TEST(GameControllers, NoControllerLibraryIsNoController) {
    Controllers none;
    GameControllers controllers(NoLibraries(none));
    const qennet::platform::ControllerStates& now = controllers.Read(0);
    for (const auto& pad : now.pads)
        EXPECT_FALSE(pad.connected);
    for (const auto& joystick : now.joysticks)
        EXPECT_FALSE(joystick.connected);
}

} // namespace
