#include "ui/game_menu.h"

#include "ui/control_ids.h"
#include "ui/list_items.h"

#include <algorithm>

namespace qennet::ui {
namespace {

// The items in their order; 0 is a separator. The first one is the default, shown bold.
struct Item {
    UINT id;
    const wchar_t* text;
    Action action;
};
constexpr Item kItems[] = {
    {1, L"&Play", Action::Play},
    {0, nullptr, Action::Play},
    {2, L"Create &Desktop Shortcut", Action::CreateShortcut},
    {3, L"&Copy Command Line", Action::CopyCommandLine},
};

// Where the keyboard opens the menu: at the selected game's lower left corner.
POINT BelowGame(HWND list, int index) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    POINT at{item.left, item.bottom};
    ClientToScreen(list, &at);
    return at;
}

// The game shown whole, the list scrolled as little as it takes: the keyboard's menu opens at the
// selected game as it is shown.
void ScrollIntoView(HWND list, int index) {
    RECT client{};
    GetClientRect(list, &client);
    const int row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int rows = row > 0 ? std::max(1, static_cast<int>(client.bottom) / row) : 1;
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    if (index < top)
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    else if (index >= top + rows)
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index - rows + 1), 0);
}

} // namespace

UINT TrackMenu(void*, HMENU menu, int x, int y, HWND owner) {
    return static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
}

bool GameMenu::OnContextMenu(HWND window, HWND from, POINT at) {
    HWND list = GetDlgItem(window, IDC_GAMES);
    if (from != list)
        return false;
    const int selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    const bool fromKeyboard = at.x == -1 && at.y == -1;
    const int game = fromKeyboard ? selected : ItemAt(list, at);
    if (game < 0 || !window_.Allows(Action::GameMenu))
        return false;
    if (fromKeyboard) {
        ScrollIntoView(list, game);
        at = BelowGame(list, game);
    } else if (game != selected) { // selected first, through the same handler as a click
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(game), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_GAMES, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return false;
    for (const Item& item : kItems)
        AppendMenuW(menu, item.id ? MF_STRING : MF_SEPARATOR, item.id, item.text);
    SetMenuDefaultItem(menu, kItems[0].id, FALSE);
    UINT chosen = 0;
    {
        const ActionGate::OwnDialog open(gate_);
        chosen = calls_.track(calls_.context, menu, at.x, at.y, window);
    }
    DestroyMenu(menu);
    for (const Item& item : kItems) {
        if (item.id && item.id == chosen)
            window_.Perform(item.action);
    }
    return true;
}

} // namespace qennet::ui
