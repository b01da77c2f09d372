#include "ui/action_gate.h"

namespace qennet::ui {

bool ActionGate::Lets(HWND window, Action action) const {
    if (pluginCall_)
        return action == Action::Quit;
    return ownDialogs_ == 0 && IsWindowEnabled(window) && !IsIconic(window);
}

bool ActionGate::RepeatsLastStart(const std::string& commandLine, DWORD time,
                                  DWORD doubleClickTime) const {
    // An input queued while the start ran comes before it: the difference is then negative.
    return started_ && commandLine == lastStart_ &&
           static_cast<LONG>(time - lastStartAt_) < static_cast<LONG>(doubleClickTime);
}

void ActionGate::Started(const std::string& commandLine, DWORD at) {
    started_ = true;
    lastStart_ = commandLine;
    lastStartAt_ = at;
}

} // namespace qennet::ui
