#include "ui/frmMain.h"

#include "core/catalogue.h"
#include "core/command_line.h"
#include "core/controller_scope.h"
#include "core/renderer_options.h"
#include "core/choices_text.h"
#include "platform/file_exists.h"
#include "platform/folder_browser.h"
#include "platform/paths.h"
#include "platform/plugin.h"
#include "platform/screen.h"
#include "platform/start_program.h"
#include "platform/system_error.h"
#include "platform/text.h"
#include "ui/button_names.h"
#include "ui/default_button.h"
#include "ui/frmMain_layout.h"
#include "ui/player_texts.h"
#include "ui/stored_choices.h"
#include "ui/system_ansi.h"
#include "ui/window_icons.h"

#include <optional>
#include <string>
#include <utility>

// Windows 10 1703 sends it; the headers show it only to programs for that version.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace qennet::ui {
namespace {

using platform::Utf8ToWide;
using platform::WideToUtf8;
using platform::WindowText;

constexpr UINT kSelectRomsText = WM_APP + 1;
constexpr UINT kShowDefaultButton = WM_APP + 2;
constexpr UINT kTellSettingsUnread = WM_APP + 3; // wParam: the system's error code

// The game controllers are read about 30 times a second while the window is active. The first
// reading loads their libraries: it waits until the window has long been up.
constexpr UINT_PTR kControllerTimer = 1;
constexpr UINT kControllerReadingInterval = 33;
constexpr UINT kFirstControllerReading = 500;

ListPosition SelectedPosition(HWND list, UINT getSelection) {
    return static_cast<ListPosition>(SendMessageW(list, getSelection, 0, 0));
}

// What the window acts on: a click of a push button, a double-click of the game list (which
// plays). Everything else a control reports (a focus change, a new selection) only follows.
bool IsAction(int id, int code) {
    return id == IDC_GAMES ? code == LBN_DBLCLK : code == BN_CLICKED;
}

} // namespace

HWND frmMain::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    // The system DPI's sizes, which the icon holds: LoadImageW, as comctl32's scale-down call is
    // kept off the start-up path.
    const WindowIcons icons =
        LoadWindowIcons(instance, IDI_QENNET, platform::SystemDpi(), IconCalls{});
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
    return CreateWindowExW(0, QENNET_WINDOW_CLASS, kWindowCaption, style, CW_USEDEFAULT,
                           CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, this);
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
        OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
        return 0;
    case WM_TIMER:
        if (wParam == kControllerTimer)
            OnControllerTimer();
        return 0;
    case WM_DEVICECHANGE:
        controllers_.DevicesChanged();
        return TRUE;
    case WM_GETDPISCALEDSIZE:
        return OnGetDpiScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        OnSettingChange(static_cast<UINT>(wParam));
        break;
    case WM_SETCURSOR:
        OnSetCursor(reinterpret_cast<HWND>(wParam));
        break;
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
        ShowError(kSettingsUnreadText, static_cast<unsigned long>(wParam));
        return 0;
    case WM_SYSCOMMAND:
        if (OnSysCommand(wParam))
            return 0;
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
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
    // Clicks that reach the disabled window during a plug-in call (sent by another program) do
    // nothing; Quit goes on to ask for the close, which waits for the plug-in.
    if (pluginCallRunning_ && IsAction(id, code) && id != IDC_QUIT)
        return;
    switch (id) {
    case IDC_GAMES:
        if (code == LBN_SELCHANGE)
            lstGames_Click();
        else if (code == LBN_DBLCLK)
            lstGames_DblClick();
        break;
    case IDC_RENDERER:
        if (code == CBN_SELCHANGE)
            cmbRenderer_Click();
        break;
    case IDC_CONTROLLER:
        if (code == CBN_SELCHANGE)
            cmbControllerConfigFile_Click();
        break;
    case IDC_ROMS:
        if (code == EN_SETFOCUS)
            txtRomsDirectory_GotFocus();
        break;
    case IDC_CONFIG_RENDERER:
        if (code == BN_CLICKED)
            cmdConfigRenderer_Click();
        break;
    case IDC_CONFIG_CONTROLLER:
        if (code == BN_CLICKED)
            cmdConfigControllerConfigFile_Click();
        break;
    case IDC_CONFIG_ROMS:
        if (code == BN_CLICKED)
            cmdConfigRomsDirectory_Click();
        break;
    case IDC_PLAY:
        if (code == BN_CLICKED)
            cmdPlay_Click();
        break;
    case IDC_QUIT:
        if (code == BN_CLICKED)
            cmdQuit_Click();
        break;
    default: // Esc arrives as IDCANCEL and does nothing: the window has no cancel button.
        break;
    }
}

// The mouse is over one of the named buttons: their tooltip is needed now. Not sooner: a window
// that opens under the mouse would make it during start-up.
void frmMain::OnSetCursor(HWND under) {
    if (buttonTipsMade_ || ButtonName(GetDlgCtrlID(under)) == nullptr)
        return;
    buttonTipsMade_ = true;
    if (HWND tips = CreateButtonTips(hwnd_)) // owned by the window, and destroyed with it
        layout_.ShareFont(tips);
}

