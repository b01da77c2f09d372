#include "ui/window_icons.h"

namespace qennet::ui {
namespace {

HICON LoadIconAtSize(HINSTANCE instance, int iconId, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

} // namespace

WindowIcons LoadWindowIcons(HINSTANCE instance, int iconId) {
    return {LoadIconAtSize(instance, iconId, SM_CXICON, SM_CYICON),
            LoadIconAtSize(instance, iconId, SM_CXSMICON, SM_CYSMICON)};
}

} // namespace qennet::ui
