#pragma once
// Every message the launcher shows the player: told (what could not be done, and why), asked
// (Yes or No), and the one at start-up when there is no window. While one is open the window's
// gate holds every action.
#include "platform/seam.h"
#include "platform/system_error.h"
#include "ui/action_gate.h"

#include <windows.h>

#include <string>

namespace qennet::ui {

// The message box the messages are shown in; a test stands in for it.
struct MessageBoxCalls {
    using ShowFn = int (*)(void* context, HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
    void* context = nullptr;
    ShowFn show = platform::SystemCall<&::MessageBoxW>::Call;
};

class PlayerMessages {
  public:
    explicit PlayerMessages(ActionGate& gate, const MessageBoxCalls& calls = {})
        : gate_(gate), calls_(calls) {}

    // What could not be done, then (after a blank line, where there is one) why.
    void Tell(HWND owner, const std::wstring& what, const std::wstring& cause) const;
    // The same with the system's own words for what failed as the cause (none for nothing).
    void Tell(HWND owner, const std::wstring& what, platform::SystemError error) const;
    // A warning the player answers; true for Yes.
    bool Ask(HWND owner, const std::wstring& question) const;

  private:
    ActionGate& gate_;
    MessageBoxCalls calls_;
};

// Tells the player that the launcher's window could not be created, and returns when the player
// has closed the message.
void TellWindowNotCreated();

} // namespace qennet::ui
