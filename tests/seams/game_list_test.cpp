// The game list's menu and its tooltip for cut titles, on a window of this thread: the menu opens
// on a game under the pointer (selected first) or, from the keyboard, on the selected game, and
// never below the last game or with none selected; a title is shown whole only where it is cut.
#include "ui/control_ids.h"
#include "ui/game_menu.h"
#include "ui/title_tips.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using qennet::ui::Action;

struct Window {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 300,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 120,
                                200, window, reinterpret_cast<HMENU>(IDC_GAMES),
                                GetModuleHandleW(nullptr), nullptr);
    ~Window() { DestroyWindow(window); }
    void Add(const wchar_t* title) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
    }
};

TEST(GameList, TheMenuOpensOnAGameOnly) {
    Window shown;
    for (const wchar_t* title : {L"One", L"Two", L"Three"})
        shown.Add(title);
    const int row = static_cast<int>(SendMessageW(shown.list, LB_GETITEMHEIGHT, 0, 0));
    qennet::ui::ActionGate gate;
    std::vector<Action> asked;
    qennet::ui::GameMenu menu(gate, [&](Action action) {
        asked.push_back(action);
        return true;
    });
    const POINT keyboard = {-1, -1};
    const struct {
        const char* what;
        int selected;
        POINT at; // in the list, or the keyboard's
        bool opens;
        int selectedAfter;
    } cases[] = {
        {"below the last game", 0, {10, 4 * row}, false, 0},
        {"the Menu key with none selected", -1, keyboard, false, -1},
        {"on the second game", 0, {10, row + row / 2}, true, 1},
        {"the Menu key", 2, keyboard, true, 2},
    };
    SetFocus(shown.list);
    for (const auto& c : cases) {
        SendMessageW(shown.list, LB_SETCURSEL, static_cast<WPARAM>(c.selected), 0);
        asked.clear();
        // Closes a menu the call below opens; taken away again where none opened.
        PostMessageW(shown.list, WM_KEYDOWN, VK_ESCAPE, 0);
        POINT at = c.at;
        if (at.x != -1)
            ClientToScreen(shown.list, &at);
        menu.OnMessage(shown.window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(shown.list),
                       MAKELPARAM(at.x, at.y));
        EXPECT_EQ(asked, c.opens ? std::vector<Action>{Action::GameMenu} : std::vector<Action>{})
            << c.what;
        EXPECT_EQ(SendMessageW(shown.list, LB_GETCURSEL, 0, 0), c.selectedAfter) << c.what;
        MSG left;
        while (PeekMessageW(&left, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        }
    }
}

TEST(GameList, OnlyACutTitleIsShownWhole) {
    Window shown;
    shown.Add(L"SF");
    shown.Add(L"Susume! Taisen Puzzle-Dama (JP) Ver. 1.20, longer than the list is wide");
    EXPECT_EQ(qennet::ui::CutTextOf(shown.list, 0), L"");
    EXPECT_EQ(qennet::ui::CutTextOf(shown.list, 1),
              L"Susume! Taisen Puzzle-Dama (JP) Ver. 1.20, longer than the list is wide");
}

} // namespace
