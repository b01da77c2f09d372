#include "ui/window_icons.h"

#include "platform/screen.h"
#include "platform/system_library.h"

namespace qennet::ui {
namespace {

HICON LoadIconAtSize(HINSTANCE instance, int iconId, int size, const IconCalls& calls) {
    HICON icon = nullptr;
    // LoadImageW stretches the nearest image, also a smaller one; this call scales a larger one
    // down.
    if (calls.loadIconWithScaleDown && SUCCEEDED(calls.loadIconWithScaleDown(
                                           instance, MAKEINTRESOURCEW(iconId), size, size, &icon)))
        return icon;
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

void Destroy(const WindowIcons& icons) {
    if (icons.large)
        DestroyIcon(icons.large);
    if (icons.small)
        DestroyIcon(icons.small);
}

} // namespace

const IconCalls& SystemIconCalls() {
    static const IconCalls calls = [] {
        IconCalls found;
        // The version-6 common controls the manifest asks for, already loaded at start-up.
        found.loadIconWithScaleDown = platform::LateBound<decltype(found.loadIconWithScaleDown)>(
            platform::late::kLoadIconWithScaleDown);
        return found;
    }();
    return calls;
}

WindowIcons LoadWindowIcons(HINSTANCE instance, int iconId, int dpi, const IconCalls& calls) {
    return {
        LoadIconAtSize(instance, iconId, platform::SystemMetricForDpi(SM_CXICON, dpi), calls),
        LoadIconAtSize(instance, iconId, platform::SystemMetricForDpi(SM_CXSMICON, dpi), calls)};
}

WindowIconsAtDpi::~WindowIconsAtDpi() {
    Destroy(icons_);
}

void WindowIconsAtDpi::SetOn(HWND window, int iconId, int dpi) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    const WindowIcons icons = LoadWindowIcons(instance, iconId, dpi);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.large));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small));
    Destroy(icons_);
    icons_ = icons;
}

void WindowIconsAtDpi::OnMessage(HWND window, int iconId, UINT message, WPARAM wParam) {
    if (message == WM_DPICHANGED)
        SetOn(window, iconId, HIWORD(wParam));
}

} // namespace qennet::ui
