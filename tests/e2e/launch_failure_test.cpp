// An emulator that cannot be started: one message naming it, and the launcher lives on.
#include "support.h"

using namespace e2e;

using Lines = std::vector<std::string>;

TEST(LaunchFailure, MissingEmulatorIsReportedAndPlayWorksOnceItIsThere) {
    EmulatorFolder folder;
    folder.Remove(L"Vresk.exe");
    ASSERT_LAUNCHED(app, folder);

    app.Click(IDC_PLAY);
    // It names the folder it looked in, and says what to do.
    ExpectOneMessageNaming(app, L"There is no Vresk.exe in " + folder.Path());
    EXPECT_EQ(app.ProgramsStarted(), 0);

    folder.AddEmulator();
    app.Click(IDC_PLAY);
    EXPECT_EQ(app.ProgramsStarted(), 1);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{"Vresk.exe 1 --roms-directory=Roms"});
    EXPECT_EQ(Arguments(folder.Lines(L"Vresk.log").at(0)),
              (Lines{"Vresk.exe", "1", "--roms-directory=Roms"}));
    EXPECT_TRUE(app.OwnedDialogs().empty());
}

TEST(LaunchFailure, EmulatorThatIsNotAProgramIsReported) {
    EmulatorFolder folder;
    folder.Remove(L"Vresk.exe");
    folder.Write(L"Vresk.exe", "This is not a program.\r\n");
    ASSERT_LAUNCHED(app, folder);

    app.Click(IDC_PLAY);
    // The system's text names the file where it has an insert for it.
    const std::wstring text = CloseOneMessage(app);
    EXPECT_NE(text.find(L"Vresk.exe"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_EQ(text.find(L"%1"), std::wstring::npos) << WideToUtf8(text);
    // The system's text comes with a line break at its end; the message ends with its last word.
    EXPECT_EQ(text.find_last_not_of(L"\r\n "), text.size() - 1) << WideToUtf8(text);
    EXPECT_EQ(app.ProgramsStarted(), 0);

    folder.Remove(L"Vresk.exe");
    folder.AddEmulator();
    app.Click(IDC_PLAY);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{"Vresk.exe 1 --roms-directory=Roms"});
    EXPECT_EQ(Arguments(folder.Lines(L"Vresk.log").at(0)),
              (Lines{"Vresk.exe", "1", "--roms-directory=Roms"}));
}

TEST(LaunchFailure, DoubleClickWithoutEmulatorIsReported) {
    EmulatorFolder folder;
    folder.Remove(L"Vresk.exe");
    ASSERT_LAUNCHED(app, folder);

    app.DoubleClickGame(2);
    ExpectOneMessageNaming(app, L"Vresk.exe");
    EXPECT_EQ(app.Caption(), L"Vresk: Street Fighter EX (JP 961130)");
    CloseAndWait(app);
}

// The system calls a folder in the program's place a missing file; the player is told what is
// really there.
TEST(LaunchFailure, FolderInPlaceOfTheEmulatorIsNamedAsAFolder) {
    EmulatorFolder folder;
    folder.Remove(L"Vresk.exe");
    folder.MakeDirectory(L"Vresk.exe");
    ASSERT_LAUNCHED(app, folder);

    app.Click(IDC_PLAY);
    const std::wstring text = CloseOneMessage(app);
    EXPECT_NE(text.find(L"folder named Vresk.exe"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_EQ(text.find(L"not found"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_EQ(app.ProgramsStarted(), 0);
    EXPECT_TRUE(app.Running());
}

// Windows takes 32,767 characters with the terminator; a longer line would be refused, or cut
// short under Wine. Nothing is started, and the player is told why.
TEST(LaunchFailure, CommandLineLongerThanWindowsTakesIsReported) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.SetText(IDC_ROMS, std::wstring(32800, L'r'));
    app.Click(IDC_PLAY);
    const std::wstring text = CloseOneMessage(app);
    EXPECT_NE(text.find(L"Vresk.exe"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_NE(text.find(L"32766"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_EQ(app.ProgramsStarted(), 0);

    // One that fits is sent whole.
    const std::wstring longest(32766 - std::string("Vresk.exe 1 --roms-directory=").size(), L'r');
    app.SetText(IDC_ROMS, longest);
    app.Click(IDC_PLAY);
    EXPECT_EQ(app.ProgramsStarted(), 1);
    app.WaitForPrograms();
    EXPECT_EQ(Arguments(folder.Lines(L"Vresk.log").at(0)),
              (Lines{"Vresk.exe", "1", "--roms-directory=" + WideToUtf8(longest)}));
    EXPECT_TRUE(app.OwnedDialogs().empty());
}
