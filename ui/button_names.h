#pragma once
// The three "..." buttons by what they do (the name screen readers announce and the tooltip), and
// the game list's name.
#include "platform/accessible_name.h"
#include "ui/form_layout.h"

#include <windows.h>

namespace qennet::ui {

// What the button does, or nullptr for a button that says it itself.
const wchar_t* ButtonName(int id);

// The call that gives a control its accessible name; a test stands in for it.
struct NamingCalls {
    using NameFn = bool (*)(void* context, HWND control, const wchar_t* name);
    void* context = nullptr;
    NameFn name = [](void*, HWND control, const wchar_t* name) {
        return platform::SetAccessibleName(control, name);
    };
};

// Lets the named controls (the three "..." buttons, and the game list, which no label names) give
// screen readers their names: at the first request of an assistive technology (WM_GETOBJECT),
// not at start-up, since naming loads COM. The calls are kept with the controls.
void NameControlsForScreenReaders(HWND window, const NamingCalls& calls = {});

// The tooltip that shows each named button's name; made when the mouse first comes over one of
// them, not at start-up. nullptr on failure.
HWND CreateButtonTips(HWND window);

// The window's tooltip for the named buttons, in the window's font.
class ButtonTips {
  public:
    explicit ButtonTips(FormLayout& layout) : layout_(layout) {}
    // The pointer is over a control (WM_SETCURSOR): over a named button the tooltip is made, the
    // first time. Not sooner: a window that opens under the mouse would make it during start-up.
    void PointerOver(HWND window, HWND control);

  private:
    FormLayout& layout_;
    bool made_ = false;
};

} // namespace qennet::ui
