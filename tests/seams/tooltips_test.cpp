// A switch of the contrast theme reaches every tooltip the window owns (the buttons', the cut
// titles', the ROM field's balloon), and no other window's.
#include "ui/tooltips.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK Counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR seen) {
    if (message == WM_SYSCOLORCHANGE)
        ++*reinterpret_cast<int*>(seen);
    return DefSubclassProc(window, message, wParam, lParam);
}

HWND TooltipOf(HWND owner, int& seen) {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, owner,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(tip, Counting, 1, reinterpret_cast<DWORD_PTR>(&seen));
    return tip;
}

TEST(Tooltips, TheThemeSwitchReachesEveryTooltipOfTheWindow) {
    const auto window = [] {
        return CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    };
    HWND launcher = window(), other = window();
    int seen[3] = {};
    TooltipOf(launcher, seen[0]);
    TooltipOf(launcher, seen[1]);
    TooltipOf(other, seen[2]);
    qennet::ui::ForwardToTooltips(launcher, WM_SYSCOLORCHANGE);
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[1], 1);
    EXPECT_EQ(seen[2], 0);
    DestroyWindow(launcher); // and the tooltips it owns
    DestroyWindow(other);
}

} // namespace
