// The window's layout with the message font replaced: a font changed in Settings while the
// launcher runs (which Wine shows no running program) lays the controls out again, and the window
// keeps its centre.
#include "ui/form_layout.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using qennet::platform::NewerDpiCalls;

// The system's metrics, with the message font the player chose.
struct Settings {
    NewerDpiCalls::ParametersForDpiFn systemsOwn;
    bool largerFont = false;
};

BOOL MetricsAsSet(void* context, UINT action, UINT size, PVOID metrics, UINT flags, UINT dpi) {
    const Settings& settings = *static_cast<Settings*>(context);
    const BOOL got = settings.systemsOwn(nullptr, action, size, metrics, flags, dpi);
    if (got && settings.largerFont && action == SPI_GETNONCLIENTMETRICS)
        static_cast<NONCLIENTMETRICSW*>(metrics)->lfMessageFont.lfHeight = -MulDiv(24, dpi, 96);
    return got;
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

TEST(FormLayout, ANewMessageFontLaysTheWindowOutAgainAroundItsCentre) {
    NewerDpiCalls calls;
    ASSERT_NE(calls.systemParametersInfoForDpi, nullptr);
    Settings settings{calls.systemParametersInfoForDpi};
    calls.context = &settings;
    calls.systemParametersInfoForDpi = MetricsAsSet;
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_CAPTION, 100, 100, 400, 300,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        qennet::ui::FormLayout layout(calls);
        ASSERT_TRUE(layout.CreateControls(window));
        layout.LayOut(layout.dpi());
        RECT before = {}, quitBefore = {}, after = {}, quitAfter = {};
        GetWindowRect(window, &before);
        GetWindowRect(GetDlgItem(window, IDC_QUIT), &quitBefore);

        settings.largerFont = true;
        layout.FontChanged();
        GetWindowRect(window, &after);
        GetWindowRect(GetDlgItem(window, IDC_QUIT), &quitAfter);
        EXPECT_GT(Height(quitAfter), Height(quitBefore)) << "Quit keeps the old font's height";
        EXPECT_GT(Width(after), Width(before)) << "the window did not grow with its controls";
        EXPECT_LE(std::abs((after.left + after.right) - (before.left + before.right)), 1);
        EXPECT_LE(std::abs((after.top + after.bottom) - (before.top + before.bottom)), 1);
    }
    DestroyWindow(window);
}

// The monitor a window is made on may have another scale than the system's: its controls are made
// for that monitor, not for the system's DPI.
TEST(FormLayout, ControlsAreMadeForTheMonitorTheWindowIsOn) {
    UINT monitorDpi = qennet::platform::SystemDpi() == 144 ? 192 : 144;
    NewerDpiCalls calls;
    calls.context = &monitorDpi;
    calls.getDpiForWindow = [](void* context, HWND) { return *static_cast<UINT*>(context); };
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_CAPTION, 100, 100, 400, 300,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        qennet::ui::FormLayout layout(calls);
        ASSERT_TRUE(layout.CreateControls(window));
        RECT quit = {};
        GetWindowRect(GetDlgItem(window, IDC_QUIT), &quit);
        EXPECT_EQ(layout.dpi(), static_cast<int>(monitorDpi));
        EXPECT_EQ(Width(quit), MulDiv(73, static_cast<int>(monitorDpi), 96));
    }
    DestroyWindow(window);
}

} // namespace
