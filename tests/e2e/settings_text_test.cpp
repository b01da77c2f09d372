// The ROM folder text in qennet.cfg: 8-bit text in the ANSI code page (1252 here), files saved as
// UTF-8 or UTF-16 by an editor, and texts the code page cannot hold.
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
        ASSERT_LAUNCHED(app, folder);
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
        ASSERT_LAUNCHED(app, folder);
        app.SetText(IDC_ROMS, L"\"C:\\My Roms\"");
        CloseAndWait(app);
    }
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "0\r\n0\r\n0\r\n\"C:\\My Roms\"\r\n");
    EXPECT_EQ(RomsTextAfterStart(folder), L"C:\\My Roms");
}

// A text the code page cannot hold (Japanese on a Western Windows) makes the whole file UTF-8 with
// a byte-order mark, so it always comes back; once the code page holds the text again, the file
// is ANSI again.
TEST(SettingsText, TextOutsideTheCodePageIsStoredAsUtf8AndComesBack) {
    EmulatorFolder folder;
    const std::wstring japanese = L"C:\\\u30B2\u30FC\u30E0 Roms"; // no such folder: no short name
    {
        ASSERT_LAUNCHED(app, folder);
        app.ClickGame(3);
        app.SetText(IDC_ROMS, japanese);
        CloseAndWait(app); // with nothing to report
    }
    const std::string utf8 = "\xEF\xBB\xBF"
                             "3\r\n0\r\n0\r\n\"C:\\\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0 Roms\"\r\n";
    EXPECT_EQ(folder.Read(L"qennet.cfg"), utf8);
    EXPECT_EQ(RomsTextAfterStart(folder), japanese);
    EXPECT_EQ(folder.Read(L"qennet.cfg"), utf8);

    {
        ASSERT_LAUNCHED(app, folder);
        app.SetText(IDC_ROMS, L"C:\\Jeux r\u00E9tro");
        CloseAndWait(app);
    }
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "3\r\n0\r\n0\r\n\"C:\\Jeux r\xE9tro\"\r\n");
}

// Notepad's default since Windows 10: UTF-8 without a byte-order mark.
TEST(SettingsText, FileSavedAsUtf8WithoutAMarkIsReadAsUtf8) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", "0\r\n0\r\n0\r\n\"Spiele\\R\xC3\xB6ms\"\r\n");
    EXPECT_EQ(RomsTextAfterStart(folder), L"Spiele\\R\u00F6ms");
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "0\r\n0\r\n0\r\n\"Spiele\\R\xF6ms\"\r\n")
        << "written back in the ANSI code page";
}

TEST(SettingsText, FileSavedAsUtf16IsReadAndPlayed) {
    const std::wstring text = L"4\r\n0\r\n0\r\n\"C:\\R\u00F6ms\"\r\n";
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        EmulatorFolder folder(EmulatorFolder::Standard, bigEndian ? L"BE" : L"LE");
        std::string bytes;
        for (wchar_t c : L"\uFEFF" + text) {
            const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
            bytes += bigEndian ? high : low;
            bytes += bigEndian ? low : high;
        }
        folder.Write(L"qennet.cfg", bytes);
        ASSERT_LAUNCHED(app, folder);
        EXPECT_EQ(app.GameSelection(), 4);
        EXPECT_EQ(app.Text(IDC_ROMS), L"C:\\R\u00F6ms");
        app.Click(IDC_PLAY);
        app.WaitForPrograms();
        EXPECT_EQ(folder.Lines(L"Vresk.log"),
                  std::vector<std::string>{"Vresk.exe 5 --roms-directory=C:\\R\xC3\xB6ms"});
        CloseAndWait(app);
        EXPECT_EQ(folder.Read(L"qennet.cfg"), "4\r\n0\r\n0\r\n\"C:\\R\xF6ms\"\r\n");
    }
}
