#pragma once
// A renderer plug-in's own settings dialog, called as the window's modal dialog. The plug-in is
// foreign code: its dialog has no owner, it may keep the thread's messages flowing, hide the window
// or take the focus, and a close asked for meanwhile must wait until it returns.
#include "ui/action_gate.h"
#include "ui/focus_keeper.h"
#include "ui/player_messages.h"

#include <windows.h>

#include <string>

namespace qennet::ui {

class PluginDialog {
  public:
    PluginDialog(ActionGate& gate, const FocusKeeper& focus, const PlayerMessages& messages)
        : gate_(gate), focus_(focus), messages_(messages) {}

    // Calls the plug-in's settings dialog (a file of the working folder). The window makes itself
    // modal to it: disabled, with the focus on the window itself (so that no key changes a
    // choice), and enabled, shown, active and focused as before afterwards. A close asked for
    // meanwhile is carried out then; a plug-in that cannot be loaded or has no settings is told.
    void Show(HWND window, const std::string& file);

    // A close was asked for (WM_CLOSE, or the close box, whose command the disabled window would
    // drop): true when it waits for the call to return.
    bool DefersClose();

  private:
    ActionGate& gate_;
    const FocusKeeper& focus_;
    const PlayerMessages& messages_;
    bool closeAsked_ = false;
};

} // namespace qennet::ui
