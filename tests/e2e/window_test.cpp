// The window as it opens: caption, game list, controls, selection and closing.
#include "support.h"

#include <commctrl.h>

#include <utility>
#include <vector>

using namespace e2e;

namespace {

bool ClassIs(HWND window, const wchar_t* expected) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    // Visual-style controls may carry a version prefix ("6.0.0.0!Button"); the kind is the end.
    const size_t length = wcslen(name);
    const size_t wanted = wcslen(expected);
    return length >= wanted && _wcsicmp(name + length - wanted, expected) == 0;
}

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

} // namespace

TEST(Window, FirstStartSelectsTheFirstGameAndTheDefaults) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    EXPECT_EQ(app.Caption(), L"Vresk: Star Gladiator (US 960627)");
    EXPECT_EQ(app.GameSelection(), 0);
    EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 0);
    EXPECT_EQ(app.ComboSelection(IDC_CONTROLLER), 0);
    EXPECT_EQ(app.Text(IDC_ROMS), L"Roms");
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER));
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_CONTROLLER));
    EXPECT_TRUE(app.Enabled(IDC_CONFIG_ROMS));
    EXPECT_TRUE(app.Enabled(IDC_PLAY));
    EXPECT_TRUE(app.Enabled(IDC_QUIT));
    EXPECT_TRUE(app.OwnedDialogs().empty());
    EXPECT_EQ(app.ProgramsStarted(), 0);
}

TEST(Window, GameListShowsTheCatalogueInOrder) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    ASSERT_EQ(app.GameCount(), 71);
    EXPECT_EQ(app.GameTitle(0), L"Star Gladiator (US 960627)");
    EXPECT_EQ(app.GameTitle(1), L"Street Fighter EX (US 961219)");
    EXPECT_EQ(app.GameTitle(25), L"Beastorizer (US) *bootleg*");
    EXPECT_EQ(app.GameTitle(37), L"G-Darius Ver.2 (JP 2.03J)");
    EXPECT_EQ(app.GameTitle(38), L"Dancing Eyes (JP) Ver. A");
    EXPECT_EQ(app.GameTitle(59), L"Ehrgeiz (US) Ver. A");
    EXPECT_EQ(app.GameTitle(67), L"Dead or Alive++");
    EXPECT_EQ(app.GameTitle(70), L"Heaven's Gate");
}

TEST(Window, ControlsAreStandardControlsWithTheirCaptions) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    HWND games = app.Control(IDC_GAMES);
    EXPECT_TRUE(ClassIs(games, L"ListBox"));
    EXPECT_EQ(StyleOf(games) & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL), 0);

    for (int id : {IDC_RENDERER, IDC_CONTROLLER}) {
        HWND combo = app.Control(id);
        EXPECT_TRUE(ClassIs(combo, L"ComboBox")) << "control " << id;
        EXPECT_EQ(StyleOf(combo) & 3, CBS_DROPDOWNLIST) << "control " << id;
        EXPECT_EQ(StyleOf(combo) & CBS_SORT, 0) << "control " << id;
    }

    HWND field = app.Control(IDC_ROMS);
    EXPECT_TRUE(ClassIs(field, L"Edit"));
    EXPECT_EQ(StyleOf(field) & ES_MULTILINE, 0);

    const struct {
        int id;
        const wchar_t* caption;
        const wchar_t* kind;
    } captioned[] = {
        {IDC_RENDERER_LABEL, L"Renderer", L"Static"},
        {IDC_CONTROLLER_LABEL, L"Controller Config File", L"Static"},
        {IDC_ROMS_LABEL, L"Roms Directory", L"Static"},
        {IDC_CONFIG_RENDERER, L"...", L"Button"},
        {IDC_CONFIG_CONTROLLER, L"...", L"Button"},
        {IDC_CONFIG_ROMS, L"...", L"Button"},
        {IDC_PLAY, L"Play", L"Button"},
        {IDC_QUIT, L"Quit", L"Button"},
    };
    for (const auto& control : captioned) {
        EXPECT_EQ(app.Text(control.id), control.caption) << "control " << control.id;
        EXPECT_TRUE(ClassIs(app.Control(control.id), control.kind)) << "control " << control.id;
        if (_wcsicmp(control.kind, L"Button") == 0) {
            const LONG type = StyleOf(app.Control(control.id)) & BS_TYPEMASK;
            EXPECT_TRUE(type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
                << "control " << control.id;
        }
    }
}

