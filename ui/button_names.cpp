#include "ui/button_names.h"

#include "platform/accessible_name.h"
#include "ui/control_ids.h"

#include <commctrl.h>

namespace qennet::ui {
namespace {

struct NamedControl {
    int id;
    const wchar_t* name;
    bool tip; // shown in the tooltip too: the "..." buttons, whose caption says nothing
};
constexpr NamedControl kNamedControls[] = {
    {IDC_GAMES, L"Games", false}, // no label comes before it, so it would be announced as "list"
    {IDC_CONFIG_RENDERER, L"Renderer settings", true},
    {IDC_CONFIG_CONTROLLER, L"Controller settings", true},
    {IDC_CONFIG_ROMS, L"Browse for the ROM folder", true},
};

const NamedControl* NamedControlOf(int id) {
    for (const NamedControl& control : kNamedControls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

constexpr wchar_t kOriginalProcedure[] = L"QennetButtonProcedure";
constexpr wchar_t kNamed[] = L"QennetButtonNamed";
// The naming call and its context.
constexpr wchar_t kNameCall[] = L"QennetButtonNameCall";
constexpr wchar_t kNameContext[] = L"QennetButtonNameContext";

// A named button's own procedure runs as before; an assistive technology's first WM_GETOBJECT
// gives the button its name before the system makes the button's accessible object.
LRESULT CALLBACK NamedButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(button, kOriginalProcedure));
    if (message == WM_GETOBJECT && !GetPropW(button, kNamed)) {
        SetPropW(button, kNamed, reinterpret_cast<HANDLE>(1));
        if (const auto giveName =
                reinterpret_cast<NamingCalls::NameFn>(GetPropW(button, kNameCall)))
            giveName(GetPropW(button, kNameContext), button,
                     NamedControlOf(GetDlgCtrlID(button))->name);
    } else if (message == WM_NCDESTROY) {
        if (GetPropW(button, kNamed))
            platform::ClearAccessibleName(button);
        RemovePropW(button, kNamed);
        RemovePropW(button, kNameCall);
        RemovePropW(button, kNameContext);
        RemovePropW(button, kOriginalProcedure);
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }
    return CallWindowProcW(original, button, message, wParam, lParam);
}

} // namespace

const wchar_t* ButtonName(int id) {
    const NamedControl* control = NamedControlOf(id);
    return control && control->tip ? control->name : nullptr;
}

void NameControlsForScreenReaders(HWND window, const NamingCalls& calls) {
    for (const NamedControl& named : kNamedControls) {
        HWND button = GetDlgItem(window, named.id);
        if (!button || !SetPropW(button, kNameCall, reinterpret_cast<HANDLE>(calls.name)))
            continue;
        SetPropW(button, kNameContext, calls.context); // the system's has none: nullptr
        const LONG_PTR original = GetWindowLongPtrW(button, GWLP_WNDPROC);
        if (SetPropW(button, kOriginalProcedure, reinterpret_cast<HANDLE>(original)))
            SetWindowLongPtrW(button, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(NamedButtonProcedure));
    }
}

HWND CreateButtonTips(HWND window) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    HWND tips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    if (!tips)
        return nullptr;
    for (const NamedControl& named : kNamedControls) {
        if (!named.tip)
            continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window, named.id));
        tool.lpszText = const_cast<wchar_t*>(named.name);
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tips;
}

void ButtonTips::PointerOver(HWND window, HWND control) {
    if (made_ || !ButtonName(GetDlgCtrlID(control)))
        return;
    made_ = true;
    if (HWND tips = CreateButtonTips(window)) // owned by the window, and destroyed with it
        layout_.ShareFont(tips);
}

} // namespace qennet::ui
