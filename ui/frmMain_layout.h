#pragma once
// The main window's controls: each place of the design (core/form_design.h) with the control made
// there, in the design's order (z-order, tab order).
#include "core/form_design.h"
#include "ui/control_ids.h"

#include <windows.h>

namespace qennet::ui {

// The kinds of control the window is made of, by their name prefixes: lst, cmb, cmd, txt and lbl.
enum class ControlKind { List, DropDown, PushButton, TextField, Label };

// The system window class each kind is made from.
constexpr const wchar_t* WindowClassOf(ControlKind kind) {
    constexpr const wchar_t* kClasses[] = {L"LISTBOX", L"COMBOBOX", L"BUTTON", L"EDIT", L"STATIC"};
    return kClasses[static_cast<int>(kind)];
}

struct ControlLayout {
    FormPlace place;
    int id;
    ControlKind kind;
    const wchar_t* caption;
    DWORD style;
    DWORD extendedStyle;
    // Where the design puts it at 96 DPI.
    constexpr const Box& design() const { return DesignOf(place); }
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT | SS_NOPREFIX;
constexpr DWORD kDropDownList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
// BS_NOTIFY: a button tells the window when it gets the focus, so the default border can follow.
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;

// LBS_WANTKEYBOARDINPUT: the game list asks the window what a typed character selects.
constexpr DWORD kGameList =
    kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT;

constexpr ControlLayout kLayout[] = {
    {FormPlace::Games, IDC_GAMES, ControlKind::List, L"", kGameList, WS_EX_CLIENTEDGE},
    {FormPlace::RendererLabel, IDC_RENDERER_LABEL, ControlKind::Label, L"Renderer", kLabel, 0},
    {FormPlace::Renderer, IDC_RENDERER, ControlKind::DropDown, L"", kDropDownList, 0},
    {FormPlace::ConfigRenderer, IDC_CONFIG_RENDERER, ControlKind::PushButton, L"...", kButton, 0},
    {FormPlace::ControllerLabel, IDC_CONTROLLER_LABEL, ControlKind::Label,
     L"Controller Config File", kLabel, 0},
    {FormPlace::Controller, IDC_CONTROLLER, ControlKind::DropDown, L"", kDropDownList, 0},
    {FormPlace::ConfigController, IDC_CONFIG_CONTROLLER, ControlKind::PushButton, L"...", kButton,
     0},
    {FormPlace::RomsLabel, IDC_ROMS_LABEL, ControlKind::Label, L"Roms Directory", kLabel, 0},
    {FormPlace::Roms, IDC_ROMS, ControlKind::TextField, L"", kChild | WS_TABSTOP | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE},
    {FormPlace::ConfigRoms, IDC_CONFIG_ROMS, ControlKind::PushButton, L"...", kButton, 0},
    {FormPlace::Play, IDC_PLAY, ControlKind::PushButton, L"Play",
     kChild | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_NOTIFY, 0},
    {FormPlace::Quit, IDC_QUIT, ControlKind::PushButton, L"Quit", kButton, 0},
};

// Every place has its control, in the design's order.
constexpr bool InDesignOrder() {
    if (sizeof kLayout / sizeof kLayout[0] != kFormPlaceCount)
        return false;
    for (std::size_t i = 0; i < kFormPlaceCount; ++i) {
        if (static_cast<std::size_t>(kLayout[i].place) != i)
            return false;
    }
    return true;
}
static_assert(InDesignOrder(), "the control table follows the design's places");

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