TEST(Window, ClickingAGameShowsItsTitleInTheCaption) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.ClickGame(70);
    EXPECT_EQ(app.GameSelection(), 70);
    EXPECT_EQ(app.Caption(), L"Vresk: Heaven's Gate");

    app.ClickGame(25);
    EXPECT_EQ(app.Caption(), L"Vresk: Beastorizer (US) *bootleg*");

    app.ClickGame(37);
    EXPECT_EQ(app.Caption(), L"Vresk: G-Darius Ver.2 (JP 2.03J)");

    app.ClickGame(0);
    EXPECT_EQ(app.Caption(), L"Vresk: Star Gladiator (US 960627)");

    EXPECT_EQ(app.ProgramsStarted(), 0) << "selecting a game started a program";
}

TEST(Window, QuitEndsTheProgram) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    CloseAndWait(app);
    EXPECT_EQ(app.ProgramsStarted(), 0);
}

TEST(Window, CloseBoxEndsTheProgram) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    CloseAndWait(app, CloseBy::CloseBox);
    EXPECT_EQ(app.ProgramsStarted(), 0);
}

// Screen readers name a field by the label just before it in z-order.
TEST(Window, EachLabelComesRightBeforeItsField) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    for (const auto& [label, field] :
         {std::pair{IDC_RENDERER_LABEL, IDC_RENDERER},
          std::pair{IDC_CONTROLLER_LABEL, IDC_CONTROLLER}, std::pair{IDC_ROMS_LABEL, IDC_ROMS}}) {
        EXPECT_EQ(GetWindow(app.Control(label), GW_HWNDNEXT), app.Control(field))
            << WideToUtf8(app.Text(label));
    }
}

// Explorer and the task bar show the program's own icon and version.
TEST(Window, ProgramCarriesItsIconAndVersion) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    const std::wstring exe = folder.PathOf(L"qennet.exe");
    HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(IDI_QENNET), RT_GROUP_ICON), nullptr)
        << "no application icon";
    // Windows takes a program without an execution level whose texts name an installer's work for
    // an installer, and asks for administrator rights; with one, the program loses the emulator's
    // view of a folder under Program Files (see the README).
    auto lowered = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return text;
    };
    auto expectNoInstallerWord = [](const std::string& text, const char* where) {
        for (const char* word : {"setup", "install", "update", "patch"})
            EXPECT_EQ(text.find(word), std::string::npos) << where << " says " << word;
    };
    HRSRC manifestResource = FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifestResource, nullptr) << "no manifest";
    const std::string manifest(
        static_cast<const char*>(LockResource(LoadResource(image, manifestResource))),
        SizeofResource(image, manifestResource));
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
    expectNoInstallerWord(lowered(manifest), "the manifest");
    FreeLibrary(image);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
    for (const auto& [key, expected] :
         {std::pair{L"ProductName", L"Qennet"}, std::pair{L"OriginalFilename", L"qennet.exe"}}) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        ASSERT_TRUE(
            VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << WideToUtf8(key);
        EXPECT_EQ(std::wstring(value), expected);
    }
    for (const wchar_t* key : {L"CompanyName", L"FileDescription", L"InternalName",
                               L"OriginalFilename", L"ProductName", L"LegalCopyright"}) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        if (VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            expectNoInstallerWord(lowered(WideToUtf8(value)), WideToUtf8(key).c_str());
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_NE(fixed->dwFileVersionMS | fixed->dwFileVersionLS, 0u) << "version 0.0.0.0";
    // The manifest names the same version.
    const std::string version = WideToUtf8(std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                           std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                                           std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                                           std::to_wstring(LOWORD(fixed->dwFileVersionLS)));
    EXPECT_NE(manifest.find("name=\"Qennet.Launcher\" version=\"" + version + "\""),
              std::string::npos)
        << manifest;
}

