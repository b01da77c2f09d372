// The ROM folder field and its folder browser.
#include "support.h"

#include <commctrl.h>
#include <shlobj.h>

using namespace e2e;

using Lines = std::vector<std::string>;

namespace {

// Opens the folder browser with the "..." button; the click is posted, so the driver is not held
// while the browser runs.
HWND OpenBrowser(Launcher& app) {
    app.Click(IDC_CONFIG_ROMS);
    return app.WaitForDialog();
}

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kDeadlineMs, &result);
    return static_cast<LRESULT>(result);
}

// The text of one of the folders in the browser's tree.
std::wstring ItemText(Launcher& app, HWND tree, LRESULT item) {
    constexpr int kTextSize = MAX_PATH;
    RemoteMemory remote(app.Process(), sizeof(TVITEMW) + kTextSize * sizeof(wchar_t));
    if (!remote.Address()) {
        return {};
    }
    TVITEMW request = {};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = static_cast<wchar_t*>(remote.Address(sizeof(TVITEMW)));
    request.cchTextMax = kTextSize;
    wchar_t text[kTextSize] = {};
    if (!remote.Write(0, &request, sizeof request) ||
        !SendTo(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Address())) ||
        !remote.Read(sizeof(TVITEMW), text, sizeof text)) {
        return {};
    }
    text[kTextSize - 1] = L'\0';
    return text;
}

// A folder on the Desktop of the prefix's user, removed again at the end of the test.
class DesktopFolder {
  public:
    explicit DesktopFolder(const std::wstring& name) : name_(name) {
        wchar_t desktop[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop))) {
            ADD_FAILURE() << "The Desktop folder is not known.";
            return;
        }
        path_ = std::wstring(desktop) + L"\\" + name;
        RemoveDirectoryW(path_.c_str()); // left by an earlier run
        if (!CreateDirectoryW(path_.c_str(), nullptr)) {
            ADD_FAILURE() << "Cannot make the folder " << WideToUtf8(path_) << ".";
        }
    }
    ~DesktopFolder() { RemoveDirectoryW(path_.c_str()); }
    DesktopFolder(const DesktopFolder&) = delete;
    DesktopFolder& operator=(const DesktopFolder&) = delete;
    const std::wstring& Name() const { return name_; }
    const std::wstring& Path() const { return path_; }

  private:
    std::wstring name_;
    std::wstring path_;
};

// Selects a folder on the browser's top level (a folder on the Desktop) as if the player had
// clicked it. The browser fills its top level before it is shown, deeper levels only as they
// are opened. Now and then Wine's browser leaves a folder on the way to a deeper one empty, and
// no selection then reaches it, however often it is asked for.
void SelectOnTopLevel(Launcher& app, HWND browser, const std::wstring& name) {
    HWND tree = FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
    ASSERT_NE(tree, nullptr) << "the browser has no folder tree";
    const LRESULT root = SendTo(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    std::string shown;
    for (LRESULT item = SendTo(tree, TVM_GETNEXTITEM, TVGN_CHILD, root); item;
         item = SendTo(tree, TVM_GETNEXTITEM, TVGN_NEXT, item)) {
        const std::wstring text = ItemText(app, tree, item);
        if (text == name) {
            SendTo(tree, TVM_SELECTITEM, TVGN_CARET, item);
            const LRESULT selected = SendTo(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
            ASSERT_EQ(selected, item)
                << "the browser did not select " << WideToUtf8(name) << "; it selected "
                << WideToUtf8(ItemText(app, tree, selected));
            return;
        }
        shown += " \"" + WideToUtf8(text) + "\"";
    }
    FAIL() << "the browser does not show " << WideToUtf8(name) << " on its top level, only"
           << shown;
}

void ExpectFocusOnTheWholeField(Launcher& app) {
    EXPECT_EQ(FocusId(app), IDC_ROMS);
    const int length = static_cast<int>(app.Text(IDC_ROMS).size());
    EXPECT_EQ(app.Selection(IDC_ROMS), std::make_pair(0, length)) << "the whole text is selected";
}

} // namespace

TEST(RomsFolder, ClickIntoTheFieldSelectsItsWholeText) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.SetText(IDC_ROMS, L"C:\\My Roms");

    app.ClickTextField(IDC_ROMS);
    ExpectFocusOnTheWholeField(app);
}

