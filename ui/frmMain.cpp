#include "ui/frmMain.h"

#include "core/catalogue.h"
#include "core/command_line.h"
#include "core/controller_scope.h"
#include "core/renderer_options.h"
#include "platform/file_exists.h"
#include "platform/folder_browser.h"
#include "platform/paths.h"
#include "platform/screen.h"
#include "platform/text.h"
#include "ui/button_names.h"
#include "ui/default_button.h"
#include "ui/frmMain_layout.h"
#include "ui/game_menu_items.h"
#include "ui/tooltips.h"
#include "ui/player_texts.h"
#include "ui/program_start.h"
#include "ui/system_ansi.h"

#include <optional>
#include <string>
#include <utility>

namespace qennet::ui {
namespace {

using platform::Utf8ToWide;
using platform::WideToUtf8;
using platform::WindowText;

constexpr UINT kSelectRomsText = WM_APP + 1;
constexpr UINT kShowDefaultButton = WM_APP + 2;
constexpr UINT kTellSettingsUnread = WM_APP + 3; // wParam: the system's error code
constexpr UINT kLookForStoredRoms = WM_APP + 4;

ListPosition SelectedPosition(HWND list, UINT getSelection) {
    return static_cast<ListPosition>(SendMessageW(list, getSelection, 0, 0));
}

} // namespace

HWND frmMain::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    // The system DPI's sizes: at 96 DPI the icon's own, without comctl32's scale-down call.
    const WindowIcons icons = LoadWindowIcons(instance, IDI_QENNET, platform::SystemDpi());
    windowClass.hIcon = icons.large;
    windowClass.hIconSm = icons.small;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = QENNET_WINDOW_CLASS;
    if (!RegisterClassExW(&windowClass))
        return nullptr;

    // Placed, and sized where it must be, once its controls are laid out (Form_Load).
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const SIZE size = FormLayout::OpeningSize(style);
    // It takes folders dropped from Explorer (for the ROM folder field) by its style alone, which
    // loads nothing.
    return CreateWindowExW(WS_EX_ACCEPTFILES, QENNET_WINDOW_CLASS, kWindowCaption, style,
                           CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                           instance, this);
}

LRESULT CALLBACK frmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        platform::ScaleFrameWithDpi(window);
        form = static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->OnMessage(message, wParam, lParam);
}

