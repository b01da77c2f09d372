// The game list's menu and its tooltip for cut titles, on a window of this thread: the menu opens
// on a game under the pointer (selected first) or, from the keyboard, on the selected game, and
// never below the last game or with none selected; a title is shown whole only where it is cut.
#include "tests/seams/actions_double.h"
#include "ui/control_ids.h"
#include "core/catalogue.h"
#include "platform/text.h"
#include "ui/game_list_search.h"
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

// What the menu's stand-in saw: whether it was shown, where, and whether the gate was held.
struct MenuShown {
    const qennet::ui::ActionGate& gate;
    HWND window;
    bool shown = false, gateHeld = false;
    POINT at{};
};

TEST(GameList, TheMenuOpensOnAGameOnlyWhereTheGateLetsItAndHoldsTheGate) {
    Window shown;
    for (const wchar_t* title : {L"One", L"Two", L"Three"})
        shown.Add(title);
    const int row = static_cast<int>(SendMessageW(shown.list, LB_GETITEMHEIGHT, 0, 0));
    qennet::ui::ActionGate gate;
    seams::ActionsDouble actions;
    MenuShown menuShown{gate, shown.window};
    qennet::ui::GameMenuCalls calls;
    calls.context = &menuShown;
    calls.track = [](void* context, HMENU, int x, int y, HWND) -> UINT {
        auto& seen = *static_cast<MenuShown*>(context);
        seen.shown = true;
        seen.gateHeld = !seen.gate.Lets(seen.window, Action::Play);
        seen.at = {x, y};
        return 1; // Play
    };
    qennet::ui::GameMenu menu(actions, gate, calls);
    const POINT keyboard = {-1, -1};
    const struct {
        const char* what;
        int selected;
        POINT at; // in the list, or the keyboard's
        bool lets, opens;
        int selectedAfter;
    } cases[] = {
        {"below the last game", 0, {10, 4 * row}, true, false, 0},
        {"the Menu key with none selected", -1, keyboard, true, false, -1},
        {"the gate refusing", 0, {10, row + row / 2}, false, false, 0},
        {"on the second game", 0, {10, row + row / 2}, true, true, 1},
        {"the Menu key", 2, keyboard, true, true, 2},
        {"the Menu key on a game scrolled out of view", 40, keyboard, true, true, 40},
    };
    for (const auto& c : cases) {
        if (c.selected == 40) {
            for (int more = 0; more < 40; ++more)
                shown.Add(L"More");
            SendMessageW(shown.list, LB_SETCURSEL, 40, 0);
            SendMessageW(shown.list, LB_SETTOPINDEX, 0, 0);
        }
        SendMessageW(shown.list, LB_SETCURSEL, static_cast<WPARAM>(c.selected), 0);
        SendMessageW(shown.list, LB_SETTOPINDEX, 0, 0);
        actions = {};
        actions.lets = c.lets;
        menuShown.shown = menuShown.gateHeld = false;
        POINT at = c.at;
        if (at.x != -1)
            ClientToScreen(shown.list, &at);
        EXPECT_EQ(menu.OnContextMenu(shown.window, shown.list, at), c.opens) << c.what;
        EXPECT_EQ(menuShown.shown, c.opens) << c.what;
        EXPECT_EQ(menuShown.gateHeld, c.opens) << c.what << ": the gate not held while it is open";
        EXPECT_EQ(actions.performed,
                  c.opens ? std::vector<Action>{Action::Play} : std::vector<Action>{})
            << c.what;
        EXPECT_EQ(SendMessageW(shown.list, LB_GETCURSEL, 0, 0), c.selectedAfter) << c.what;
        RECT list{}; // the menu opens at the game's lower left corner, which may be the list's
        GetWindowRect(shown.list, &list);
        EXPECT_TRUE(!c.opens || (menuShown.at.y > list.top && menuShown.at.y <= list.bottom))
            << c.what << ": shown off the game";
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

// What a window sees of the game list while the player types, at times the test gives.
struct Typing {
    qennet::ui::GameListSearch search;
    DWORD time = 0;
    int changes = 0;
};

LRESULT CALLBACK TypingWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* typing = reinterpret_cast<Typing*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (typing && message == WM_CHARTOITEM)
        return typing->search.Typed(reinterpret_cast<HWND>(lParam), LOWORD(wParam), typing->time);
    if (typing && message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE)
        ++typing->changes;
    return DefWindowProcW(window, message, wParam, lParam);
}

// A title's first letters, or a game's number, typed in the list: the list asks its window, and
// the selection moves with its change reported, as the arrow keys move it.
TEST(GameList, TypingATitleOrANumberMovesTheSelection) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TypingWindow;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QennetTypingTest";
    RegisterClassW(&windowClass);
    Typing typing;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 300, 300,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&typing));
    HWND list = CreateWindowExW(0, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT, 0, 0,
                                200, 200, window, nullptr, windowClass.hInstance, nullptr);
    for (qennet::GameNumber game = 1; game <= qennet::kGameCount; ++game)
        SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(
                         qennet::platform::Utf8ToWide(qennet::GameTitle(game)).c_str()));
    const auto type = [&](const wchar_t* text) {
        for (; *text; ++text)
            SendMessageW(list, WM_CHAR, *text, 1);
        typing.time += qennet::ui::GameListSearch::Pause() + 1;
    };
    type(L"tek");
    EXPECT_EQ(qennet::GameTitle(
                  static_cast<qennet::GameNumber>(SendMessageW(list, LB_GETCURSEL, 0, 0) + 1)),
              "Tekken (JP) Ver. B");
    EXPECT_GT(typing.changes, 0);
    type(L"43");
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 42);
    type(L"7b"); // no title begins so: the list's own first-letter search does not move it either
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 6);
    DestroyWindow(window);
}

} // namespace
