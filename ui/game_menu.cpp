#include "ui/game_menu.h"

#include "ui/control_ids.h"
#include "ui/list_items.h"

#include <windowsx.h>

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

} // namespace

std::optional<LRESULT> GameMenu::OnMessage(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message != WM_CONTEXTMENU)
        return std::nullopt;
    HWND list = GetDlgItem(window, IDC_GAMES);
    if (reinterpret_cast<HWND>(wParam) != list)
        return std::nullopt;
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    const bool fromKeyboard = at.x == -1 && at.y == -1;
    const int game = fromKeyboard ? selected : ItemAt(list, at);
    // No menu: the message goes on, as one a window does not answer.
    if (game < 0 || !perform_(Action::GameMenu))
        return std::nullopt;
    if (fromKeyboard) {
        // At the selected game as it is shown: one scrolled out of view is scrolled back first.
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(game), 0);
        at = BelowGame(list, game);
    } else if (game != selected) { // selected first, through the same handler as a click
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(game), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_GAMES, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return 0;
    for (const Item& item : kItems)
        AppendMenuW(menu, item.id ? MF_STRING : MF_SEPARATOR, item.id, item.text);
    SetMenuDefaultItem(menu, kItems[0].id, FALSE);
    UINT chosen = 0;
    {
        const ActionGate::OwnDialog open(gate_);
        chosen = static_cast<UINT>(
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr));
    }
    DestroyMenu(menu);
    for (const Item& item : kItems) {
        if (item.id && item.id == chosen)
            perform_(item.action);
    }
    return 0;
}

} // namespace qennet::ui
