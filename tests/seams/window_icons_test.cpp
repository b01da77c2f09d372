// The window's icons are the icon's own images at the sizes the system shows, not the large
// image shrunk for the caption.
#include "ui/control_ids.h"
#include "ui/window_icons.h"

#include <gtest/gtest.h>

namespace {

int IconWidth(HICON icon) {
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) {
        DeleteObject(info.hbmColor);
    }
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(WindowIcons, CaptionAndTaskBarGetImagesOfTheirOwnSize) {
    const qennet::ui::WindowIcons icons =
        qennet::ui::LoadWindowIcons(GetModuleHandleW(nullptr), IDI_QENNET);
    EXPECT_EQ(IconWidth(icons.small), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(IconWidth(icons.large), GetSystemMetrics(SM_CXICON));
    EXPECT_NE(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CXICON));
    DestroyIcon(icons.small);
    DestroyIcon(icons.large);
}

} // namespace
