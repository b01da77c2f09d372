#include "ui/focus_keeper.h"

#include "ui/default_button.h"
#include "ui/window_messages.h"

namespace qennet::ui {

void FocusKeeper::Focused(HWND window, int id) {
    focused_ = GetDlgItem(window, id);
    PostMessageW(window, kShowDefaultButton, 0, 0);
}

void FocusKeeper::ShowDefaultBorder(HWND window) const {
    qennet::ui::ShowDefaultBorder(window, focused_);
}

void FocusKeeper::Restore(HWND first) const {
    if (focused_ && IsWindow(focused_) && IsWindowEnabled(focused_))
        SetFocus(focused_);
    else
        SetFocus(first);
}

} // namespace qennet::ui
