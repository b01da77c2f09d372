#pragma once
// The launcher's one window: the game list, the three option rows, Play and Quit.
#include "core/choices_text.h"
#include "core/pad_navigation.h"
#include "core/types.h"
#include "platform/game_controllers.h"
#include "platform/plugin.h"
#include "ui/form_layout.h"
#include "ui/window_icons.h"

#include <windows.h>

#include <string>

namespace qennet::ui {

class frmMain {
  public:
    frmMain() = default;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Creates the window (filled, prepared and centred) without showing it; nullptr on failure.
    // The form must outlive its window.
    HWND Create(HINSTANCE instance);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnSetCursor(HWND under);
    bool OnSysCommand(WPARAM command);
    void OnClose();
    void OnEndSession(bool ending);
    void OnActivate(bool active, bool minimised);
    void OnControllerTimer();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnSettingChange(UINT setting);
    bool OnGetDpiScaledSize(int dpi, SIZE& size);
    void OnControlFocus(int id);
    void RestoreFocus();

    bool Form_Load();
    void Form_Unload();
    bool CreateControls();
    void FillOptionLists();
    void FillGameList();
    void ApplyStoredChoices();
    void CentreForm();

    void lstGames_Click();
    void lstGames_DblClick();
    void cmbRenderer_Click();
    void cmdConfigRenderer_Click();
    platform::PluginCall CallPlugin(const std::string& file);
    void cmbControllerConfigFile_Click();
    void cmdConfigControllerConfigFile_Click();
    void txtRomsDirectory_GotFocus();
    void OnSelectRomsText();
    void cmdConfigRomsDirectory_Click();
    void cmdPlay_Click();
    void cmdQuit_Click();

    StoredChoices CurrentChoices() const;
    // Writes the current choices to qennet.cfg. A failure is told only when tellPlayer is set:
    // never during a log-off, nor on the way into a plug-in.
    void SaveChoices(bool tellPlayer);
    void StartEditor(const std::string& file);
    void ShowError(const std::wstring& what, unsigned long error);
    void ShowError(const std::wstring& what, const std::wstring& cause);

    HWND hwnd_ = nullptr;
    HWND lstGames = nullptr;
    HWND cmbRenderer = nullptr;
    HWND cmdConfigRenderer = nullptr;
    HWND cmbControllerConfigFile = nullptr;
    HWND cmdConfigControllerConfigFile = nullptr;
    HWND txtRomsDirectory = nullptr;
    HWND focusedControl_ = nullptr; // the control that had the focus last
    bool buttonTipsMade_ = false;   // when the mouse first comes over a named button
    FormLayout layout_;             // the controls' geometry and font
    WindowIconsAtDpi icons_;        // the icons, where the window's DPI is not the system's
    bool pluginCallRunning_ = false;
    bool closeAskedDuringPluginCall_ = false;
    bool closing_ = false;
    bool leaveSettingsFileAlone_ = false; // qennet.cfg could not be read at start
    bool sessionEnding_ = false;          // the choices were saved for the session's end
    std::string settingsFile_;            // qennet.cfg's full name in the folder started in
    // A game controller moves through the list and plays, only while the window is active.
    platform::GameControllers controllers_;
    PadNavigation pad_;
    bool padActivated_ = false;    // became active since the last reading
    bool controllersRead_ = false; // their libraries are loaded

    qennet::GameNumber GameNumber = 0; // 0 until a game is selected, then its position plus one
};

} // namespace qennet::ui
