#pragma once
#include <windows.h>

namespace qennet::ui {

// Hands a message to every tooltip the window owns (WM_SYSCOLORCHANGE: a switch of the contrast
// theme), as the window of common controls must.
void ForwardToTooltips(HWND window, UINT message);

} // namespace qennet::ui
