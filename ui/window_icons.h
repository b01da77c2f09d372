#pragma once
#include <windows.h>

namespace qennet::ui {

struct WindowIcons {
    HICON large = nullptr; // the task bar's and Alt+Tab's
    HICON small = nullptr; // the caption's
};

// comctl32's LoadIconWithScaleDown (Windows Vista and later), nullptr where it is missing.
struct IconCalls {
    HRESULT(WINAPI* loadIconWithScaleDown)(HINSTANCE, PCWSTR, int, int, HICON*) = nullptr;
};

// Those of this system, looked up once in the common controls the launcher has loaded.
const IconCalls& SystemIconCalls();

// The icon resource's images at the sizes the system shows at that DPI (16 and 32 pixels at 96,
// 20 and 40 at 120): the image of that size where the icon has one, otherwise a larger one scaled
// down where Windows can, never a smaller one stretched. Either may be nullptr, and the system
// then draws its default; the caller destroys them.
WindowIcons LoadWindowIcons(HINSTANCE instance, int iconId, int dpi,
                            const IconCalls& calls = SystemIconCalls());

// The icons a window shows at its DPI, set on it with WM_SETICON; each set replaces and destroys
// the one before. Destroyed with the set, which must outlive the window.
class WindowIconsAtDpi {
  public:
    WindowIconsAtDpi() = default;
    ~WindowIconsAtDpi();
    WindowIconsAtDpi(const WindowIconsAtDpi&) = delete;
    WindowIconsAtDpi& operator=(const WindowIconsAtDpi&) = delete;

    void SetOn(HWND window, int iconId, int dpi);

    // Sees the window's messages: a move to a monitor of another DPI gets that DPI's icons.
    void OnMessage(HWND window, int iconId, UINT message, WPARAM wParam);

  private:
    WindowIcons icons_;
};

} // namespace qennet::ui
