// The plug-in call with the thread's DPI awareness observed: the plug-ins were made for screens
// of one scale, so they load and run DPI-unaware (GDI-scaled where Windows has it), and the
// launcher's own awareness comes back after the call, whatever became of the plug-in.
#include "platform/plugin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qennet::platform::DpiAwarenessContext;
using qennet::platform::PluginCalls;
using qennet::platform::ShowPluginSettings;

constexpr INT_PTR kPerMonitorV2 = -4, kUnaware = -1, kUnawareGdiScaled = -5;

// The thread's awareness, and each one asked for.
struct Thread {
    bool gdiScaling; // Windows 10 1809 and later know the GDI-scaled context
    INT_PTR current = kPerMonitorV2;
    std::vector<INT_PTR> asked;
};

DpiAwarenessContext SetAwareness(void* context, DpiAwarenessContext awareness) {
    Thread& thread = *static_cast<Thread*>(context);
    const INT_PTR wanted = reinterpret_cast<INT_PTR>(awareness);
    thread.asked.push_back(wanted);
    if (wanted == kUnawareGdiScaled && !thread.gdiScaling)
        return nullptr;
    const INT_PTR previous = thread.current;
    thread.current = wanted;
    return reinterpret_cast<DpiAwarenessContext>(previous);
}

TEST(PluginDpi, ThePluginRunsUnawareAndTheAwarenessComesBack) {
    // The stand-in plug-in records its call in the working folder: a folder of the test's own.
    wchar_t temporary[MAX_PATH] = {}, previous[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporary);
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(temporary));
    for (bool newer : {true, false}) {
        for (const char* plugin : {QENNET_STANDIN_PLUGIN, "no_such_renderer.vrk"}) {
            Thread thread{newer, kPerMonitorV2, {}};
            const auto call = ShowPluginSettings(plugin, PluginCalls{&thread, SetAwareness});
            EXPECT_EQ(call.outcome == qennet::platform::PluginCall::Outcome::Called,
                      plugin == std::string(QENNET_STANDIN_PLUGIN));
            const std::vector<INT_PTR> expected =
                newer ? std::vector<INT_PTR>{kUnawareGdiScaled, kPerMonitorV2}
                      : std::vector<INT_PTR>{kUnawareGdiScaled, kUnaware, kPerMonitorV2};
            EXPECT_EQ(thread.asked, expected) << plugin;
            EXPECT_EQ(thread.current, kPerMonitorV2) << "not put back after " << plugin;
        }
    }
    DeleteFileW(L"GPUconfigure.log");
    DeleteFileW(L"plugin-load.log");
    SetCurrentDirectoryW(previous);
}

} // namespace
