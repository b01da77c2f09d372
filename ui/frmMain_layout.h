#pragma once
// The main window's controls at 96 DPI, in z-order: each label comes right before the field it
// names (screen readers announce a field by the label before it), and the fields in tab order.
#include "ui/control_ids.h"

#include <windows.h>

namespace qennet::ui {

constexpr int kClientWidth = 441;
constexpr int kClientHeight = 209;

// The kinds of control the window is made of, by their name prefixes: lst, cmb, cmd, txt and lbl.
enum class ControlKind { List, DropDown, PushButton, TextField, Label };

// The system window class each kind is made from.
constexpr const wchar_t* WindowClassOf(ControlKind kind) {
    constexpr const wchar_t* kClasses[] = {L"LISTBOX", L"COMBOBOX", L"BUTTON", L"EDIT", L"STATIC"};
    return kClasses[static_cast<int>(kind)];
}

struct ControlLayout {
    int id;
    ControlKind kind;
    const wchar_t* caption;
    DWORD style;
    DWORD extendedStyle;
    int left, top, width, height;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kDropDownList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
// BS_NOTIFY: a button tells the window when it gets the focus, so the default border can follow.
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;

constexpr ControlLayout kLayout[] = {
    {IDC_GAMES, ControlKind::List, L"",
     kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 16, 16,
     233, 177},
    {IDC_RENDERER_LABEL, ControlKind::Label, L"Renderer", kLabel, 0, 264, 16, 137, 19},
    {IDC_RENDERER, ControlKind::DropDown, L"", kDropDownList, 0, 264, 32, 137, 21},
    {IDC_CONFIG_RENDERER, ControlKind::PushButton, L"...", kButton, 0, 408, 32, 17, 19},
    {IDC_CONTROLLER_LABEL, ControlKind::Label, L"Controller Config File", kLabel, 0, 264, 64, 137,
     19},
    {IDC_CONTROLLER, ControlKind::DropDown, L"", kDropDownList, 0, 264, 80, 137, 21},
    {IDC_CONFIG_CONTROLLER, ControlKind::PushButton, L"...", kButton, 0, 408, 80, 17, 19},
    {IDC_ROMS_LABEL, ControlKind::Label, L"Roms Directory", kLabel, 0, 264, 112, 137, 19},
    {IDC_ROMS, ControlKind::TextField, L"", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
     264, 128, 137, 19},
    {IDC_CONFIG_ROMS, ControlKind::PushButton, L"...", kButton, 0, 408, 128, 17, 19},
    {IDC_PLAY, ControlKind::PushButton, L"Play", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_NOTIFY,
     0, 264, 168, 73, 25},
    {IDC_QUIT, ControlKind::PushButton, L"Quit", kButton, 0, 352, 168, 73, 25},
};

// A drop-down list's height in the table is its closed field; its list opens this much below.
constexpr int kDropDownListHeight = 160;

// The table's row for a control, or nullptr.
constexpr const ControlLayout* LayoutOf(int id) {
    for (const ControlLayout& layout : kLayout) {
        if (layout.id == id)
            return &layout;
    }
    return nullptr;
}

} // namespace qennet::ui
