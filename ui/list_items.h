#pragma once
// The items of a list box under a point, as the shell's lists take a click or the pointer.
#include <windows.h>

namespace qennet::ui {

// The list's item under a point of the screen, or -1 below the last one or outside the list
// (LB_ITEMFROMPOINT alone names the nearest item there).
int ItemAt(HWND list, POINT screen);

} // namespace qennet::ui
