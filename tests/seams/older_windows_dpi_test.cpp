// Densities, fonts and frames as on Windows 7 and older, where the calls that came later are
// missing: the screen's density stands in and the program scales the system's font and metrics
// itself. Wine has the newer calls; they are hidden here, and what they answer is the yardstick.
// The tests run at the prefix's density and once more in a copy of this program at 144 DPI.
#include "platform/screen.h"
#include "tests/support/handle.h"
#include "tests/support/registry_override.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace qennet::platform;

int ScreenLogPixels() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class OlderWindowsDpi : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(real_.systemParametersInfoForDpi && real_.getSystemMetricsForDpi);
    }

    const NewerDpiCalls real_;
    // Windows 7's: none of the newer calls.
    const NewerDpiCalls none_{nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr};
    const int densities_[4] = {96, 120, 144, 192};
};

TEST_F(OlderWindowsDpi, TheScreenDensityStandsForTheSystemAndEachWindow) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SystemDpi(none_), ScreenLogPixels());
    EXPECT_EQ(WindowDpi(window, none_), ScreenLogPixels());
    DestroyWindow(window);
}

// Windows 8.1 and 10 before 1607 have no GetDpiForWindow: the effective DPI of the window's
// monitor stands in; shcore is not even looked up where GetDpiForWindow is there.
HRESULT MonitorAt168(void* askedMonitor, HMONITOR monitor, int type, UINT* x, UINT* y) {
    *static_cast<HMONITOR*>(askedMonitor) = monitor;
    *x = *y = type == 0 ? 168 : 96; // MDT_EFFECTIVE_DPI: 168
    return S_OK;
}

TEST_F(OlderWindowsDpi, WithoutGetDpiForWindowTheMonitorsDpiStandsIn) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    HMONITOR askedMonitor = nullptr;
    NewerDpiCalls windows81 = none_;
    windows81.context = &askedMonitor;
    windows81.getDpiForMonitor = MonitorAt168;
    EXPECT_EQ(WindowDpi(window, windows81), 168);
    EXPECT_EQ(askedMonitor, MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    EXPECT_EQ(real_.getDpiForMonitor, nullptr);
    DestroyWindow(window);
}

TEST_F(OlderWindowsDpi, TheMessageFontIsScaledFromTheSystemDensity) {
    for (int dpi : densities_) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ASSERT_TRUE(real_.systemParametersInfoForDpi(nullptr, SPI_GETNONCLIENTMETRICS,
                                                     sizeof metrics, &metrics, 0, dpi));
        HFONT font = CreateMessageFont(dpi, none_);
        LOGFONTW made{};
        ASSERT_EQ(GetObjectW(font, sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_NEAR(made.lfHeight, metrics.lfMessageFont.lfHeight, 1) << "at " << dpi << " DPI";
        EXPECT_STREQ(made.lfFaceName, metrics.lfMessageFont.lfFaceName);
        DeleteObject(font);
    }
}

// Compared on the scroll bars, whose width the drop-down lists reserve (Wine's own answer keeps
// the edges at 2 pixels at every density).
TEST_F(OlderWindowsDpi, MetricsAreScaledFromTheSystemDensity) {
    for (int index : {SM_CXVSCROLL, SM_CYHSCROLL}) {
        for (int dpi : densities_) {
            EXPECT_NEAR(SystemMetricForDpi(index, dpi, none_),
                        real_.getSystemMetricsForDpi(nullptr, index, dpi), 1)
                << "metric " << index << " at " << dpi << " DPI";
        }
    }
}

// A per-monitor (v1) program on Windows 10 1607 asks for its frame to be scaled as the window is
// made; older systems have no such call, and nothing is asked of them.
BOOL RecordFrameScaling(void* frameScaled, HWND window) {
    *static_cast<HWND*>(frameScaled) = window;
    return TRUE;
}

TEST_F(OlderWindowsDpi, TheFrameIsScaledOnlyWhereWindowsCanDoIt) {
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    ScaleFrameWithDpi(window, none_);
    HWND frameScaled = nullptr;
    NewerDpiCalls windows1607 = none_;
    windows1607.context = &frameScaled;
    windows1607.enableNonClientDpiScaling = RecordFrameScaling;
    ScaleFrameWithDpi(window, windows1607);
    EXPECT_EQ(frameScaled, window);
    EXPECT_NE(real_.enableNonClientDpiScaling, nullptr) << "Wine has the call: it is looked up";
}

TEST_F(OlderWindowsDpi, TheFrameStaysTheSystemOneAtEveryDensity) {
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND window = CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    RECT frame{0, 0, 300, 200};
    ASSERT_TRUE(AdjustWindowRectEx(&frame, style, FALSE, 0));
    for (int dpi : densities_) {
        const SIZE outer = OuterSizeForClientAt(window, {300, 200}, dpi, none_);
        EXPECT_EQ(outer.cx, frame.right - frame.left) << "at " << dpi << " DPI";
        EXPECT_EQ(outer.cy, frame.bottom - frame.top) << "at " << dpi << " DPI";
    }
    DestroyWindow(window);
}

// The scaling divides by the system's density: only a system not at 96 DPI tells that apart.
TEST(OlderWindowsDpiAt144, TheSameHoldsInAProgramStartedAt144Dpi) {
    if (std::getenv("QENNET_SEAMS_CHILD")) {
        EXPECT_EQ(ScreenLogPixels(), 144) << "the copy did not start at 144 DPI";
        return;
    }
    const e2e::SystemDpi at144(144);
    wchar_t self[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=OlderWindowsDpi*";
    SetEnvironmentVariableW(L"QENNET_SEAMS_CHILD", L"1");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(L"QENNET_SEAMS_CHILD", nullptr);
    ASSERT_TRUE(started);
    const e2e::Handle copy(process.hProcess), thread(process.hThread);
    const DWORD waited = WaitForSingleObject(copy.Get(), e2e::kDeadlineMs);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(copy.Get(), 1);
    ASSERT_EQ(waited, WAIT_OBJECT_0) << "the copy at 144 DPI did not finish";
    DWORD exitCode = 1;
    GetExitCodeProcess(copy.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u) << "a test failed at 144 DPI (its output is above)";
}

} // namespace