LRESULT frmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The window's jobs with owners of their own: each sees every message first.
    icons_.OnMessage(hwnd_, IDI_QENNET, message, wParam);
    tips_.OnMessage(hwnd_, message, wParam);
    if (const auto taken = layout_.OnMessage(message, wParam, lParam))
        return *taken;
    if (const auto taken = pad_.OnMessage(hwnd_, message, wParam, lParam))
        return *taken;
    if (const auto taken = menu_.OnMessage(hwnd_, message, wParam, lParam))
        return *taken;
    if (const auto taken = romsField_.OnMessage(hwnd_, message, wParam, lParam))
        return *taken;
    if (const auto taken = titleTips_.OnMessage(hwnd_, message, wParam, lParam))
        return *taken;
    switch (message) {
    case WM_CREATE:
        return Form_Load() ? 0 : -1;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        // Enter anywhere but on another push button runs Play.
        return MAKELRESULT(IDC_PLAY, DC_HASDEFID);
    case WM_ACTIVATE:
        // A plain window does not remember its focused control across deactivation or
        // minimising as a dialog does; the controls report each focus change (OnControlFocus).
        if (LOWORD(wParam) != WA_INACTIVE)
            RestoreFocus();
        return 0;
    case kShowDefaultButton:
        ShowDefaultBorder(hwnd_, focusedControl_);
        return 0;
    case WM_SETFOCUS: // given to the window itself, as after a restore: the control takes it
        RestoreFocus();
        return 0;
    case kSelectRomsText:
        OnSelectRomsText();
        return 0;
    case kTellSettingsUnread:
        messages_.Tell(hwnd_, kSettingsUnreadText, static_cast<unsigned long>(wParam));
        return 0;
    case kLookForStoredRoms:
        romsField_.WarnIfMissing(hwnd_);
        return 0;
    case WM_SYSCOLORCHANGE:
        ForwardToTooltips(hwnd_, message);
        return 0;
    case WM_SYSCOMMAND:
        if (OnSysCommand(wParam))
            return 0;
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ENDSESSION:
        settings_.SessionEnds(wParam != FALSE, CurrentChoices());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void frmMain::OnCommand(int id, int code) {
    if (IsFocusNotification(id, code))
        OnControlFocus(id);
    // With BS_NOTIFY the second click of a double-click comes as BN_DOUBLECLICKED; it is a
    // press all the same.
    if (code == BN_DOUBLECLICKED && IsPushButton(id))
        code = BN_CLICKED;
    // A click of a push button or a double-click of the game list is an action, judged by the
    // gate; a new selection or the focus arriving only follows. Esc arrives as IDCANCEL and does
    // nothing: the window has no cancel button.
    static constexpr struct {
        int id, code;
        Action action;
        void (frmMain::*follow)(); // in place of an action
    } kCommands[] = {
        {IDC_GAMES, LBN_DBLCLK, Action::PlayFromList, nullptr},
        {IDC_CONFIG_RENDERER, BN_CLICKED, Action::ConfigureRenderer, nullptr},
        {IDC_CONFIG_CONTROLLER, BN_CLICKED, Action::ConfigureController, nullptr},
        {IDC_CONFIG_ROMS, BN_CLICKED, Action::BrowseRoms, nullptr},
        {IDC_PLAY, BN_CLICKED, Action::Play, nullptr},
        {IDC_QUIT, BN_CLICKED, Action::Quit, nullptr},
        {IDC_GAMES, LBN_SELCHANGE, {}, &frmMain::lstGames_Click},
        {IDC_RENDERER, CBN_SELCHANGE, {}, &frmMain::cmbRenderer_Click},
        {IDC_CONTROLLER, CBN_SELCHANGE, {}, &frmMain::cmbControllerConfigFile_Click},
        {IDC_ROMS, EN_SETFOCUS, {}, &frmMain::txtRomsDirectory_GotFocus},
    };
    for (const auto& command : kCommands) {
        if (command.id != id || command.code != code)
            continue;
        if (command.follow)
            (this->*command.follow)();
        else
            Perform(command.action);
    }
}

bool frmMain::Perform(Action action) {
    if (!gate_.Lets(hwnd_, action))
        return false;
    // Each action's handler, or the key that moves the game list as the arrow keys do (so the
    // selection runs through the same handler as a click). The others are carried out by the
    // owner that asked (the game menu opened, a dropped folder taken).
    struct Handler {
        Action action;
        void (frmMain::*run)();
        WPARAM listKey;
    };
    static constexpr Handler kHandlers[] = {
        {Action::Play, &frmMain::cmdPlay_Click, 0},
        {Action::PlayFromList, &frmMain::lstGames_DblClick, 0},
        {Action::ConfigureRenderer, &frmMain::cmdConfigRenderer_Click, 0},
        {Action::ConfigureController, &frmMain::cmdConfigControllerConfigFile_Click, 0},
        {Action::BrowseRoms, &frmMain::cmdConfigRomsDirectory_Click, 0},
        {Action::Quit, &frmMain::cmdQuit_Click, 0},
        {Action::PreviousGame, nullptr, VK_UP},
        {Action::NextGame, nullptr, VK_DOWN},
        {Action::PreviousPage, nullptr, VK_PRIOR},
        {Action::NextPage, nullptr, VK_NEXT},
        {Action::CreateShortcut, &frmMain::mnuCreateDesktopShortcut_Click, 0},
        {Action::CopyCommandLine, &frmMain::mnuCopyCommandLine_Click, 0},
    };
    for (const Handler& handler : kHandlers) {
        if (handler.action == action && handler.run)
            (this->*handler.run)();
        else if (handler.action == action)
            SendMessageW(lstGames, WM_KEYDOWN, handler.listKey, 1);
    }
    return true;
}

// The disabled window would drop the close box's command; like any close asked for during a
// plug-in call, it waits for the call to return. True when the command is taken care of.
bool frmMain::OnSysCommand(WPARAM command) {
    if (!gate_.PluginCallRunning() || (command & 0xFFF0) != SC_CLOSE)
        return false;
    closeAskedDuringPluginCall_ = true;
    return true;
}

void frmMain::OnClose() {
    if (gate_.PluginCallRunning()) {
        closeAskedDuringPluginCall_ = true;
        return;
    }
    // A second close queued behind the first (Quit clicked twice) comes in while the first one's
    // message is shown: it neither saves again nor stacks another message.
    if (closing_)
        return;
    closing_ = true;
    Form_Unload();
    DestroyWindow(hwnd_);
}

void frmMain::RestoreFocus() {
    if (gate_.PluginCallRunning())
        return; // the window keeps it until the call returns
    if (focusedControl_ && IsWindow(focusedControl_) && IsWindowEnabled(focusedControl_))
        SetFocus(focusedControl_);
    else
        SetFocus(lstGames);
}

// As in a dialog, a push button with the focus is the one Enter presses and shows the default
// border; with the focus anywhere else Play does. The borders are set once the focus change has
// been handled: the system's dialog keys adjust them after the new control has the focus.
void frmMain::OnControlFocus(int id) {
    focusedControl_ = GetDlgItem(hwnd_, id);
    PostMessageW(hwnd_, kShowDefaultButton, 0, 0);
}

bool frmMain::Form_Load() {
    if (!CreateControls())
        return false;
    FillOptionLists();
    FillGameList();
    ApplyStoredChoices();
    layout_.LayOut(layout_.dpi()); // the texts are in: each control gets the room it needs
    CentreForm();
    PostMessageW(hwnd_, kLookForStoredRoms, 0, 0); // once the window is up
    // The class's icons are the system DPI's; a monitor of another one gets its own.
    if (layout_.dpi() != platform::SystemDpi())
        icons_.SetOn(hwnd_, IDI_QENNET, layout_.dpi());
    return true;
}

bool frmMain::CreateControls() {
    if (!layout_.CreateControls(hwnd_))
        return false;
    lstGames = GetDlgItem(hwnd_, IDC_GAMES);
    cmbRenderer = GetDlgItem(hwnd_, IDC_RENDERER);
    cmdConfigRenderer = GetDlgItem(hwnd_, IDC_CONFIG_RENDERER);
    cmbControllerConfigFile = GetDlgItem(hwnd_, IDC_CONTROLLER);
    cmdConfigControllerConfigFile = GetDlgItem(hwnd_, IDC_CONFIG_CONTROLLER);
    txtRomsDirectory = GetDlgItem(hwnd_, IDC_ROMS);
    NameControlsForScreenReaders(hwnd_);
    return true;
}

void frmMain::FillOptionLists() {
    for (ListPosition index = 0; index < kRendererCount; ++index) {
        const RendererOption* option = RendererAt(index);
        std::wstring label = Utf8ToWide(option->label);
        // The character is the ANSI code page's own, so it is converted here, at fill time.
        if (option->labelAnsiSuffix)
            label += platform::AnsiCharToWide(option->labelAnsiSuffix);
        SendMessageW(cmbRenderer, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
    for (ListPosition scope = 0; scope < kScopeCount; ++scope) {
        const std::wstring label = Utf8ToWide(ScopeLabel(scope));
        SendMessageW(cmbControllerConfigFile, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(label.c_str()));
    }
}

void frmMain::FillGameList() {
    SendMessageW(lstGames, LB_INITSTORAGE, kGameCount, kGameCount * 48 * sizeof(wchar_t));
    for (qennet::GameNumber number = 1; number <= kGameCount; ++number) {
        const std::wstring title = Utf8ToWide(GameTitle(number));
        SendMessageW(lstGames, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    }
}

// The stored choices, or the defaults, go through the same handlers as a click, so the caption,
// GameNumber and both "..." buttons follow them.
void frmMain::ApplyStoredChoices() {
    const ChoicesRead read = settings_.Load();
    const StoredChoices& choices = read.choices;
    if (read.outcome == ChoicesRead::Outcome::Unreadable) // told once the window is up
        PostMessageW(hwnd_, kTellSettingsUnread, read.error, 0);
    SendMessageW(lstGames, LB_SETCURSEL, static_cast<WPARAM>(choices.game), 0);
    lstGames_Click();
    SendMessageW(cmbRenderer, CB_SETCURSEL, static_cast<WPARAM>(choices.renderer), 0);
    cmbRenderer_Click();
    SendMessageW(cmbControllerConfigFile, CB_SETCURSEL, static_cast<WPARAM>(choices.scope), 0);
    cmbControllerConfigFile_Click();
    SetWindowTextW(txtRomsDirectory, Utf8ToWide(choices.romsDirectory).c_str());
}

void frmMain::CentreForm() {
    layout_.Centre();
}

void frmMain::lstGames_Click() {
    const ListPosition position = SelectedPosition(lstGames, LB_GETCURSEL);
    GameNumber = static_cast<qennet::GameNumber>(position + 1);
    const std::string_view title = GameTitle(GameNumber);
    // With no game selected the caption is the plain name, not "Vresk: " and nothing.
    const std::wstring caption =
        title.empty() ? std::wstring(kWindowCaption) : kWindowCaptionPrefix + Utf8ToWide(title);
    SetWindowTextW(hwnd_, caption.c_str());
}

void frmMain::lstGames_DblClick() {
    cmdPlay_Click();
}

void frmMain::cmbRenderer_Click() {
    const auto enabled =
        RendererSettingsEnabled(SelectedPosition(cmbRenderer, CB_GETCURSEL), platform::FileExists);
    if (enabled)
        EnableWindow(cmdConfigRenderer, *enabled);
}

void frmMain::cmdConfigRenderer_Click() {
    SetFocus(cmbRenderer);
    const RendererOption* option = RendererAt(SelectedPosition(cmbRenderer, CB_GETCURSEL));
    if (!option)
        return;
    const std::string file(option->settingsFile);
    switch (option->settings) {
    case RendererSettings::None:
        break;
    case RendererSettings::Editor:
        StartEditor(file);
        break;
    case RendererSettings::Plugin: {
        // The plug-in is foreign code that may end the process; the session's choices go first.
        settings_.SaveBeforePlugin(CurrentChoices());
        const platform::PluginCall call = CallPlugin(file);
        if (!hwnd_)
            return; // closed as the player asked while the plug-in's dialog was open
        const std::wstring name = Utf8ToWide(file);
        if (call.outcome == platform::PluginCall::Outcome::NotLoaded)
            messages_.Tell(hwnd_, PluginNotLoadedText(name),
                           PluginLoadFailureCause(file, call.error, platform::FileExists(file)));
        else if (call.outcome == platform::PluginCall::Outcome::NoEntryPoint)
            messages_.Tell(hwnd_, PluginWithoutSettingsText(name), 0);
        break;
    }
    }
}

// The plug-in's settings dialog has no owner, so the window makes itself modal to it: disabled
// for the call, enabled and active again afterwards. A close asked for meanwhile is carried out
// once the plug-in has returned, never under its open dialog.
platform::PluginCall frmMain::CallPlugin(const std::string& file) {
    platform::PluginCall call{};
    {
        const ActionGate::PluginCall running(gate_);
        // Keys go to the window itself meanwhile: a plug-in that keeps the thread's messages
        // flowing without a window of its own would let them change the list with the focus.
        SetFocus(hwnd_);
        EnableWindow(hwnd_, FALSE);
        call = platform::ShowPluginSettings(file);
        EnableWindow(hwnd_, TRUE);
        ShowWindow(hwnd_, SW_SHOW); // some plug-ins hide the window they take for their owner
        SetForegroundWindow(hwnd_);
    }
    RestoreFocus();
    if (closeAskedDuringPluginCall_) {
        closeAskedDuringPluginCall_ = false;
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
    return call;
}

void frmMain::cmbControllerConfigFile_Click() {
    EnableWindow(cmdConfigControllerConfigFile, ControllerSettingsEnabled(SelectedPosition(
                                                    cmbControllerConfigFile, CB_GETCURSEL)));
}

void frmMain::cmdConfigControllerConfigFile_Click() {
    SetFocus(cmbControllerConfigFile);
    // Exactly the chosen level's file, even when it does not exist yet: the editor offers to
    // create it.
    const std::string file = ControllerSettingsFileToEdit(
        SelectedPosition(cmbControllerConfigFile, CB_GETCURSEL), GameNumber);
    if (!file.empty())
        StartEditor(file);
}

void frmMain::OnSelectRomsText() {
    if (GetFocus() == txtRomsDirectory)
        SendMessageW(txtRomsDirectory, EM_SETSEL, 0, -1);
}

void frmMain::txtRomsDirectory_GotFocus() {
    SendMessageW(txtRomsDirectory, EM_SETSEL, 0, -1);
    // A mouse click places the caret after the focus arrives; select again once it has.
    PostMessageW(hwnd_, kSelectRomsText, 0, 0);
}

void frmMain::cmdConfigRomsDirectory_Click() {
    const platform::FolderChoice choice = [this] {
        const ActionGate::OwnDialog open(gate_);
        return platform::BrowseForFolder(hwnd_);
    }();
    if (choice.outcome == platform::FolderChoice::Outcome::Chosen)
        SetWindowTextW(txtRomsDirectory, choice.path.c_str());
    else if (choice.outcome == platform::FolderChoice::Outcome::Failed)
        messages_.Tell(hwnd_, kFolderBrowserFailedText, choice.error);
    SetFocus(txtRomsDirectory);
}

void frmMain::cmdPlay_Click() {
    const PlayLine play = ComposePlayLine(LineFor::Starting);
    // Once per gesture: a double-click on Play, or the pad's A that a remapper also sends as Enter.
    if (gate_.RepeatsLastStart(play.line, static_cast<DWORD>(GetMessageTime()),
                               GetDoubleClickTime()) ||
        !RomsFolderAnswered(play, StartAllTheSameQuestion()))
        return;
    if (StartOrTell(Program::Emulator, play.line, EmulatorNotStartedText(), messages_, hwnd_) != 0)
        return;
    gate_.Started(play.line, GetTickCount());
    romsField_.WarnIfMissing(hwnd_);
}

frmMain::PlayLine frmMain::ComposePlayLine(LineFor use) const {
    // Play sends the game number; the other three are the choices the close saves.
    StoredChoices current = CurrentChoices();
    const auto shortName = [](const std::string& path) {
        return WideToUtf8(platform::ShortPath(Utf8ToWide(path)));
    };
    std::optional<std::string> roms =
        RomsFolderTheEmulatorReads(current.romsDirectory, SystemAnsi(), shortName);
    const bool readable = roms.has_value();
    const PlayChoices choices{GameNumber, current.renderer, current.scope,
                              roms ? std::move(*roms) : std::move(current.romsDirectory)};
    return {ComposeCommandLine(choices, platform::FileExists, use), readable};
}

bool frmMain::RomsFolderAnswered(const PlayLine& line, const std::wstring& question) {
    return line.romsReadable || messages_.Ask(hwnd_, RomsFolderUnreadableText(question));
}

// The game list's menu: the selected game's shortcut on the desktop, and the command line on the
// clipboard (to run in Command Prompt or PowerShell in the emulator's folder and read the
// emulator's own complaint).
void frmMain::mnuCreateDesktopShortcut_Click() {
    const PlayLine play = ComposePlayLine(LineFor::Starting);
    if (RomsFolderAnswered(play, kCreateShortcutAllTheSameQuestion) &&
        CreateDesktopShortcut(GameNumber, play.line, messages_, hwnd_))
        romsField_.WarnIfMissing(hwnd_);
}

void frmMain::mnuCopyCommandLine_Click() {
    const PlayLine copy = ComposePlayLine(LineFor::Shell);
    if (RomsFolderAnswered(copy, kCopyLineAllTheSameQuestion))
        CopyCommandLine(copy.line, messages_, hwnd_);
}

void frmMain::cmdQuit_Click() {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

// Closing is never refused: a failed save is reported, and the window closes all the same.
void frmMain::Form_Unload() {
    if (const SaveFailure failure = settings_.SaveAtClose(CurrentChoices()))
        messages_.Tell(hwnd_, kSettingsNotSavedText,
                       SettingsSaveFailureCause(failure.obstacle, failure.error));
}

StoredChoices frmMain::CurrentChoices() const {
    StoredChoices choices;
    choices.game = SelectedPosition(lstGames, LB_GETCURSEL);
    choices.renderer = SelectedPosition(cmbRenderer, CB_GETCURSEL);
    choices.scope = SelectedPosition(cmbControllerConfigFile, CB_GETCURSEL);
    choices.romsDirectory = WideToUtf8(WindowText(txtRomsDirectory));
    return choices;
}

void frmMain::StartEditor(const std::string& file) {
    StartOrTell(Program::Editor, EditorCommand(file), EditorNotStartedText(Utf8ToWide(file)),
                messages_, hwnd_);
}

} // namespace qennet::ui
