#pragma once
// A game found by typing in the game list, as Explorer's lists find a name: the first letters of
// its title, or its number. Characters typed within a pause of each other build one text; the list
// keeps its order and its entries, and the selection moves as the arrow keys move it.
#include "core/game_search.h"

#include <windows.h>

namespace qennet::ui {

class GameListSearch {
  public:
    // A character typed in the game list (its WM_CHARTOITEM), at the time of its input: the
    // position the list moves to (it then reports the change, so the selection goes through the
    // same handler as a click), -2 where it stays, or -1 for the list's own handling of a control
    // character.
    LRESULT Typed(HWND list, wchar_t character, DWORD time);

    // The pause that starts a new text: twice the double-click time, the pause Windows' own lists
    // and their type-ahead take.
    static DWORD Pause() { return 2 * GetDoubleClickTime(); }

  private:
    GameSearch search_;
};

} // namespace qennet::ui
