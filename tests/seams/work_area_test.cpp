// The work area the window is centred in, with the monitor calls replaced: Wine shows one monitor.
#include "platform/screen.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using namespace qennet::platform;

// Two monitors of different work areas: a window takes the work area of the one it is on, not the
// primary one's; where the monitor cannot be asked, the desktop's stands in. The context is the
// window on the second monitor.
HMONITOR MonitorOf(void* secondMonitorsWindow, HWND window, DWORD) {
    return reinterpret_cast<HMONITOR>(window == secondMonitorsWindow ? 2 : 1);
}
BOOL InfoOf(void*, HMONITOR monitor, LPMONITORINFO info) {
    const bool second = monitor == reinterpret_cast<HMONITOR>(2);
    info->rcWork = second ? RECT{1920, 40, 3200, 1024} : RECT{0, 0, 1920, 1040};
    return TRUE;
}
BOOL NoInfo(void*, HMONITOR, LPMONITORINFO) {
    return FALSE;
}

TEST(WorkArea, EachWindowGetsItsOwnMonitorsWorkArea) {
    HWND first = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HWND secondMonitorsWindow =
        CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(first && secondMonitorsWindow);
    const MonitorCalls twoMonitors{secondMonitorsWindow, MonitorOf, InfoOf};
    const RECT one = WorkAreaOf(first, twoMonitors),
               two = WorkAreaOf(secondMonitorsWindow, twoMonitors);
    EXPECT_EQ(std::make_pair(one.left, one.bottom), std::make_pair(0L, 1040L));
    EXPECT_EQ(std::make_pair(two.left, two.top), std::make_pair(1920L, 40L));
    RECT desktop{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0));
    const RECT fallback = WorkAreaOf(first, MonitorCalls{secondMonitorsWindow, MonitorOf, NoInfo});
    EXPECT_TRUE(EqualRect(&fallback, &desktop));
    const RECT real = WorkAreaOf(first); // one monitor: the desktop's work area
    EXPECT_TRUE(EqualRect(&real, &desktop));
    DestroyWindow(first);
    DestroyWindow(secondMonitorsWindow);
}

} // namespace
