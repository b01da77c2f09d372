#pragma once
// The default-button border as a dialog shows it, for the main window's table of controls.
#include <windows.h>

namespace qennet::ui {

// True when the control of the table is a push button.
bool IsPushButton(int id);

// True when the code is what the control of the table sends as it receives the focus (push
// buttons send it for BS_NOTIFY).
bool IsFocusNotification(int id, int code);

// A focused push button shows the default border, the one Enter presses; with the focus on any
// other control Play shows it.
void ShowDefaultBorder(HWND window, HWND focused);

} // namespace qennet::ui
