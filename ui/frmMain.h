#pragma once
// The launcher's one window: the game list, the three option rows, Play and Quit. Here are the
// message switch, the design's handlers, the renderer plug-in's modal call and the focus; every
// other job of the window has an owner of its own, called from one line of OnMessage.
#include "core/choices_text.h"
#include "core/command_line.h"
#include "core/types.h"
#include "platform/plugin.h"
#include "ui/action_gate.h"
#include "ui/button_names.h"
#include "ui/form_layout.h"
#include "ui/game_menu.h"
#include "ui/pad_driver.h"
#include "ui/player_messages.h"
#include "ui/roms_field.h"
#include "ui/settings_keeper.h"
#include "ui/title_tips.h"
#include "ui/window_icons.h"

#include <windows.h>

#include <functional>
#include <optional>
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

    // The message loop asks before the dialog keys: a key the window's own controls take first
    // (Enter and Esc for the ROM folder field's open suggestion list).
    bool TakesKey(const MSG& message) const { return romsField_.TakesKey(message); }
    // The message loop shows it the thread's input first: a click or a key dismisses the ROM
    // field's warning.
    void SeesInput(const MSG& message) { romsField_.SeesInput(message); }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    // Every action, from every input, passes here through the gate; true when it let it through.
    bool Perform(Action action);
    bool OnSysCommand(WPARAM command);
    void OnClose();
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
    void mnuCreateDesktopShortcut_Click();
    void mnuCopyCommandLine_Click();

    // The command line for Play's choices now, and whether the emulator can read its ROM folder.
    struct PlayLine {
        std::string line;
        bool romsReadable;
    };
    PlayLine ComposePlayLine(LineFor use) const;
    // True unless the player, asked about a ROM folder the emulator may not read, says No.
    bool RomsFolderAnswered(const PlayLine& line, const std::wstring& question);

    StoredChoices CurrentChoices() const;
    void StartEditor(const std::string& file);

    HWND hwnd_ = nullptr;
    HWND lstGames = nullptr;
    HWND cmbRenderer = nullptr;
    HWND cmdConfigRenderer = nullptr;
    HWND cmbControllerConfigFile = nullptr;
    HWND cmdConfigControllerConfigFile = nullptr;
    HWND txtRomsDirectory = nullptr;
    HWND focusedControl_ = nullptr; // the control that had the focus last
    bool closeAskedDuringPluginCall_ = false;
    bool closing_ = false;

    ActionGate gate_;
    PlayerMessages messages_{gate_};
    SettingsKeeper settings_;
    FormLayout layout_;      // the controls' geometry and font
    WindowIconsAtDpi icons_; // the icons, where the window's DPI is not the system's
    ButtonTips tips_{layout_};
    TitleTips titleTips_{layout_};
    std::function<bool(Action)> perform_ = [this](Action action) { return Perform(action); };
    PadDriver pad_{perform_};
    GameMenu menu_{gate_, perform_};
    RomsField romsField_{perform_};

    qennet::GameNumber GameNumber = 0; // 0 until a game is selected, then its position plus one
};

} // namespace qennet::ui