// The disabled window would drop the close box's command; like any close asked for during a
// plug-in call, it waits for the call to return. True when the command is taken care of.
bool frmMain::OnSysCommand(WPARAM command) {
    if (!pluginCallRunning_ || (command & 0xFFF0) != SC_CLOSE)
        return false;
    closeAskedDuringPluginCall_ = true;
    return true;
}

void frmMain::OnClose() {
    if (pluginCallRunning_) {
        closeAskedDuringPluginCall_ = true;
        return;
    }
    // A second close queued behind the first (Quit clicked twice) comes in while the first one's
    // message is shown: it neither saves again nor stacks another message.
    if (closing_)
        return;
    closing_ = true;
    // After the session's end was announced (a restart for updates closes the window that way)
    // the choices are saved already, and no message may hold up the end.
    if (!sessionEnding_)
        Form_Unload();
    DestroyWindow(hwnd_);
}

// Log-off, shut-down or a restart for updates (which may close the window afterwards) ends the
// process without a close of its own; nothing may hold it up, so a failure goes untold. The
// choices are saved once, even if the end is announced again.
void frmMain::OnEndSession(bool ending) {
    if (!ending || sessionEnding_)
        return;
    sessionEnding_ = true;
    SaveChoices(false);
}

// A plain window does not remember its focused control across deactivation or minimising as a
// dialog does; the controls report each focus change, and the last one gets it back.
void frmMain::OnActivate(bool active, bool minimised) {
    if (active)
        RestoreFocus();
    // The controllers are read only while the window is active and shown: a controller that
    // plays the game never drives the launcher behind it, and an idle launcher does no work.
    if (active && !minimised) {
        padActivated_ = true;
        SetTimer(hwnd_, kControllerTimer,
                 controllersRead_ ? kControllerReadingInterval : kFirstControllerReading, nullptr);
    } else {
        KillTimer(hwnd_, kControllerTimer);
    }
}

// A controller's move goes to the game list as the key would (so the selection runs through the
// same handler as a click); its A or Start presses Play, whatever control has the focus. A timer
// that could not be set leaves the launcher without a controller, as without one plugged in.
void frmMain::OnControllerTimer() {
    const DWORD now = GetTickCount();
    if (!controllersRead_) {
        controllersRead_ = true;
        SetTimer(hwnd_, kControllerTimer, kControllerReadingInterval, nullptr);
    }
    if (padActivated_) {
        padActivated_ = false;
        int delay = 1, speed = 31; // Windows' defaults where the settings cannot be read
        SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
        SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
        pad_.Activated(KeyRepeatOf(delay, speed));
    }
    struct KeyOf {
        PadAction action;
        WPARAM key;
    };
    static constexpr KeyOf kKeys[] = {{PadAction::Up, VK_UP},
                                      {PadAction::Down, VK_DOWN},
                                      {PadAction::PageUp, VK_PRIOR},
                                      {PadAction::PageDown, VK_NEXT}};
    const PadAction action = pad_.Read(HeldButtons(controllers_.Read(now)), now);
    if (action == PadAction::Play) {
        cmdPlay_Click();
        return;
    }
    for (const KeyOf& entry : kKeys) {
        if (entry.action == action)
            SendMessageW(lstGames, WM_KEYDOWN, entry.key, 1);
    }
}

void frmMain::RestoreFocus() {
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

// Moved to a monitor of another DPI: the font and every control are made anew for it, and the
// window goes where the system suggests.
void frmMain::OnDpiChanged(int dpi, const RECT& suggested) {
    if (!lstGames)
        return;
    layout_.LayOut(dpi, &suggested);
    icons_.SetOn(hwnd_, IDI_QENNET, dpi);
}

// A new message font or text size in Settings: laid out again, as on a DPI change.
void frmMain::OnSettingChange(UINT setting) {
    if (setting == SPI_SETNONCLIENTMETRICS && lstGames)
        layout_.FontChanged();
}

// Asked, before a move to a monitor of another DPI, what size the window will take there, so that
// the rectangle the system then suggests is exactly that.
bool frmMain::OnGetDpiScaledSize(int dpi, SIZE& size) {
    if (dpi <= 0 || !lstGames)
        return false;
    size = layout_.OuterSizeAt(dpi);
    return true;
}

bool frmMain::Form_Load() {
    if (!CreateControls())
        return false;
    FillOptionLists();
    FillGameList();
    ApplyStoredChoices();
    layout_.LayOut(layout_.dpi()); // the texts are in: each control gets the room it needs
    CentreForm();
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
    // Every read and write goes to the folder the launcher started in, also while a plug-in has
    // moved the working folder (a log-off during its dialog saves from inside the call).
    const std::wstring file = platform::FullPath(Utf8ToWide(kSettingsFileName));
    settingsFile_ = file.empty() ? std::string(kSettingsFileName) : WideToUtf8(file);
    const ChoicesRead read = LoadStoredChoices(platform::SystemCodePage(), settingsFile_);
    const StoredChoices& choices = read.choices;
    // The choices the player made are in a file that cannot be read now: they are not to be
    // overwritten with defaults the player never chose. Told once the window is up.
    if (read.outcome == ChoicesRead::Outcome::Unreadable) {
        leaveSettingsFileAlone_ = true;
        PostMessageW(hwnd_, kTellSettingsUnread, read.error, 0);
    }
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
        SaveChoices(false);
        const platform::PluginCall call = CallPlugin(file);
        if (!hwnd_)
            return; // closed as the player asked while the plug-in's dialog was open
        const std::wstring name = Utf8ToWide(file);
        if (call.outcome == platform::PluginCall::Outcome::NotLoaded)
            ShowError(PluginNotLoadedText(name), PluginLoadFailureCause(file, call.error));
        else if (call.outcome == platform::PluginCall::Outcome::NoEntryPoint)
            ShowError(PluginWithoutSettingsText(name), 0);
        break;
    }
    }
}

