#pragma once
// A warning in a balloon at a text field, as Windows shows one for a field: the edit control's own
// (EM_SHOWBALLOONTIP), or where the system lacks it (Wine), a balloon tooltip tracked at the
// field. Either is topmost, so it is seen over a program the launcher started. The tooltip goes as
// a balloon does: after a while, or at a click or a key once the gesture that showed it is over.
#include <windows.h>

#include <string>

namespace qennet::ui {

class FieldBalloon {
  public:
    FieldBalloon() = default;
    FieldBalloon(const FieldBalloon&) = delete;
    FieldBalloon& operator=(const FieldBalloon&) = delete;

    void Show(HWND field, const std::wstring& title, const std::wstring& text);

    // An input message the thread takes (the message loop's): a click or a key hides the tooltip,
    // once the double-click time since it was shown has passed (a second click of a double-click
    // on Play is the same gesture).
    void SeesInput(const MSG& message);

    // How long the tooltip stays.
    static constexpr UINT kShownMs = 10000;

  private:
    bool Made(HWND field);

    HWND tip_ = nullptr; // the tooltip, owned by the field's window and destroyed with it
    HWND field_ = nullptr;
    DWORD shownAt_ = 0;
    bool shown_ = false;
};

} // namespace qennet::ui
