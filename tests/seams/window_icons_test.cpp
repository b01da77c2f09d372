// The window's icons are the icon's own images at the sizes the system shows at the window's DPI,
// not another image stretched or shrunk.
#include "ui/control_ids.h"
#include "ui/window_icons.h"

#include <gtest/gtest.h>

#include <vector>

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

struct IconImage {
    int width = 0;
    bool png = false;
};

// The image of the program's icon that Windows picks for that size, as it is stored.
IconImage StoredImageFor(int size) {
    const HMODULE self = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(self, MAKEINTRESOURCEW(IDI_QENNET), RT_GROUP_ICON);
    const auto directory = static_cast<PBYTE>(LockResource(LoadResource(self, group)));
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceW(self, MAKEINTRESOURCEW(id), RT_ICON);
    if (!image)
        return {};
    const auto bytes = static_cast<const BYTE*>(LockResource(LoadResource(self, image)));
    if (memcmp(bytes, "\x89PNG", 4) == 0) // the width is the first field of its header chunk
        return {bytes[16] << 24 | bytes[17] << 16 | bytes[18] << 8 | bytes[19], true};
    return {reinterpret_cast<const BITMAPINFOHEADER*>(bytes)->biWidth, false};
}

TEST(WindowIcons, EachScaleGetsImagesOfItsOwnSize) {
    LoadLibraryW(L"comctl32.dll"); // loaded at start-up in the launcher
    const struct {
        int dpi, large, small;
    } kScales[] = {{96, 32, 16}, {120, 40, 20}, {144, 48, 24}};
    // Windows XP has no scale-down call.
    const qennet::ui::IconCalls system,
        withoutScaleDown{nullptr,
                         [](void*, HINSTANCE, PCWSTR, int, int, HICON*) { return E_NOTIMPL; }};
    for (const auto& scale : kScales) {
        for (const qennet::ui::IconCalls* calls : {&system, &withoutScaleDown}) {
            const qennet::ui::WindowIcons icons = qennet::ui::LoadWindowIcons(
                GetModuleHandleW(nullptr), IDI_QENNET, scale.dpi, *calls);
            EXPECT_EQ(IconWidth(icons.large), scale.large) << scale.dpi;
            EXPECT_EQ(IconWidth(icons.small), scale.small) << scale.dpi;
            DestroyIcon(icons.small);
            DestroyIcon(icons.large);
        }
        // The icon has those sizes of its own: nothing is stretched up from a smaller one.
        EXPECT_EQ(StoredImageFor(scale.large).width, scale.large);
        EXPECT_EQ(StoredImageFor(scale.small).width, scale.small);
    }
    // Windows XP reads only bitmaps, at the sizes it shows.
    for (int size : {16, 20, 24, 32, 48}) {
        EXPECT_EQ(StoredImageFor(size).width, size);
        EXPECT_FALSE(StoredImageFor(size).png) << size;
    }
    EXPECT_EQ(StoredImageFor(256).width, 256);
}

// At 175 % and 200 % the icon lacks sizes shown (28, 56, 64): they are scaled down from a larger
// image by the system's call, which at 100 % is not even asked for.
// Each size asked for, negative where the system's call failed.
HRESULT RecordScaleDown(void* context, HINSTANCE instance, PCWSTR name, int size, int,
                        HICON* icon) {
    const HRESULT result =
        qennet::ui::IconCalls{}.loadIconWithScaleDown(nullptr, instance, name, size, size, icon);
    static_cast<std::vector<int>*>(context)->push_back(SUCCEEDED(result) ? size : -size);
    return result;
}

TEST(WindowIcons, SizesTheIconLacksAreScaledDownFromALargerImage) {
    const struct {
        int dpi, large, small;
        std::vector<int> scaledDown;
    } kScales[] = {{96, 32, 16, {}}, {168, 56, 28, {56, 28}}, {192, 64, 32, {64}}};
    for (const auto& scale : kScales) {
        std::vector<int> scaledDown;
        const qennet::ui::WindowIcons icons = qennet::ui::LoadWindowIcons(
            GetModuleHandleW(nullptr), IDI_QENNET, scale.dpi, {&scaledDown, RecordScaleDown});
        EXPECT_EQ(IconWidth(icons.large), scale.large) << scale.dpi;
        EXPECT_EQ(IconWidth(icons.small), scale.small) << scale.dpi;
        EXPECT_EQ(scaledDown, scale.scaledDown) << scale.dpi;
        DestroyIcon(icons.small);
        DestroyIcon(icons.large);
    }
}

} // namespace

namespace {

// Moved to a monitor of another DPI, the window shows icons made for it.
TEST(WindowIcons, ADpiChangeSetsIconsOfTheNewSize) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        qennet::ui::WindowIconsAtDpi icons;
        icons.SetOn(window, IDI_QENNET, 144);
        const auto shown = [&](WPARAM which) {
            return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
        };
        EXPECT_EQ(IconWidth(shown(ICON_BIG)), 48);
        EXPECT_EQ(IconWidth(shown(ICON_SMALL)), 24);
        icons.SetOn(window, IDI_QENNET, 120);
        EXPECT_EQ(IconWidth(shown(ICON_BIG)), 40);
        EXPECT_EQ(IconWidth(shown(ICON_SMALL)), 20);
        DestroyWindow(window);
    }
}

} // namespace