// The plug-in's settings dialog has no owner, so the window makes itself modal to it: disabled
// for the call, enabled and active again afterwards. A close asked for meanwhile is carried out
// once the plug-in has returned, never under its open dialog.
platform::PluginCall frmMain::CallPlugin(const std::string& file) {
    pluginCallRunning_ = true;
    EnableWindow(hwnd_, FALSE);
    const platform::PluginCall call = platform::ShowPluginSettings(file);
    EnableWindow(hwnd_, TRUE);
    ShowWindow(hwnd_, SW_SHOW); // some plug-ins hide the window they take for their owner
    SetForegroundWindow(hwnd_);
    pluginCallRunning_ = false;
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
    const platform::FolderChoice choice = platform::BrowseForFolder(hwnd_);
    if (choice.outcome == platform::FolderChoice::Outcome::Chosen)
        SetWindowTextW(txtRomsDirectory, choice.path.c_str());
    else if (choice.outcome == platform::FolderChoice::Outcome::Failed)
        ShowError(kFolderBrowserFailedText, choice.error);
    SetFocus(txtRomsDirectory);
}

void frmMain::cmdPlay_Click() {
    // Play sends the game number; the other three are the choices the close saves.
    StoredChoices current = CurrentChoices();
    const auto shortName = [](const std::string& path) {
        return WideToUtf8(platform::ShortPath(Utf8ToWide(path)));
    };
    std::optional<std::string> roms =
        RomsFolderTheEmulatorReads(current.romsDirectory, SystemAnsi(), shortName);
    if (!roms && MessageBoxW(hwnd_, kRomsFolderUnreadableText, kMessageCaption,
                             MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    const PlayChoices choices{GameNumber, current.renderer, current.scope,
                              roms ? std::move(*roms) : std::move(current.romsDirectory)};
    const std::string commandLine = ComposeCommandLine(choices, platform::FileExists);
    // The working folder's emulator, as every other file is the working folder's; not one beside
    // the launcher, were it kept elsewhere.
    const unsigned long error =
        platform::StartProgram(platform::FullPath(L"Vresk.exe"), commandLine);
    if (error && error != ERROR_CANCELLED) // a declined elevation prompt is the player's answer
        ShowError(kEmulatorNotStartedText, StartFailureCause(L"Vresk.exe", commandLine, error));
}

void frmMain::cmdQuit_Click() {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

// Closing is never refused: a failed save is reported, and the window closes all the same.
void frmMain::Form_Unload() {
    SaveChoices(true);
}

StoredChoices frmMain::CurrentChoices() const {
    StoredChoices choices;
    choices.game = SelectedPosition(lstGames, LB_GETCURSEL);
    choices.renderer = SelectedPosition(cmbRenderer, CB_GETCURSEL);
    choices.scope = SelectedPosition(cmbControllerConfigFile, CB_GETCURSEL);
    choices.romsDirectory = WideToUtf8(WindowText(txtRomsDirectory));
    return choices;
}

void frmMain::SaveChoices(bool tellPlayer) {
    if (leaveSettingsFileAlone_)
        return;
    const unsigned long error =
        SaveStoredChoices(CurrentChoices(), platform::SystemCodePage(), settingsFile_);
    if (error && tellPlayer)
        ShowError(kSettingsNotSavedText,
                  SettingsSaveFailureCause(Utf8ToWide(settingsFile_), error));
}

void frmMain::StartEditor(const std::string& file) {
    const std::string commandLine = EditorCommand(file);
    // The system's Notepad, never a NOTEPAD.EXE that someone left in the emulator's folder.
    const unsigned long error =
        platform::StartProgram(platform::InWindowsFolder(L"NOTEPAD.EXE"), commandLine);
    if (error && error != ERROR_CANCELLED)
        ShowError(EditorNotStartedText(Utf8ToWide(file)),
                  StartFailureCause(L"NOTEPAD.EXE", commandLine, error));
}

void frmMain::ShowError(const std::wstring& what, unsigned long error) {
    ShowError(what, error ? platform::SystemErrorText(error) : std::wstring());
}

void frmMain::ShowError(const std::wstring& what, const std::wstring& cause) {
    std::wstring text = what;
    if (!cause.empty())
        text += L"\n\n" + cause;
    MessageBoxW(hwnd_, text.c_str(), kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace qennet::ui
