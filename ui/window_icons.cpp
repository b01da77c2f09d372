#include "ui/window_icons.h"

#include "platform/screen.h"

namespace qennet::ui {
namespace {

// Whether the icon resource holds an image of exactly that size: its RT_GROUP_ICON directory is a
// 6-byte header (the count in bytes 4 and 5), then 14-byte entries, each starting with the
// image's width (0 for 256).
bool HasImageOfSize(HINSTANCE instance, int iconId, int size) {
    HRSRC group = FindResourceW(instance, MAKEINTRESOURCEW(iconId), RT_GROUP_ICON);
    HGLOBAL loaded = group ? LoadResource(instance, group) : nullptr;
    const auto* directory = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD length = directory ? SizeofResource(instance, group) : 0;
    constexpr DWORD kHeader = 6, kEntry = 14;
    const DWORD count = length >= kHeader ? directory[4] | directory[5] << 8 : 0;
    for (DWORD i = 0; i < count && kHeader + kEntry * (i + 1) <= length; ++i) {
        const int width = directory[kHeader + kEntry * i];
        if ((width ? width : 256) == size)
            return true;
    }
    return false;
}

HICON LoadIconAtSize(HINSTANCE instance, int iconId, int size, const IconCalls& calls) {
    HICON icon = nullptr;
    // LoadImageW stretches the nearest image, also a smaller one; this call scales a larger one
    // down.
    if (!HasImageOfSize(instance, iconId, size) &&
        SUCCEEDED(calls.loadIconWithScaleDown(calls.context, instance, MAKEINTRESOURCEW(iconId),
                                              size, size, &icon)))
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

} // namespace qennet::ui
