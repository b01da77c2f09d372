#include "bench/window_contents.h"

#include <cwchar>

namespace qennet::bench {
namespace {

constexpr UINT kAnswerMs = 5000;

LRESULT Ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &answer))
        return -1;
    return static_cast<LRESULT>(answer);
}

// A list's entries, each read into this process by the list itself (the system copies the text
// across for the standard controls).
std::wstring Entries(HWND list, UINT count, UINT length, UINT text, UINT selection) {
    std::wstring entries;
    const LRESULT total = Ask(list, count);
    for (LRESULT i = 0; i < total; ++i) {
        std::wstring entry(static_cast<size_t>(Ask(list, length, i) + 1), L'\0');
        Ask(list, text, i, reinterpret_cast<LPARAM>(entry.data()));
        entries += L" [" + std::wstring(entry.c_str()) + L"]";
    }
    return entries + L" selected " + std::to_wstring(Ask(list, selection));
}

} // namespace

std::vector<std::wstring> DescribeControls(HWND window) {
    std::vector<std::wstring> lines;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        wchar_t head[192];
        std::swprintf(head, 192, L"%ls id %d style %08lx at %ld,%ld size %ldx%ld:", className,
                      GetDlgCtrlID(child),
                      static_cast<unsigned long>(GetWindowLongW(child, GWL_STYLE)), rect.left,
                      rect.top, rect.right - rect.left, rect.bottom - rect.top);
        std::wstring line = head;
        if (_wcsicmp(className, L"ListBox") == 0) {
            line += Entries(child, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL);
        } else if (_wcsicmp(className, L"ComboBox") == 0) {
            line += Entries(child, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL);
        } else {
            wchar_t text[256] = {};
            Ask(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
            line += L" [" + std::wstring(text) + L"]";
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace qennet::bench
