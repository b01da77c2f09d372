#include "ui/action_gate.h"

namespace qennet::ui {

bool ActionGate::Lets(HWND window, Action action) const {
    if (pluginCall_)
        return action == Action::Quit;
    return ownDialogs_ == 0 && IsWindowEnabled(window) && !IsIconic(window);
}

} // namespace qennet::ui