TEST(RomsFolder, CancelledBrowserLeavesTheText) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.SetText(IDC_ROMS, L"C:\\games");
    app.ClickGame(0); // the focus is elsewhere

    HWND browser = OpenBrowser(app);
    ASSERT_NE(browser, nullptr);
    app.CloseDialog(browser, IDCANCEL);

    EXPECT_EQ(app.Text(IDC_ROMS), L"C:\\games");
    ExpectFocusOnTheWholeField(app);
    EXPECT_EQ(app.ProgramsStarted(), 0);
}

TEST(RomsFolder, ConfirmedFolderWithABlankIsTakenAndQuotedByPlay) {
    EmulatorFolder folder;
    const DesktopFolder myRoms(L"Qennet test My Roms");
    ASSERT_LAUNCHED(app, folder);
    app.ClickGame(2);

    HWND browser = OpenBrowser(app);
    ASSERT_NE(browser, nullptr);
    ASSERT_NO_FATAL_FAILURE(SelectOnTopLevel(app, browser, myRoms.Name()));
    app.CloseDialog(browser, IDOK);

    const std::wstring chosen = app.Text(IDC_ROMS);
    ASSERT_EQ(_wcsicmp(chosen.c_str(), myRoms.Path().c_str()), 0)
        << "the field holds " << WideToUtf8(chosen) << " after the browser was confirmed on "
        << WideToUtf8(myRoms.Path());
    ExpectFocusOnTheWholeField(app);

    app.Click(IDC_PLAY);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              Lines{"Vresk.exe 3 --roms-directory=\"" + WideToUtf8(chosen) + "\""});
    EXPECT_EQ(Arguments(folder.Lines(L"Vresk.log").at(0)),
              (Lines{"Vresk.exe", "3", "--roms-directory=" + WideToUtf8(chosen)}));
}

TEST(RomsFolder, TypedTextIsUsedAsItIs) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.Type(IDC_ROMS, L"D:\\My Games");
    EXPECT_EQ(app.Text(IDC_ROMS), L"D:\\My Games");
    app.ClickAndWaitForProgram(IDC_PLAY);
    app.Type(IDC_ROMS, L"\b"); // everything selected, then deleted
    EXPECT_EQ(app.Text(IDC_ROMS), L"");
    app.ClickAndWaitForProgram(IDC_PLAY);
    app.Type(IDC_ROMS, L"roms2");
    app.ClickAndWaitForProgram(IDC_PLAY);

    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              (Lines{"Vresk.exe 1 --roms-directory=\"D:\\My Games\"",
                     "Vresk.exe 1 --roms-directory=", "Vresk.exe 1 --roms-directory=roms2"}));
    for (const std::string& line : folder.Lines(L"Vresk.log")) {
        EXPECT_EQ(Arguments(line).size(), 3u) << line;
    }
}

// A ROM folder that is not there is pointed out at the field without stopping anything: when the
// window opens with it stored, and when Play starts the emulator with it. A folder that is there
// and an empty text get no balloon.
TEST(RomsFolder, AFolderThatIsNotThereIsPointedOutAtTheField) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", "0\r\n0\r\n0\r\n\"Gone\"\r\n");
    folder.MakeDirectory(L"There");
    ASSERT_LAUNCHED(app, folder);
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(BalloonText(app), L"There is no folder Gone in " + folder.Path() +
                                    L". Vresk.exe may not find its games.");

    app.SetText(IDC_ROMS, L"Elsewhere\\Roms");
    app.ClickAndWaitForProgram(IDC_PLAY);
    EXPECT_EQ(BalloonText(app), L"There is no folder Roms in " + folder.PathOf(L"Elsewhere") +
                                    L". Vresk.exe may not find its games.");
    app.WaitOutTheGesture();
    app.PressKey(VK_SHIFT); // as a balloon goes
    EXPECT_EQ(BalloonText(app), L"");

    for (const wchar_t* none : {L"There", L""}) {
        app.SetText(IDC_ROMS, none);
        app.ClickAndWaitForProgram(IDC_PLAY);
        EXPECT_EQ(BalloonText(app), L"") << WideToUtf8(none);
    }
    EXPECT_EQ(folder.Lines(L"Vresk.log").size(), 3u);
}
