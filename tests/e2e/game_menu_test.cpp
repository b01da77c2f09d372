// The game list's menu, checked through what its items do (another process cannot read a menu's
// items under Wine): Play, the command line on the clipboard, and the game's desktop shortcut.
#include "support.h"

#include <objbase.h>
#include <shlobj.h>

using namespace e2e;

namespace {

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!WaitUntil([&] { return OpenClipboard(owner) != FALSE; }))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// What a shortcut on the desktop holds: its program, arguments, "Start in" folder, icon and
// comment.
std::vector<std::wstring> Holding(const std::wstring& file) {
    std::vector<std::wstring> held;
    IShellLinkW* link = nullptr;
    IPersistFile* persisted = nullptr;
    wchar_t text[5][1024] = {};
    int icon = -1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persisted))) &&
        SUCCEEDED(persisted->Load(file.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(text[0], 1024, nullptr, 0)) &&
        SUCCEEDED(link->GetArguments(text[1], 1024)) &&
        SUCCEEDED(link->GetWorkingDirectory(text[2], 1024)) &&
        SUCCEEDED(link->GetIconLocation(text[3], 1024, &icon)) &&
        SUCCEEDED(link->GetDescription(text[4], 1024)))
        held = {CharUpperW(text[0]), text[1], CharUpperW(text[2]),
                CharUpperW(text[3]) + std::wstring(L",") + std::to_wstring(icon), text[4]};
    if (persisted)
        persisted->Release();
    if (link)
        link->Release();
    return held;
}

std::wstring Upper(std::wstring text) {
    CharUpperW(text.data());
    return text;
}

// Runs the line in Command Prompt in the folder, as a player would paste it there.
void RunInCommandPrompt(const std::wstring& line, const std::wstring& folder) {
    std::wstring command = L"cmd /c " + line;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, folder.c_str(), &startup, &started));
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

} // namespace

TEST(GameMenu, PlaysCopiesAndMakesShortcutsOfTheGameUnderThePointer) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    // A folder that Command Prompt would split the line at, were it not quoted.
    app.SetText(IDC_ROMS, L"Roms&More(1)^");
    app.RightClickGame(4);
    EXPECT_EQ(app.Caption(), L"Vresk: Street Fighter EX Plus (US 970407)") << "selected first";
    app.PressKey('P');
    app.WaitForPrograms();
    const std::vector<std::string> played = folder.Lines(L"Vresk.log");
    ASSERT_EQ(played, std::vector<std::string>{"Vresk.exe 5 --roms-directory=Roms&More(1)^"});

    // The copy runs as it stands and gives the emulator what Play gave it.
    app.RightClickGame(4);
    app.PressKey('C');
    const std::wstring expected = L".\\Vresk.exe 5 --roms-directory=\"Roms&More(1)^\"";
    std::wstring copied;
    EXPECT_TRUE(WaitUntil([&] { return (copied = ClipboardText(app.Window())) == expected; }))
        << WideToUtf8(copied);
    RunInCommandPrompt(copied, folder.Path());
    ASSERT_TRUE(WaitUntil([&] { return folder.Lines(L"Vresk.log").size() == 2; }));
    std::vector<std::string> fromPrompt = Arguments(folder.Lines(L"Vresk.log")[1]);
    fromPrompt[0] = "Vresk.exe"; // ".\\Vresk.exe"
    EXPECT_EQ(fromPrompt, Arguments(played[0]));
    // A key once the gesture is over dismisses the balloon Play showed for the missing folder.
    const auto dismiss = [&] {
        ASSERT_TRUE(app.Flush());
        app.WaitOutTheGesture();
        app.PressKey(VK_SHIFT);
        EXPECT_EQ(BalloonText(app), L"");
    };
    dismiss();

    // Made twice, then for game 26, whose title holds characters a file name cannot; each made
    // with the folder that is not there points it out at the field.
    const std::wstring emulator = Upper(folder.PathOf(L"Vresk.exe"));
    std::vector<std::wstring> made;
    for (const auto& [game, name] :
         {std::pair<int, const wchar_t*>{4, L"Street Fighter EX Plus (US 970407).lnk"},
          {4, L"Street Fighter EX Plus (US 970407) (2).lnk"},
          {25, L"Beastorizer (US) _bootleg_.lnk"}}) {
        app.RightClickGame(game);
        app.PressKey('D');
        const std::wstring& file = made.emplace_back(std::wstring(desktop) + L"\\" + name);
        EXPECT_TRUE(WaitUntil([&] {
            return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
        })) << WideToUtf8(name);
        EXPECT_EQ(Holding(file),
                  (std::vector<std::wstring>{
                      emulator, std::to_wstring(game + 1) + L" --roms-directory=Roms&More(1)^",
                      Upper(folder.Path()), emulator + L",0", app.GameTitle(game)}));
        EXPECT_TRUE(WaitUntil(
            [&] { return BalloonText(app).find(L"Roms&More(1)^") != std::wstring::npos; }));
        dismiss();
    }
    for (const std::wstring& file : made)
        DeleteFileW(file.c_str());
    EXPECT_TRUE(app.OwnedDialogs().empty());
    CoUninitialize();
}
