#pragma once
// The game list's context menu, as the shell's lists have one: a right-click on a game selects it
// (as a click does) and opens the menu there; Shift+F10 and the Menu key open it at the selected
// game. Its items are actions of the window, judged by the gate like a click.
#include "ui/action_gate.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace qennet::ui {

class GameMenu {
  public:
    // perform: the window's, which asks the gate and says whether it let the action through. The
    // gate is held while the menu is open.
    GameMenu(ActionGate& gate, std::function<bool(Action)> perform)
        : gate_(gate), perform_(std::move(perform)) {}

    // Takes the window's WM_CONTEXTMENU for the game list; nothing for any other message.
    std::optional<LRESULT> OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    ActionGate& gate_;
    std::function<bool(Action)> perform_;
};

} // namespace qennet::ui
