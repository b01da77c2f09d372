#pragma once
// What the window lets the owners of its jobs do: carry out an action as a click would, through
// the gate, or ask whether the gate lets one through now (for an action the owner carries out
// itself, as the game menu's opening). The window gives them itself; being a reference to the
// window, it is there whatever the order its members are made in.
#include "ui/action_gate.h"

namespace qennet::ui {

class WindowActions {
  public:
    // Carries out the action where the gate lets it through; true when it did.
    virtual bool Perform(Action action) = 0;
    // Whether the gate lets the action through now.
    virtual bool Allows(Action action) const = 0;

  protected:
    WindowActions() = default;
    ~WindowActions() = default;
    WindowActions(const WindowActions&) = default;
    WindowActions& operator=(const WindowActions&) = default;
};

} // namespace qennet::ui
