// The launcher's window. OnMessage is its table of contents: one case a message, each naming the
// design's handler or the owner that answers it. The design's handlers follow in the order the
// design gives them (opening, each control, Play, closing), then the plug-in's modal call.
#include "ui/frmMain.h"

#include "core/catalogue.h"
#include "core/command_line.h"
#include "core/controller_scope.h"
#include "core/renderer_options.h"
#include "platform/file_exists.h"
#include "platform/paths.h"
#include "platform/screen.h"
#include "platform/text.h"
#include "ui/button_names.h"
#include "ui/default_button.h"
#include "ui/frmMain_layout.h"
#include "ui/game_menu_items.h"
#include "ui/play_line.h"
#include "ui/player_texts.h"
#include "ui/program_start.h"
#include "ui/tooltips.h"
#include "ui/window_messages.h"

#include <windowsx.h>

#include <optional>
#include <string>
#include <utility>

namespace qennet::ui {
namespace {

using platform::Utf8ToWide;
using platform::WideToUtf8;
using platform::WindowText;

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
    const auto control = reinterpret_cast<HWND>(wParam);
    switch (message) {
    case WM_CREATE:
        return Form_Load() ? 0 : -1;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_CHARTOITEM: // a character typed in the game list, at the time of its input
        return search_.Typed(reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                             static_cast<DWORD>(GetMessageTime()));
    case WM_CONTEXTMENU:
        return menu_.OnContextMenu(hwnd_, control, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})
                   ? 0
                   : Default(message, wParam, lParam);
    case WM_DROPFILES:
        romsField_.Dropped(hwnd_, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_NOTIFY:
        return titleTips_.OnNotify(hwnd_, reinterpret_cast<NMHDR*>(lParam));
    // Both tooltips are made only once the pointer comes over what they show (in either order:
    // they show different controls); the cursor is the system's.
    case WM_SETCURSOR:
        tips_.PointerOver(hwnd_, control);
        titleTips_.PointerOver(hwnd_, control);
        return Default(message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
        ForwardToTooltips(hwnd_, message);
        return 0;
    case DM_GETDEFID: // Enter anywhere but on another push button runs Play
        return MAKELRESULT(IDC_PLAY, DC_HASDEFID);
    // The pad's rule first, which only notes the state, so that it is right for whatever the focus
    // coming back sends the window.
    case WM_ACTIVATE:
        pad_.Activated(hwnd_, LOWORD(wParam) != WA_INACTIVE);
        return LOWORD(wParam) != WA_INACTIVE ? RestoreFocus() : 0;
    case WM_SETFOCUS: // given to the window itself, as after a restore: the control takes it
        return RestoreFocus();
    case WM_SIZE:             // minimised or restored
    case WM_ENABLE:           // under a dialog or a plug-in's call, and back
    case WM_WINDOWPOSCHANGED: // shown or hidden
        pad_.WindowChanged(hwnd_);
        return Default(message, wParam, lParam);
    case WM_TIMER:
        return pad_.OnTimer(hwnd_, wParam) ? 0 : Default(message, wParam, lParam);
    case WM_DEVICECHANGE:
        pad_.DevicesChanged();
        return TRUE;
    case WM_GETDPISCALEDSIZE:
        return layout_.ScaledSizeAt(static_cast<int>(wParam), reinterpret_cast<SIZE*>(lParam));
    // The controls laid out for the new DPI where the system suggests, which also moves the window
    // there; then its icons drawn for that DPI (neither needs the other).
    case WM_DPICHANGED:
        layout_.DpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        icons_.SetOn(hwnd_, IDI_QENNET, HIWORD(wParam));
        return 0;
    case WM_SETTINGCHANGE:
        layout_.SettingChanged(wParam);
        return Default(message, wParam, lParam);
    case kShowDefaultButton:
        focus_.ShowDefaultBorder(hwnd_);
        return 0;
    case kSelectRomsText:
        romsField_.SelectAllIfFocused(hwnd_);
        return 0;
    case kLookForStoredRoms:
        romsField_.WarnIfMissing(hwnd_);
        return 0;
    case kTellSettingsUnread:
        messages_.Tell(hwnd_, kSettingsUnreadText, settings_.ReadError());
        return 0;
    case WM_SYSCOMMAND: // the close box during a plug-in's call waits for it, as any close does
        return (wParam & 0xFFF0) == SC_CLOSE && plugin_.DefersClose()
                   ? 0
                   : Default(message, wParam, lParam);
    case WM_CLOSE:
        return plugin_.DefersClose() ? 0 : OnClose();
    case WM_ENDSESSION:
        settings_.SessionEnds(wParam != FALSE, CurrentChoices());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

LRESULT frmMain::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT frmMain::OnCommand(int id, int code) {
    if (IsFocusNotification(id, code))
        focus_.Focused(hwnd_, id);
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
    return 0;
}

bool frmMain::Perform(Action action) {
    if (!gate_.Lets(hwnd_, action))
        return false;
    // Each action's handler, or the key that moves the game list as the arrow keys do (so the
    // selection runs through the same handler as a click).
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

LRESULT frmMain::OnClose() {
    // A second close queued behind the first (Quit clicked twice) comes in while the first one's
    // message is shown: it neither saves again nor stacks another message.
    if (closing_)
        return 0;
    closing_ = true;
    Form_Unload();
    DestroyWindow(hwnd_);
    return 0;
}

// During a plug-in's call the window itself keeps the focus, until the call returns.
LRESULT frmMain::RestoreFocus() {
    if (!gate_.PluginCallRunning())
        focus_.Restore(lstGames);
    return 0;
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
        PostMessageW(hwnd_, kTellSettingsUnread, 0, 0);
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
    case RendererSettings::Plugin:
        // The plug-in is foreign code that may end the process; the session's choices go first.
        settings_.SaveBeforePlugin(CurrentChoices());
        plugin_.Show(hwnd_, file);
        break;
    }
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

void frmMain::txtRomsDirectory_GotFocus() {
    romsField_.Focused(hwnd_);
}

void frmMain::cmdConfigRomsDirectory_Click() {
    romsField_.Browse(hwnd_);
}

void frmMain::cmdPlay_Click() {
    const PlayLine play = ComposePlayLine(GameNumber, CurrentChoices(), LineFor::Starting);
    // Once per gesture: a double-click on Play, or the pad's A that a remapper also sends as Enter.
    if (gate_.RepeatsLastStart(play.line, static_cast<DWORD>(GetMessageTime()),
                               GetDoubleClickTime()) ||
        !RomsFolderAnswered(play, StartAllTheSameQuestion()))
        return;
    if (StartOrTell(Program::Emulator, play.line, EmulatorNotStartedText(), messages_, hwnd_))
        return;
    gate_.Started(play.line, GetTickCount());
    romsField_.WarnIfMissing(hwnd_);
}

bool frmMain::RomsFolderAnswered(const PlayLine& line, const std::wstring& question) {
    return line.romsReadable || messages_.Ask(hwnd_, RomsFolderUnreadableText(question));
}

// The game list's menu: the selected game's shortcut on the desktop, and the command line on the
// clipboard (to run in Command Prompt or PowerShell in the emulator's folder and read the
// emulator's own complaint).
void frmMain::mnuCreateDesktopShortcut_Click() {
    const PlayLine play = ComposePlayLine(GameNumber, CurrentChoices(), LineFor::Starting);
    if (RomsFolderAnswered(play, kCreateShortcutAllTheSameQuestion) &&
        CreateDesktopShortcut(GameNumber, play.line, messages_, hwnd_))
        romsField_.WarnIfMissing(hwnd_);
}

void frmMain::mnuCopyCommandLine_Click() {
    const PlayLine copy = ComposePlayLine(GameNumber, CurrentChoices(), LineFor::Shell);
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
