#include "ui/title_tips.h"

#include "platform/screen.h"
#include "ui/control_ids.h"
#include "ui/list_items.h"

#include <commctrl.h>

#include <algorithm>

namespace qennet::ui {
namespace {

// The list draws an item's text this far in from its left edge.
constexpr int kTextInset = 2;

int GameUnderPointer(HWND list) {
    POINT at{};
    GetCursorPos(&at);
    return ItemAt(list, at);
}

} // namespace

std::wstring CutTextOf(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    RECT item{};
    if (length == LB_ERR || SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                                         reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                                 reinterpret_cast<LPARAM>(text.data()))));
    const platform::TextMeasure measure(
        reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    const bool cut = measure.Extent(text).cx > item.right - item.left - kTextInset;
    return cut ? text : std::wstring();
}

void TitleTips::Make(HWND window, HWND list) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    if (!tips_)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    layout_.ShareFont(tips_); // owned by the window, and destroyed with it
}

void TitleTips::PointerOver(HWND window, HWND control) {
    HWND list = GetDlgItem(window, IDC_GAMES);
    if (control != list)
        return;
    const int under = GameUnderPointer(list);
    // Made for the first cut title the pointer comes over, not for the list under a window that
    // opens beneath the pointer.
    if (!tips_ && under >= 0 && !CutTextOf(list, under).empty())
        Make(window, list);
    if (under != under_ && tips_) {
        under_ = under;
        SendMessageW(tips_, TTM_POP, 0, 0); // asked again for the game now under the pointer
    }
}

LRESULT TitleTips::OnNotify(HWND window, NMHDR* header) {
    if (!tips_ || header->hwndFrom != tips_)
        return 0;
    HWND list = GetDlgItem(window, IDC_GAMES);
    if (header->code == TTN_GETDISPINFOW) {
        text_ = under_ >= 0 ? CutTextOf(list, under_) : std::wstring();
        reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = text_.data();
        return 0;
    }
    if (header->code != TTN_SHOW || under_ < 0)
        return 0;
    // Right over the cut title, kept on its monitor where the title ends near its right edge.
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(under_),
                 reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
    item.left += kTextInset;
    SendMessageW(tips_, TTM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&item));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    const int width =
        LOWORD(SendMessageW(tips_, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool)));
    const RECT work = platform::WorkAreaOf(list);
    const int x = std::max<int>(work.left, std::min<int>(item.left, work.right - width));
    SetWindowPos(tips_, nullptr, x, item.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

} // namespace qennet::ui
