// An emulator that cannot be started: one message naming it, and the launcher lives on.
#include "support.h"

using namespace e2e;

using Lines = std::vector<std::string>;

TEST(LaunchFailure, MissingEmulatorIsReportedAndPlayWorksOnceItIsThere) {
    EmulatorFolder folder;
    folder.Remove(L"Vresk.exe");
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    app.Click(IDC_PLAY);
    ExpectOneMessageNaming(app, L"Vresk.exe");
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
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    app.Click(IDC_PLAY);
    ExpectOneMessageNaming(app, L"Vresk.exe");
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
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    app.DoubleClickGame(2);
    ExpectOneMessageNaming(app, L"Vresk.exe");
    EXPECT_EQ(app.Caption(), L"Vresk: Street Fighter EX (JP 961130)");
    CloseAndWait(app);
}
