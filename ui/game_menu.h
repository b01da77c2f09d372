#pragma once
// The game list's context menu, as the shell's lists have one: a right-click on a game selects it
// (as a click does) and opens the menu there; Shift+F10 and the Menu key open it at the selected
// game. Its items are actions of the window, judged by the gate like a click.
#include "ui/action_gate.h"
#include "ui/window_actions.h"

#include <windows.h>

namespace qennet::ui {

// The menu shown at a point of the screen until the player chooses (TrackPopupMenu): the chosen
// item's id, or 0.
UINT TrackMenu(void* context, HMENU menu, int x, int y, HWND owner);

// The call the menu is shown with; a test stands in for the player's choice. The double receives
// the context.
struct GameMenuCalls {
    using TrackFn = UINT (*)(void* context, HMENU menu, int x, int y, HWND owner);
    void* context = nullptr;
    TrackFn track = TrackMenu;
};

class GameMenu {
  public:
    // The window's gate is held while the menu is open.
    GameMenu(WindowActions& window, ActionGate& gate, const GameMenuCalls& calls = {})
        : window_(window), gate_(gate), calls_(calls) {}

    // WM_CONTEXTMENU from a control at a point of the screen ({-1, -1}: from the keyboard). True
    // when a menu was shown; otherwise the message goes on, as one a window does not answer: a
    // right-click below the last game, on another control, or while the gate refuses.
    bool OnContextMenu(HWND window, HWND from, POINT at);

  private:
    WindowActions& window_;
    ActionGate& gate_;
    GameMenuCalls calls_;
};

} // namespace qennet::ui
