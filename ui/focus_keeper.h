#pragma once
// The window's keyboard focus as a dialog keeps it: a plain window does not remember its focused
// control across deactivation or minimising, so the controls report each focus change here and it
// comes back when the window is active again. The default border follows it, as in a dialog.
#include <windows.h>

namespace qennet::ui {

class FocusKeeper {
  public:
    // The control reported that it has the focus (its focus notification).
    void Focused(HWND window, int id);
    // Once that report is handled (kShowDefaultButton): the system's dialog keys adjust the
    // borders after the new control has the focus.
    void ShowDefaultBorder(HWND window) const;
    // The focus back on the control that had it last, or on the first one.
    void Restore(HWND first) const;

  private:
    HWND focused_ = nullptr;
};

} // namespace qennet::ui
