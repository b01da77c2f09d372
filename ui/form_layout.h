#pragma once
// The main window's geometry: its controls made from the layout table, the font they show, the
// DPI they are laid out for, and where each one is. Every DPI or font change comes through here.
#include "core/window_layout.h"
#include "platform/screen.h"

#include <windows.h>

#include <vector>

namespace qennet::ui {

class FormLayout {
  public:
    // The newer DPI calls the font is made with (a test stands in for a font changed in
    // Settings, which Wine shows no running program).
    explicit FormLayout(const platform::NewerDpiCalls& calls = {}) : calls_(calls) {}
    ~FormLayout();
    FormLayout(const FormLayout&) = delete;
    FormLayout& operator=(const FormLayout&) = delete;

    // The outer size a window of that style opens with: the table at the system DPI. Laid out,
    // it is sized again only where its texts or its monitor's DPI need another size (a resize
    // costs the start-up a round trip to the window system).
    static SIZE OpeningSize(DWORD style);

    // Makes the table's controls in the window, at the DPI of the monitor it is on, with the
    // system's message font for it. False when a control cannot be made.
    bool CreateControls(HWND window);

    // Lays the controls out for a DPI (a new font is made when it differs from the one now): each
    // control grows where its text needs more than the table gives and the others move along (see
    // core/window_layout.h). The window is sized to hold them, at the suggested rectangle's corner
    // when one is given, where it is otherwise.
    void LayOut(int dpi, const RECT* suggested = nullptr);

    // The system's message font changed ("Make text bigger", a new font in Settings): the font is
    // made again and the controls laid out again, the window keeping its centre where it is.
    void FontChanged();

    // The outer size the window would take at another DPI, with nothing moved.
    SIZE OuterSizeAt(int dpi) const;

    // The window's news of its screen, once its controls are made (before, nothing changes):
    // asked what size it will take on a monitor of another DPI (WM_GETDPISCALEDSIZE: TRUE when
    // it has put it in `size`), moved there (WM_DPICHANGED: laid out for it, where the system
    // suggests), a setting changed (WM_SETTINGCHANGE: a new message font or text size).
    BOOL ScaledSizeAt(int dpi, SIZE* size) const;
    void DpiChanged(int dpi, const RECT* suggested);
    void SettingChanged(WPARAM setting);

    // Centres the window in the work area of its monitor.
    void Centre() const;

    // The window shows the controls' font too, now and after every DPI or font change (the
    // buttons' tooltip).
    void ShareFont(HWND window);

    int dpi() const { return dpi_; }

  private:
    void UseFont(HFONT font);
    // The plan for the controls with the font, made smaller where the window would not fit the
    // work area of its monitor (a very large message font): the largest that fits, so that
    // nothing is cut off or off the screen. textHeight: the font's own height.
    WindowLayout PlanWithFontThatFits(int& textHeight);

    platform::NewerDpiCalls calls_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    std::vector<Box> placed_;   // where the controls are, in the order of the table
    std::vector<HWND> sharing_; // other windows that show the font
};

} // namespace qennet::ui
