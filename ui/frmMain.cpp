#include "ui/frmMain.h"

#include "core/catalogue.h"
#include "core/command_line.h"
#include "core/controller_scope.h"
#include "core/renderer_options.h"
#include "core/settings_file.h"
#include "platform/file_exists.h"
#include "platform/folder_browser.h"
#include "platform/plugin.h"
#include "platform/screen.h"
#include "platform/start_program.h"
#include "platform/system_error.h"
#include "platform/text.h"
#include "ui/frmMain_layout.h"
#include "ui/stored_choices.h"

#include <cmath>
#include <string>

namespace qennet::ui {
namespace {

using platform::Utf8ToWide;
using platform::WideToUtf8;

constexpr wchar_t kCaption[] = L"Vresk";
constexpr wchar_t kCaptionPrefix[] = L"Vresk: ";
constexpr wchar_t kMessageCaption[] = L"Qennet";
constexpr UINT kSelectRomsText = WM_APP + 1;
constexpr UINT kTellSettingsUnread = WM_APP + 2; // wParam: the system's error code

const FileExistsFn& FileExists() {
    static const FileExistsFn exists = platform::FileExists;
    return exists;
}

ListPosition SelectedPosition(HWND list, UINT getSelection) {
    return static_cast<ListPosition>(SendMessageW(list, getSelection, 0, 0));
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

HWND frmMain::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QENNET));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = QENNET_WINDOW_CLASS;
    if (!RegisterClassExW(&windowClass))
        return nullptr;

    dpi_ = platform::ScreenDpi();
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    return CreateWindowExW(0, QENNET_WINDOW_CLASS, kCaption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           instance, this);
}

LRESULT CALLBACK frmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
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
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case kSelectRomsText:
        if (GetFocus() == txtRomsDirectory)
            SendMessageW(txtRomsDirectory, EM_SETSEL, 0, -1);
        return 0;
    case kTellSettingsUnread:
        ShowError(L"Qennet could not read qennet.cfg, so it shows the default choices. It will "
                  L"not save your choices this time, so that the ones in qennet.cfg are kept.",
                  static_cast<unsigned long>(wParam));
        return 0;
    case WM_CLOSE:
        // A second close queued behind the first (Quit clicked twice) comes in while the first
        // one's message is shown: it neither saves again nor stacks another message.
        if (closing_)
            return 0;
        closing_ = true;
        Form_Unload();
        DestroyWindow(hwnd_);
        return 0;
    case WM_ENDSESSION:
        // Log-off, shut-down or a restart for updates ends the process without WM_CLOSE; nothing
        // may hold it up, so a failure goes untold.
        if (wParam)
            SaveChoices(false);
        return 0;
    case WM_DESTROY:
        if (font_)
            DeleteObject(font_);
        font_ = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void frmMain::OnCommand(int id, int code) {
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

// A plain window does not remember its focused control across deactivation as a dialog does.
void frmMain::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus))
            focusWhenInactive_ = focus;
    } else if (focusWhenInactive_ && IsWindow(focusWhenInactive_)) {
        SetFocus(focusWhenInactive_);
    } else {
        SetFocus(lstGames);
    }
}

int frmMain::Scale(int pixelsAt96Dpi) const {
    return MulDiv(pixelsAt96Dpi, dpi_, 96);
}

bool frmMain::Form_Load() {
    if (!CreateControls())
        return false;
    FillOptionLists();
    FillGameList();
    ApplyStoredChoices();
    CentreForm();
    return true;
}

