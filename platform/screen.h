#pragma once
// The screen facts the window lays itself out by.
#include <windows.h>

namespace qennet::platform {

// Dots per inch of the screen the program was started on (96 at 100 %).
int ScreenDpi();

// The desktop work area: the screen less its task bars.
RECT WorkArea();

// The window's outer rectangle in screen pixels.
RECT OuterRect(HWND window);

} // namespace qennet::platform
