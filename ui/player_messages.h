#pragma once
// Every message the launcher shows the player: told (what could not be done, and why), asked
// (Yes or No), and the one at start-up when there is no window. While one is open the window's
// gate holds every action.
#include "ui/action_gate.h"

#include <windows.h>

#include <string>

namespace qennet::ui {

// The system's message box (MessageBoxW).
int WINAPI SystemMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

class PlayerMessages {
  public:
    // The message box; a test stands in for it.
    using ShowFn = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);

    explicit PlayerMessages(ActionGate& gate, ShowFn show = SystemMessageBox)
        : gate_(gate), show_(show) {}

    // What could not be done, then (after a blank line, where there is one) why.
    void Tell(HWND owner, const std::wstring& what, const std::wstring& cause) const;
    // The same with the system's own words for the error code as the cause (none for 0).
    void Tell(HWND owner, const std::wstring& what, unsigned long error) const;
    // A warning the player answers; true for Yes.
    bool Ask(HWND owner, const std::wstring& question) const;

  private:
    ActionGate& gate_;
    ShowFn show_;
};

// Tells the player that the launcher's window could not be created, and returns when the player
// has closed the message.
void TellWindowNotCreated();

} // namespace qennet::ui
