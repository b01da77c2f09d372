#pragma once
#include "platform/system_library.h"

#include <windows.h>

namespace qennet::ui {

struct WindowIcons {
    HICON large = nullptr; // the task bar's and Alt+Tab's
    HICON small = nullptr; // the caption's
};

// The calls the icons are loaded with, so that a test can stand in for them: comctl32's
// LoadIconWithScaleDown (Windows Vista and later), looked up in the common controls the launcher
// has loaded at its first call; where it is missing it fails with E_NOTIMPL.
struct IconCalls {
    using ScaleDownFn = HRESULT (*)(void* context, HINSTANCE instance, PCWSTR name, int width,
                                    int height, HICON* icon);
    void* context = nullptr;
    ScaleDownFn loadIconWithScaleDown =
        platform::LateSystemCall<platform::late::kLoadIconWithScaleDown,
                                 ScaleDownFn>::OrAnswer<E_NOTIMPL>;
};

// The icon resource's images at the sizes the system shows at that DPI (16 and 32 pixels at 96,
// 28 and 56 at 168): the image of that size where the icon has one, otherwise a larger one scaled
// down (the scale-down call is not even looked up at a DPI whose sizes the icon holds, such as 96;
// only where Windows lacks it, on XP, is the nearest image stretched). Either may be nullptr, and
// the system then draws its default; the caller destroys them.
WindowIcons LoadWindowIcons(HINSTANCE instance, int iconId, int dpi, const IconCalls& calls = {});

// The icons a window shows at its DPI, set on it with WM_SETICON; each set replaces and destroys
// the one before. Destroyed with the set, which must outlive the window.
class WindowIconsAtDpi {
  public:
    WindowIconsAtDpi() = default;
    ~WindowIconsAtDpi();
    WindowIconsAtDpi(const WindowIconsAtDpi&) = delete;
    WindowIconsAtDpi& operator=(const WindowIconsAtDpi&) = delete;

    // The icons at the DPI (also after a move to a monitor of another DPI).
    void SetOn(HWND window, int iconId, int dpi);

  private:
    WindowIcons icons_;
};

} // namespace qennet::ui
