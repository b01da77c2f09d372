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

// The system's message font at the screen's DPI; the caller deletes it.
HFONT CreateMessageFont();

} // namespace qennet::platform
