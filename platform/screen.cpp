#include "platform/screen.h"

namespace qennet::platform {
namespace {

// What the screen's device context says, where the system has no call of its own for it.
int ScreenDeviceDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 96;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

bool MessageFontAtSystemDpi(LOGFONTW& font) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    BOOL found = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    if (!found) {
        // Systems before Vista know the structure without its last field.
        metrics.cbSize = sizeof metrics - sizeof metrics.iPaddedBorderWidth;
        found = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    if (found)
        font = metrics.lfMessageFont;
    return found;
}

} // namespace

int SystemDpi(const NewerDpiCalls& calls) {
    const auto forSystem = calls.getDpiForSystem;
    const int dpi = forSystem ? static_cast<int>(forSystem(calls.context)) : 0;
    return dpi > 0 ? dpi : ScreenDeviceDpi();
}

void ScaleFrameWithDpi(HWND window, const NewerDpiCalls& calls) {
    if (calls.enableNonClientDpiScaling)
        calls.enableNonClientDpiScaling(calls.context, window);
}

int WindowDpi(HWND window, const NewerDpiCalls& calls) {
    const auto forWindow = calls.getDpiForWindow;
    int dpi = forWindow && window ? static_cast<int>(forWindow(calls.context, window)) : 0;
    UINT x = 0, y = 0;
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    if (dpi <= 0 && window && calls.getDpiForMonitor &&
        SUCCEEDED(calls.getDpiForMonitor(calls.context,
                                         MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                         kEffectiveDpi, &x, &y)))
        dpi = static_cast<int>(x);
    return dpi > 0 ? dpi : SystemDpi(calls);
}

HFONT CreateMessageFont(int dpi, const NewerDpiCalls& calls) {
    const auto forDpi = calls.systemParametersInfoForDpi;
    LOGFONTW font{};
    bool found = false;
    if (forDpi) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        found = forDpi(calls.context, SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0,
                       static_cast<UINT>(dpi)) != FALSE;
        if (found)
            font = metrics.lfMessageFont;
    }
    if (!found && MessageFontAtSystemDpi(font)) {
        found = true;
        font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi(calls));
    }
    HFONT created = found ? CreateFontIndirectW(&font) : nullptr;
    return created ? created : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int SystemMetricForDpi(int index, int dpi, const NewerDpiCalls& calls) {
    const auto forDpi = calls.getSystemMetricsForDpi;
    if (forDpi)
        return forDpi(calls.context, index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi(calls));
}

SIZE OuterSizeForClient(HWND window, SIZE client) {
    RECT outer{};
    GetWindowRect(window, &outer);
    // The default handling of WM_NCCALCSIZE turns a window rectangle into its client rectangle.
    RECT inner = outer;
    DefWindowProcW(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&inner));
    return {client.cx + (outer.right - outer.left) - (inner.right - inner.left),
            client.cy + (outer.bottom - outer.top) - (inner.bottom - inner.top)};
}

SIZE OuterSizeForClientAt(HWND window, SIZE client, int dpi, const NewerDpiCalls& calls) {
    const auto forDpi = calls.adjustWindowRectExForDpi;
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    RECT frame{0, 0, client.cx, client.cy};
    if (!forDpi ||
        !forDpi(calls.context, &frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi)))
        return OuterSizeForClient(window, client); // where the frame does not follow the DPI
    return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT WorkAreaOf(HWND window, const MonitorCalls& calls) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = calls.monitorFromWindow(calls.context, window, MONITOR_DEFAULTTONEAREST);
    if (monitor && calls.getMonitorInfo(calls.context, monitor, &info))
        return info.rcWork;
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        SetRect(&area, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return area;
}

RECT OuterRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

TextMeasure::TextMeasure(HFONT font) {
    dc_ = GetDC(nullptr);
    if (dc_)
        previous_ = SelectObject(dc_, font);
}

TextMeasure::~TextMeasure() {
    if (!dc_)
        return;
    if (previous_)
        SelectObject(dc_, previous_);
    ReleaseDC(nullptr, dc_);
}

SIZE TextMeasure::Extent(const std::wstring& text) const {
    SIZE size{};
    if (!dc_)
        return size;
    if (text.empty()) { // the font's height still counts: measure a blank and keep no width
        if (GetTextExtentPoint32W(dc_, L" ", 1, &size))
            size.cx = 0;
        return size;
    }
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

} // namespace qennet::platform
