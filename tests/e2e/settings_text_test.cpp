// The ROM folder text in qennet.cfg: 8-bit text in the ANSI code page (1252 here), a file saved as
// UTF-8 by an editor, and the texts the format cannot hold.
#include "support.h"

using namespace e2e;

namespace {

std::wstring RomsTextAfterStart(const EmulatorFolder& folder) {
    Launcher app(folder);
    EXPECT_TRUE(app.Started());
    const std::wstring text = app.Text(IDC_ROMS);
    CloseAndWait(app);
    return text;
}

} // namespace

TEST(SettingsText, AnsiTextComesInAndGoesOutAsTheSameBytes) {
    EmulatorFolder folder;
    const std::string stored = "0\r\n0\r\n0\r\n\"C:\\Jeux r\xE9tro\"\r\n"; // é in code page 1252
    folder.Write(L"qennet.cfg", stored);
    EXPECT_EQ(RomsTextAfterStart(folder), L"C:\\Jeux r\u00E9tro");
    EXPECT_EQ(folder.Read(L"qennet.cfg"), stored);
}

TEST(SettingsText, FileSavedAsUtf8WithLineFeedsIsRead) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", "\xEF\xBB\xBF"
                                "5\n1\n2\n\"C:\\Jeux r\xC3\xA9tro\"\n");
    {
        Launcher app(folder);
        ASSERT_TRUE(app.Started());
        EXPECT_EQ(app.GameSelection(), 5);
        EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 1);
        EXPECT_EQ(app.ComboSelection(IDC_CONTROLLER), 2);
        EXPECT_EQ(app.Text(IDC_ROMS), L"C:\\Jeux r\u00E9tro");
        CloseAndWait(app);
    }
    // Written back in the launcher's own format.
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "5\r\n1\r\n2\r\n\"C:\\Jeux r\xE9tro\"\r\n");
}

TEST(SettingsText, QuotationMarksAroundAPathAreLeftOut) {
    EmulatorFolder folder;
    {
        Launcher app(folder);
        ASSERT_TRUE(app.Started());
        app.SetText(IDC_ROMS, L"\"C:\\My Roms\"");
        CloseAndWait(app);
    }
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "0\r\n0\r\n0\r\n\"C:\\My Roms\"\r\n");
    EXPECT_EQ(RomsTextAfterStart(folder), L"C:\\My Roms");
}

// A folder name the code page cannot hold is stored by its short name, which names the same
// folder in plain characters.
TEST(SettingsText, FolderOutsideTheCodePageIsStoredByItsShortName) {
    EmulatorFolder folder;
    const std::wstring name = L"\u30B2\u30FC\u30E0 Roms"; // Japanese, then " Roms"
    folder.MakeDirectory(name);
    {
        Launcher app(folder);
        ASSERT_TRUE(app.Started());
        app.SetText(IDC_ROMS, name);
        CloseAndWait(app);
    }
    const std::string stored = folder.Read(L"qennet.cfg");
    for (unsigned char c : stored) {
        EXPECT_LT(c, 0x80) << "stored: " << stored;
    }
    const std::wstring restored = RomsTextAfterStart(folder);
    ASSERT_FALSE(restored.empty());
    EXPECT_NE(restored, L"Roms");
    // The short name leads to the same folder.
    wchar_t longPath[MAX_PATH] = {};
    ASSERT_NE(GetLongPathNameW(folder.PathOf(restored).c_str(), longPath, MAX_PATH), 0u)
        << Narrow(restored);
    EXPECT_EQ(CompareStringOrdinal(longPath, -1, folder.PathOf(name).c_str(), -1, TRUE), CSTR_EQUAL)
        << Narrow(longPath);
}

// With no folder behind the text there is no short name either: the player is told, and the next
// start has the default.
TEST(SettingsText, TextOutsideTheCodePageWithoutAFolderIsReported) {
    EmulatorFolder folder;
    Launcher app(folder);
    ASSERT_TRUE(app.Started());
    app.ClickGame(3);
    app.SetText(IDC_ROMS, L"C:\\\u30B2\u30FC\u30E0");
    app.Close(CloseBy::QuitButton);
    HWND box = app.WaitForDialog();
    ASSERT_NE(box, nullptr) << "no message about the ROM folder";
    const std::wstring text = Launcher::DialogText(box);
    EXPECT_NE(text.find(L"C:\\\u30B2\u30FC\u30E0"), std::wstring::npos) << Narrow(text);
    EXPECT_NE(text.find(L"qennet.cfg"), std::wstring::npos) << Narrow(text);
    app.CloseDialog(box);
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "3\r\n0\r\n0\r\n\"Roms\"\r\n")
        << "the other choices are saved";
}
