#include "ui/field_balloon.h"

#include "platform/screen.h"

#include <commctrl.h>

namespace qennet::ui {
namespace {

constexpr UINT_PTR kHideTimer = 0x51; // on the tooltip, apart from the tooltip's own timers
constexpr int kWidestText = 320;      // at 96 DPI: the balloon's text is wrapped there

TTTOOLINFOW ToolOf(HWND tip) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
    return tool;
}

void Hide(HWND tip) {
    KillTimer(tip, kHideTimer);
    TTTOOLINFOW tool = ToolOf(tip);
    SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void CALLBACK HideWhenDue(HWND tip, UINT, UINT_PTR, DWORD) {
    Hide(tip);
}

bool IsClickOrKey(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

bool FieldBalloon::Made(HWND field) {
    if (tip_ && field_ == field)
        return true;
    HWND window = GetParent(field);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance,
                           nullptr);
    if (!tip_)
        return false;
    field_ = field;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

void FieldBalloon::Show(HWND field, const std::wstring& title, const std::wstring& text) {
    EDITBALLOONTIP balloon{};
    balloon.cbStruct = sizeof balloon;
    balloon.pszTitle = title.c_str();
    balloon.pszText = text.c_str();
    balloon.ttiIcon = TTI_WARNING;
    if (SendMessageW(field, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&balloon)))
        return;
    if (!Made(field))
        return;
    TTTOOLINFOW tool = ToolOf(tip_);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(title.c_str()));
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0,
                 MulDiv(kWidestText, platform::WindowDpi(GetParent(field)), 96));
    // The stem points into the field, a little in from its left edge, as the edit control's does.
    RECT at{};
    GetWindowRect(field, &at);
    const int inset = (at.bottom - at.top) / 2;
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.left + inset, at.bottom - inset / 2));
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(tip_, kHideTimer, kShownMs, HideWhenDue);
    shownAt_ = GetTickCount();
    shown_ = true;
}

void FieldBalloon::SeesInput(const MSG& message) {
    if (!shown_ || !IsClickOrKey(message.message) ||
        static_cast<LONG>(message.time - shownAt_) < static_cast<LONG>(GetDoubleClickTime()))
        return;
    shown_ = false;
    Hide(tip_);
}

} // namespace qennet::ui
