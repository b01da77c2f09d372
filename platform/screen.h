#pragma once
// The screen as the window sees it: the DPI of each monitor (96 at 100 %), the fonts, metrics and
// frames at a DPI, and the work area. The DPI calls that came after Windows 7 are looked up at
// run time; where they are missing the system DPI stands in, so the program behaves on XP and 7
// as a system-DPI-aware one.
#include "platform/seam.h"
#include "platform/system_library.h"

#include <windows.h>

#include <string>

namespace qennet::platform {

// The DPI calls that came after Windows 7 (8.1 and 10), nullptr where the system has none; looked
// up once, as the first of these is made. The functions below take them as their last argument, so
// that a test can stand in for an older system.
struct NewerDpiCalls {
    using DpiForSystemFn = UINT (*)(void* context);
    using DpiForWindowFn = UINT (*)(void* context, HWND window);
    using ParametersForDpiFn = BOOL (*)(void* context, UINT action, UINT size, PVOID value,
                                        UINT flags, UINT dpi);
    using MetricForDpiFn = int (*)(void* context, int index, UINT dpi);
    using AdjustForDpiFn = BOOL (*)(void* context, LPRECT rect, DWORD style, BOOL menu,
                                    DWORD extendedStyle, UINT dpi);
    using ScaleFrameFn = BOOL (*)(void* context, HWND window);
    // MONITOR_DPI_TYPE as an int.
    using DpiForMonitorFn = HRESULT (*)(void* context, HMONITOR monitor, int type, UINT* x,
                                        UINT* y);

    void* context = nullptr;
    DpiForSystemFn getDpiForSystem =
        LateSystemCall<late::kGetDpiForSystem, DpiForSystemFn>::WhereFound();
    DpiForWindowFn getDpiForWindow =
        LateSystemCall<late::kGetDpiForWindow, DpiForWindowFn>::WhereFound();
    ParametersForDpiFn systemParametersInfoForDpi =
        LateSystemCall<late::kSystemParametersInfoForDpi, ParametersForDpiFn>::WhereFound();
    MetricForDpiFn getSystemMetricsForDpi =
        LateSystemCall<late::kGetSystemMetricsForDpi, MetricForDpiFn>::WhereFound();
    AdjustForDpiFn adjustWindowRectExForDpi =
        LateSystemCall<late::kAdjustWindowRectExForDpi, AdjustForDpiFn>::WhereFound();
    ScaleFrameFn enableNonClientDpiScaling = // Windows 10 1607
        LateSystemCall<late::kEnableNonClientDpiScaling, ScaleFrameFn>::WhereFound();
    // shcore's GetDpiForMonitor (8.1), looked up only where GetDpiForWindow is missing.
    DpiForMonitorFn getDpiForMonitor =
        getDpiForWindow ? nullptr
                        : LateSystemCall<late::kGetDpiForMonitor, DpiForMonitorFn>::WhereFound();
};

// The DPI the system's metrics and fonts are given at (the primary screen's at log-on).
int SystemDpi(const NewerDpiCalls& calls = {});

// Asks, while a top-level window is being made (WM_NCCREATE), that its caption and frame follow
// its monitor's DPI. Only a per-monitor (v1) program on Windows 10 1607 needs to; per-monitor v2
// ones get it anyway, and where the call is missing nothing happens.
void ScaleFrameWithDpi(HWND window, const NewerDpiCalls& calls = {});

// The DPI of the monitor the window is on (the system DPI where neither GetDpiForWindow nor
// GetDpiForMonitor is there to tell).
int WindowDpi(HWND window, const NewerDpiCalls& calls = {});

// The system's message font at the given DPI; the caller deletes it (DeleteObject ignores
// the stock font returned when none can be made).
HFONT CreateMessageFont(int dpi, const NewerDpiCalls& calls = {});

// A system metric (SM_CXVSCROLL...) at the given DPI.
int SystemMetricForDpi(int index, int dpi, const NewerDpiCalls& calls = {});

// The outer size that gives the window a client area of the given size, with the frame the system
// draws for it now (per-monitor v1 systems do not scale the frame with the monitor; v2 ones do).
SIZE OuterSizeForClient(HWND window, SIZE client);

// The outer size the window would need for that client area with its frame drawn at the DPI.
SIZE OuterSizeForClientAt(HWND window, SIZE client, int dpi, const NewerDpiCalls& calls = {});

// The monitor calls the work area is found with, so that a test can stand in for several
// monitors.
struct MonitorCalls {
    using MonitorFromWindowFn = HMONITOR (*)(void* context, HWND window, DWORD flags);
    using MonitorInfoFn = BOOL (*)(void* context, HMONITOR monitor, LPMONITORINFO info);
    void* context = nullptr;
    MonitorFromWindowFn monitorFromWindow = SystemCall<&::MonitorFromWindow>::Call;
    MonitorInfoFn getMonitorInfo = SystemCall<&::GetMonitorInfoW>::Call;
};

// The work area (the screen less its task bars) of the monitor the window is on, or is nearest
// to; with one monitor, the desktop's work area. The desktop's where the monitor cannot be asked.
RECT WorkAreaOf(HWND window, const MonitorCalls& calls = {});

// The window's outer rectangle in screen pixels.
RECT OuterRect(HWND window);

// Measures texts in one font.
class TextMeasure {
  public:
    explicit TextMeasure(HFONT font);
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // Width and height of one line of text (the height is the font's own, also for "").
    SIZE Extent(const std::wstring& text) const;

  private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace qennet::platform