bool frmMain::CreateControls() {
    font_ = platform::CreateMessageFont();
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    for (const ControlLayout& layout : kLayout) {
        const bool dropDown = layout.windowClass == std::wstring_view(L"COMBOBOX");
        const int height = dropDown ? layout.height + kDropDownListHeight : layout.height;
        HWND control = CreateWindowExW(
            layout.extendedStyle, layout.windowClass, layout.caption, layout.style,
            Scale(layout.left), Scale(layout.top), Scale(layout.width), Scale(height), hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
        if (!control)
            return false;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (dropDown) {
            // The closed field's height follows its item height; bring it to the table's. The
            // reported item height need not be the one set (some systems add a margin), so the
            // field is measured again after each change.
            const int wanted = Scale(layout.height);
            int itemHeight = static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, -1, 0));
            for (int attempt = 0; attempt < 3 && itemHeight > 0; ++attempt) {
                RECT closed{};
                GetWindowRect(control, &closed);
                const int actual = closed.bottom - closed.top;
                if (actual == wanted)
                    break;
                itemHeight += wanted - actual;
                SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
            }
        }
    }
    lstGames = GetDlgItem(hwnd_, IDC_GAMES);
    cmbRenderer = GetDlgItem(hwnd_, IDC_RENDERER);
    cmdConfigRenderer = GetDlgItem(hwnd_, IDC_CONFIG_RENDERER);
    cmbControllerConfigFile = GetDlgItem(hwnd_, IDC_CONTROLLER);
    cmdConfigControllerConfigFile = GetDlgItem(hwnd_, IDC_CONFIG_CONTROLLER);
    txtRomsDirectory = GetDlgItem(hwnd_, IDC_ROMS);
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
    const ChoicesRead read = ReadStoredChoices();
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
    const RECT work = platform::WorkArea();
    const RECT window = platform::OuterRect(hwnd_);
    const double workWidth = work.right - work.left;
    const double workHeight = work.bottom - work.top;
    const double width = window.right - window.left;
    const double height = window.bottom - window.top;
    const double left = work.left + (workWidth - width) / 2;
    const double top = work.top + (workHeight - height) / 2;
    SetWindowPos(hwnd_, nullptr, static_cast<int>(std::lround(left)),
                 static_cast<int>(std::lround(top)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::lstGames_Click() {
    const ListPosition position = SelectedPosition(lstGames, LB_GETCURSEL);
    GameNumber = static_cast<qennet::GameNumber>(position + 1);
    const std::string_view title = GameTitle(GameNumber);
    // With no game selected the caption is the plain name, not "Vresk: " and nothing.
    const std::wstring caption =
        title.empty() ? std::wstring(kCaption) : kCaptionPrefix + Utf8ToWide(title);
    SetWindowTextW(hwnd_, caption.c_str());
}

void frmMain::lstGames_DblClick() {
    cmdPlay_Click();
}

void frmMain::cmbRenderer_Click() {
    const auto enabled =
        RendererSettingsEnabled(SelectedPosition(cmbRenderer, CB_GETCURSEL), FileExists());
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
        const platform::PluginCall call = platform::ShowPluginSettings(file);
        const std::wstring name = Utf8ToWide(file);
        if (call.outcome == platform::PluginCall::Outcome::NotLoaded)
            ShowError(L"Could not load the renderer plug-in " + name + L".", call.error);
        else if (call.outcome == platform::PluginCall::Outcome::NoEntryPoint)
            ShowError(L"The renderer plug-in " + name +
                          L" has no GPUconfigure entry point, so it has no settings to show.",
                      0);
        break;
    }
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
    SendMessageW(txtRomsDirectory, EM_SETSEL, 0, -1);
    // A mouse click places the caret after the focus arrives; select again once it has.
    PostMessageW(hwnd_, kSelectRomsText, 0, 0);
}

void frmMain::cmdConfigRomsDirectory_Click() {
    const platform::FolderChoice choice = platform::BrowseForFolder(hwnd_);
    if (choice.outcome == platform::FolderChoice::Outcome::Chosen)
        SetWindowTextW(txtRomsDirectory, choice.path.c_str());
    else if (choice.outcome == platform::FolderChoice::Outcome::Failed)
        ShowError(L"Could not use the folder browser.", choice.error);
    SetFocus(txtRomsDirectory);
}

void frmMain::cmdPlay_Click() {
    PlayChoices choices;
    choices.game = GameNumber;
    choices.renderer = SelectedPosition(cmbRenderer, CB_GETCURSEL);
    choices.scope = SelectedPosition(cmbControllerConfigFile, CB_GETCURSEL);
    choices.romsDirectory = WideToUtf8(WindowText(txtRomsDirectory));
    const unsigned long error = platform::StartProgram(ComposeCommandLine(choices, FileExists()));
    if (error)
        ShowError(L"Could not start Vresk.exe.", error);
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
    const unsigned long error = WriteStoredChoices(CurrentChoices());
    if (error && tellPlayer)
        ShowError(L"Your choices could not be saved to qennet.cfg.", error);
}

void frmMain::StartEditor(const std::string& file) {
    const unsigned long error = platform::StartProgram(EditorCommand(file));
    if (error)
        ShowError(L"Could not start NOTEPAD.EXE to edit " + Utf8ToWide(file) + L".", error);
}

void frmMain::ShowError(const std::wstring& what, unsigned long error) {
    std::wstring text = what;
    if (error)
        text += L"\n\n" + platform::SystemErrorText(error);
    MessageBoxW(hwnd_, text.c_str(), kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace qennet::ui
