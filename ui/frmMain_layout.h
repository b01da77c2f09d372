#pragma once
// The main window's controls at 96 DPI, in z-order: each label comes right before the field it
// names (screen readers announce a field by the label before it), and the fields in tab order.
#include "ui/control_ids.h"

#include <windows.h>

namespace qennet::ui {

constexpr int kClientWidth = 441;
constexpr int kClientHeight = 209;

struct ControlLayout {
    int id;
    const wchar_t* windowClass;
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
    {IDC_GAMES, L"LISTBOX", L"",
     kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 16, 16,
     233, 177},
    {IDC_RENDERER_LABEL, L"STATIC", L"Renderer", kLabel, 0, 264, 16, 137, 19},
    {IDC_RENDERER, L"COMBOBOX", L"", kDropDownList, 0, 264, 32, 137, 21},
    {IDC_CONFIG_RENDERER, L"BUTTON", L"...", kButton, 0, 408, 32, 17, 19},
    {IDC_CONTROLLER_LABEL, L"STATIC", L"Controller Config File", kLabel, 0, 264, 64, 137, 19},
    {IDC_CONTROLLER, L"COMBOBOX", L"", kDropDownList, 0, 264, 80, 137, 21},
    {IDC_CONFIG_CONTROLLER, L"BUTTON", L"...", kButton, 0, 408, 80, 17, 19},
    {IDC_ROMS_LABEL, L"STATIC", L"Roms Directory", kLabel, 0, 264, 112, 137, 19},
    {IDC_ROMS, L"EDIT", L"", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 264, 128, 137,
     19},
    {IDC_CONFIG_ROMS, L"BUTTON", L"...", kButton, 0, 408, 128, 17, 19},
    {IDC_PLAY, L"BUTTON", L"Play", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_NOTIFY, 0, 264, 168,
     73, 25},
    {IDC_QUIT, L"BUTTON", L"Quit", kButton, 0, 352, 168, 73, 25},
};

// A drop-down list's height in the table is its closed field; its list opens this much below.
constexpr int kDropDownListHeight = 160;

} // namespace qennet::ui
