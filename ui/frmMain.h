#pragma once
// The launcher's one window: the game list, the three option rows, Play and Quit. Here are the
// message switch (the window's table of contents: who answers what), the design's handlers and
// the renderer plug-in's modal call with the close it defers; every other job of the window has
// an owner of its own, called from the switch's cases for the messages it answers.
#include "core/choices_text.h"
#include "core/types.h"
#include "ui/action_gate.h"
#include "ui/button_names.h"
#include "ui/focus_keeper.h"
#include "ui/form_layout.h"
#include "ui/game_list_search.h"
#include "ui/game_menu.h"
#include "ui/pad_driver.h"
#include "ui/play_line.h"
#include "ui/plugin_dialog.h"
#include "ui/player_messages.h"
#include "ui/roms_field.h"
#include "ui/settings_keeper.h"
#include "ui/title_tips.h"
#include "ui/window_actions.h"
#include "ui/window_icons.h"

#include <windows.h>

#include <string>

namespace qennet::ui {

class frmMain final : private WindowActions {
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
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;
    LRESULT OnCommand(int id, int code);
    // Every action, from every input, passes the gate (WindowActions, which the owners act
    // through).
    bool Perform(Action action) override;
    bool Allows(Action action) const override { return gate_.Lets(hwnd_, action); }
    LRESULT OnClose();
    LRESULT RestoreFocus();

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
    void cmbControllerConfigFile_Click();
    void cmdConfigControllerConfigFile_Click();
    void txtRomsDirectory_GotFocus();
    void cmdConfigRomsDirectory_Click();
    void cmdPlay_Click();
    void cmdQuit_Click();
    void mnuCreateDesktopShortcut_Click();
    void mnuCopyCommandLine_Click();

    // True unless the player, asked about a ROM folder the emulator may not read, says No.
    bool RomsFolderAnswered(const PlayLine& line, const std::wstring& question);

    StoredChoices CurrentChoices() const;
    void StartEditor(const std::string& file);

    HWND hwnd_ = nullptr;
    // The controls by the design's names (kind, then role), which is why they break the rule of
    // a trailing underscore for members.
    HWND lstGames = nullptr;
    HWND cmbRenderer = nullptr;
    HWND cmdConfigRenderer = nullptr;
    HWND cmbControllerConfigFile = nullptr;
    HWND cmdConfigControllerConfigFile = nullptr;
    HWND txtRomsDirectory = nullptr;
    bool closing_ = false;

    // The owners of the window's jobs; those that act on the window do it through WindowActions.
    ActionGate gate_;
    PlayerMessages messages_{gate_};
    SettingsKeeper settings_;
    FocusKeeper focus_;
    FormLayout layout_;      // the controls' geometry and font
    WindowIconsAtDpi icons_; // the icons, where the window's DPI is not the system's
    ButtonTips tips_{layout_};
    TitleTips titleTips_{layout_};
    PadDriver pad_{*this};
    GameMenu menu_{*this, gate_};
    GameListSearch search_;
    RomsField romsField_{*this, gate_, messages_};
    PluginDialog plugin_{gate_, focus_, messages_};

    qennet::GameNumber GameNumber = 0; // 0 until a game is selected, then its position plus one
};

} // namespace qennet::ui
