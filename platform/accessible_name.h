#pragma once
#include <windows.h>

namespace qennet::platform {

// Gives a control the name screen readers announce in place of its caption, through the
// system's accessibility annotations. COM and the accessibility library are loaded at the first
// call, never at start-up; false when the system cannot.
bool SetAccessibleName(HWND control, const wchar_t* name);

// Takes the name away again, as the control is destroyed.
void ClearAccessibleName(HWND control);

} // namespace qennet::platform
