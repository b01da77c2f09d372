#pragma once
// A game title cut off by the game list's edge is shown whole in a tooltip over it while the
// pointer rests on it, as Explorer shows a cut name. The tooltip is made when the pointer first
// comes over a cut title, not at start-up.
#include "ui/form_layout.h"

#include <windows.h>

#include <string>

namespace qennet::ui {

// The list's item text when the list shows it cut off (wider than the item's room), else empty.
std::wstring CutTextOf(HWND list, int index);

class TitleTips {
  public:
    explicit TitleTips(FormLayout& layout) : layout_(layout) {}

    // The pointer is over a control (WM_SETCURSOR): over the game list, the tooltip is made for
    // the first cut title and asked again for each game it comes over.
    void PointerOver(HWND window, HWND control);
    // A notification (WM_NOTIFY); the tooltip's own are answered (its text, where to show it),
    // any other gets the default 0.
    LRESULT OnNotify(HWND window, NMHDR* header);

  private:
    void Make(HWND window, HWND list);

    FormLayout& layout_;
    HWND tips_ = nullptr;
    int under_ = -1;    // the game under the pointer
    std::wstring text_; // the tip's text while it is asked for
};

} // namespace qennet::ui
