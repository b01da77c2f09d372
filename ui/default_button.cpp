#include "ui/default_button.h"

#include "ui/frmMain_layout.h"

#include <string_view>

namespace qennet::ui {
namespace {

// What each kind of control sends the window when it receives the focus.
struct FocusNotification {
    const wchar_t* windowClass;
    int code;
};
constexpr FocusNotification kFocusNotifications[] = {
    {L"LISTBOX", LBN_SETFOCUS},
    {L"COMBOBOX", CBN_SETFOCUS},
    {L"EDIT", EN_SETFOCUS},
    {L"BUTTON", BN_SETFOCUS},
};

const ControlLayout* LayoutOf(int id) {
    for (const ControlLayout& layout : kLayout) {
        if (layout.id == id)
            return &layout;
    }
    return nullptr;
}

bool IsButtonClass(const ControlLayout& layout) {
    return layout.windowClass == std::wstring_view(L"BUTTON");
}

} // namespace

bool IsPushButton(int id) {
    const ControlLayout* layout = LayoutOf(id);
    return layout && IsButtonClass(*layout);
}

bool IsFocusNotification(int id, int code) {
    const ControlLayout* layout = LayoutOf(id);
    if (!layout)
        return false;
    for (const FocusNotification& notification : kFocusNotifications) {
        if (layout->windowClass == std::wstring_view(notification.windowClass))
            return code == notification.code;
    }
    return false;
}

void ShowDefaultBorder(HWND window, HWND focused) {
    const int focusId = focused ? GetDlgCtrlID(focused) : 0;
    const int defaultId = IsPushButton(focusId) ? focusId : IDC_PLAY;
    for (const ControlLayout& layout : kLayout) {
        if (!IsButtonClass(layout))
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
