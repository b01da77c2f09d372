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

struct Shortcut {
    std::wstring target, arguments, folder, icon;
};

Shortcut Read(const std::wstring& file) {
    Shortcut read;
    IShellLinkW* link = nullptr;
    IPersistFile* persisted = nullptr;
    wchar_t text[1024] = {};
    int icon = -1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persisted))) &&
        SUCCEEDED(persisted->Load(file.c_str(), STGM_READ))) {
        link->GetPath(text, 1024, nullptr, 0);
        read.target = text;
        link->GetArguments(text, 1024);
        read.arguments = text;
        link->GetWorkingDirectory(text, 1024);
        read.folder = text;
        link->GetIconLocation(text, 1024, &icon);
        read.icon = text + std::wstring(L",") + std::to_wstring(icon);
    }
    if (persisted)
        persisted->Release();
    if (link)
        link->Release();
    return read;
}

// The player's desktop in the test prefix, and the shortcuts a test made there removed after it.
class Desktop {
  public:
    Desktop() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        wchar_t path[MAX_PATH] = {};
        SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path);
        path_ = path;
    }
    ~Desktop() {
        for (const std::wstring& name : made_)
            DeleteFileW(PathOf(name).c_str());
        CoUninitialize();
    }
    std::wstring PathOf(const std::wstring& name) { return path_ + L"\\" + name; }
    // Waits for the shortcut, and removes it once the test ends.
    bool Has(const std::wstring& name) {
        made_.push_back(name);
        return WaitUntil(
            [&] { return GetFileAttributesW(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES; });
    }

  private:
    std::wstring path_;
    std::vector<std::wstring> made_;
};

} // namespace

TEST(GameMenu, PlaysCopiesAndMakesShortcutsOfTheGameUnderThePointer) {
    Desktop desktop;
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.RightClickGame(4);
    EXPECT_EQ(app.Caption(), L"Vresk: Street Fighter EX Plus (US 970407)") << "selected first";
    app.PressKey('P');
    app.WaitForPrograms();
    const std::vector<std::string> played = folder.Lines(L"Vresk.log");
    ASSERT_EQ(played, std::vector<std::string>{"Vresk.exe 5 --roms-directory=Roms"});

    app.RightClickGame(4);
    app.PressKey('C');
    EXPECT_EQ(ClipboardText(app.Window()), Utf8ToWide(played[0]));

    const std::wstring emulator = folder.PathOf(L"Vresk.exe");
    for (const wchar_t* name : {L"Street Fighter EX Plus (US 970407).lnk",
                                L"Street Fighter EX Plus (US 970407) (2).lnk"}) {
        app.RightClickGame(4);
        app.PressKey('D');
        ASSERT_TRUE(desktop.Has(name)) << WideToUtf8(name);
        const Shortcut made = Read(desktop.PathOf(name));
        EXPECT_EQ(_wcsicmp(made.target.c_str(), emulator.c_str()), 0) << WideToUtf8(made.target);
        EXPECT_EQ(made.arguments, L"5 --roms-directory=Roms");
        EXPECT_EQ(_wcsicmp(made.folder.c_str(), folder.Path().c_str()), 0);
        EXPECT_EQ(_wcsicmp(made.icon.c_str(), (emulator + L",0").c_str()), 0);
    }
    app.RightClickGame(25);
    app.PressKey('D');
    EXPECT_TRUE(desktop.Has(L"Beastorizer (US) _bootleg_.lnk"));
    EXPECT_TRUE(app.OwnedDialogs().empty());
}