namespace {

// The tooltip owned by the launcher's window (not the ROM field's balloon), or nullptr.
HWND Tooltip(const Launcher& app) {
    return FirstOf(TopLevelWindows(ProcessOf(app.Window()), [&](HWND window) {
        return ClassIs(window, TOOLTIPS_CLASSW) && GetWindow(window, GW_OWNER) == app.Window() &&
               !(GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON);
    }));
}

// Each tool of a tooltip owned by the launcher, as the button it belongs to and its text. The
// tooltip reads and writes the request in its own process, so the request lives there.
std::vector<std::pair<HWND, std::wstring>> TipsOf(const Launcher& app, HWND tips) {
    std::vector<std::pair<HWND, std::wstring>> tools;
    constexpr SIZE_T kText = 256;
    const RemoteMemory remote(app.Process(), sizeof(TTTOOLINFOW) + kText * sizeof(wchar_t));
    if (!remote.Address()) {
        ADD_FAILURE() << "Cannot allocate memory in the launcher.";
        return tools;
    }
    const auto count = static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.lpszText = static_cast<wchar_t*>(remote.Address(sizeof tool));
        wchar_t text[kText] = {};
        if (!remote.Write(0, &tool, sizeof tool) ||
            !SendMessageW(tips, TTM_ENUMTOOLSW, index,
                          reinterpret_cast<LPARAM>(remote.Address())) ||
            !remote.Read(0, &tool, sizeof tool) || !remote.Read(sizeof tool, text, sizeof text)) {
            ADD_FAILURE() << "Cannot read tool " << index;
            continue;
        }
        text[kText - 1] = L'\0';
        tools.emplace_back(reinterpret_cast<HWND>(tool.uId), text);
    }
    return tools;
}

} // namespace

// Sighted players see what each "..." does in a tooltip, as screen readers announce it. The
// tooltip is made when the mouse first comes over the window, not at start-up.
TEST(Window, ConfigureButtonsShowWhatTheyDoInATooltip) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    // What the system sends as the mouse comes over the game list (as when the window opens
    // under the mouse): no tooltip is made for that, it would only slow the start. (Over a title
    // the list cuts off, one shows it whole.)
    RECT shortTitle = {};
    SendMessageW(app.Control(IDC_GAMES), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&shortTitle));
    MapWindowPoints(app.Control(IDC_GAMES), nullptr, reinterpret_cast<POINT*>(&shortTitle), 2);
    SetCursorPos(shortTitle.left + 4, shortTitle.top + 2);
    SendMessageW(app.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(app.Control(IDC_GAMES)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(Tooltip(app), nullptr) << "a tooltip made with the mouse over the game list";

    // Then over the ROM folder's "..." button.
    SendMessageW(app.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(app.Control(IDC_CONFIG_ROMS)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HWND tips = Tooltip(app);
    ASSERT_NE(tips, nullptr) << "no tooltip";
    EXPECT_EQ(TipsOf(app, tips),
              (std::vector<std::pair<HWND, std::wstring>>{
                  {app.Control(IDC_CONFIG_RENDERER), L"Renderer settings"},
                  {app.Control(IDC_CONFIG_CONTROLLER), L"Controller settings"},
                  {app.Control(IDC_CONFIG_ROMS), L"Browse for the ROM folder"}}));
    // The buttons keep their captions.
    EXPECT_EQ(app.Text(IDC_CONFIG_ROMS), L"...");

    // The tooltip shows the window's font, for the window's DPI also after a change.
    auto fontOf = [](HWND window) { return SendMessageW(window, WM_GETFONT, 0, 0); };
    EXPECT_EQ(fontOf(tips), fontOf(app.Control(IDC_PLAY)));
    RECT frame = {};
    GetWindowRect(app.Window(), &frame);
    app.ChangeDpi(144, frame);
    EXPECT_EQ(fontOf(tips), fontOf(app.Control(IDC_PLAY))) << "after a DPI change";
}
