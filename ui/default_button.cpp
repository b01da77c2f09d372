#include "ui/default_button.h"

#include "ui/frmMain_layout.h"

namespace qennet::ui {
namespace {

// What each kind of control sends the window when it receives the focus.
struct FocusNotification {
    ControlKind kind;
    int code;
};
constexpr FocusNotification kFocusNotifications[] = {
    {ControlKind::List, LBN_SETFOCUS},
    {ControlKind::DropDown, CBN_SETFOCUS},
    {ControlKind::TextField, EN_SETFOCUS},
    {ControlKind::PushButton, BN_SETFOCUS},
};

} // namespace

bool IsPushButton(int id) {
    const ControlLayout* layout = LayoutOf(id);
    return layout && layout->kind == ControlKind::PushButton;
}

bool IsFocusNotification(int id, int code) {
    const ControlLayout* layout = LayoutOf(id);
    if (!layout)
        return false;
    for (const FocusNotification& notification : kFocusNotifications) {
        if (layout->kind == notification.kind)
            return code == notification.code;
    }
    return false;
}

void ShowDefaultBorder(HWND window, HWND focused) {
    const int focusId = focused ? GetDlgCtrlID(focused) : 0;
    const int defaultId = IsPushButton(focusId) ? focusId : IDC_PLAY;
    for (const ControlLayout& layout : kLayout) {
        if (layout.kind != ControlKind::PushButton)
            continue;
        HWND button = GetDlgItem(window, layout.id);
        const LONG style = GetWindowLongW(button, GWL_STYLE);
        const LONG type = layout.id == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        // Only the type changes; the other style bits (BS_NOTIFY) stay.
        if (button && (style & BS_TYPEMASK) != type)
            SendMessageW(button, BM_SETSTYLE,
                         static_cast<WPARAM>((style & 0xFFFF & ~BS_TYPEMASK) | type), TRUE);
    }
}

} // namespace qennet::ui
