#pragma once
#include <windows.h>

namespace qennet::ui {

struct WindowIcons {
    HICON large; // the task bar's and Alt+Tab's
    HICON small; // the caption's
};

// The icon resource's own images at the sizes the system shows (16, 24 or 32 pixels by the
// screen's DPI), not its large image shrunk. Either may be nullptr, and the system then
// draws its default.
WindowIcons LoadWindowIcons(HINSTANCE instance, int iconId);

} // namespace qennet::ui
