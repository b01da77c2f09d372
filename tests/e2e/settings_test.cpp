// qennet.cfg: written at every close, read as the window opens, and never a reason to crash or
// to refuse closing.
#include "support.h"

#include <algorithm>

using namespace e2e;

using Lines = std::vector<std::string>;

namespace {

const char kDefaults[] = "0\r\n0\r\n0\r\n\"Roms\"\r\n";

// The names in the folder that are not in `before`.
std::vector<std::wstring> NewNames(const EmulatorFolder& folder,
                                   const std::vector<std::wstring>& before) {
    std::vector<std::wstring> added;
    for (const std::wstring& name : folder.List()) {
        if (std::find(before.begin(), before.end(), name) == before.end()) {
            added.push_back(name);
        }
    }
    return added;
}

// The message about the settings file comes while closing; after it the launcher still ends
// cleanly, and nothing is left behind in the folder.
void ExpectSaveFailureReported(Launcher& app, const EmulatorFolder& folder,
                               const std::vector<std::wstring>& before, const wchar_t* cause) {
    app.Close(CloseBy::QuitButton);
    HWND box = app.WaitForDialog();
    ASSERT_NE(box, nullptr) << "no message about qennet.cfg";
    EXPECT_EQ(Launcher::WindowTitle(box), L"Qennet");
    const std::wstring text = Launcher::DialogText(box);
    EXPECT_NE(text.find(L"qennet.cfg"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_NE(text.find(cause), std::wstring::npos) << WideToUtf8(text); // not "Access is denied."
    app.CloseDialog(box);
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_EQ(NewNames(folder, before), std::vector<std::wstring>{})
        << "a temporary file was left behind";
}

} // namespace

TEST(Settings, FirstStartThenQuitWritesTheDefaults) {
    EmulatorFolder folder;
    const auto before = folder.List();
    ASSERT_LAUNCHED(app, folder);
    CloseAndWait(app);

    EXPECT_EQ(folder.Read(L"qennet.cfg"), kDefaults);
    EXPECT_EQ(NewNames(folder, before), std::vector<std::wstring>{L"qennet.cfg"})
        << "only qennet.cfg may be added";
}

TEST(Settings, QuitCloseBoxAndCloseMessageWriteTheSameBytes) {
    EmulatorFolder folder;
    for (CloseBy how : {CloseBy::QuitButton, CloseBy::CloseBox, CloseBy::CloseMessage}) {
        if (folder.Exists(L"qennet.cfg")) {
            folder.Remove(L"qennet.cfg");
        }
        ASSERT_LAUNCHED(app, folder);
        app.ClickGame(2);
        app.SelectCombo(IDC_RENDERER, 1);
        app.SelectCombo(IDC_CONTROLLER, 2);
        app.SetText(IDC_ROMS, L"C:\\My Roms");
        CloseAndWait(app, how);
        EXPECT_EQ(folder.Read(L"qennet.cfg"), "2\r\n1\r\n2\r\n\"C:\\My Roms\"\r\n")
            << "closed by way " << static_cast<int>(how);
    }
}

TEST(Settings, ChoicesSurviveARestart) {
    EmulatorFolder folder;
    folder.AddPlugin(L"ogl2_renderer.vrk");
    {
        ASSERT_LAUNCHED(app, folder);
        app.ClickGame(70);
        app.SelectCombo(IDC_RENDERER, 5);
        app.SelectCombo(IDC_CONTROLLER, 3);
        app.SetText(IDC_ROMS, L"D:\\roms");
        CloseAndWait(app);
    }
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "70\r\n5\r\n3\r\n\"D:\\roms\"\r\n");

    // The same values written another way: a field also ends at a comma.
    folder.Write(L"qennet.cfg", "70,5,3,\"D:\\roms\"\r\n");
    {
        ASSERT_LAUNCHED(app, folder);
        EXPECT_EQ(app.Caption(), L"Vresk: Heaven's Gate");
        EXPECT_EQ(app.GameSelection(), 70);
        EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 5);
        EXPECT_EQ(app.ComboSelection(IDC_CONTROLLER), 3);
        EXPECT_EQ(app.Text(IDC_ROMS), L"D:\\roms");
        EXPECT_TRUE(app.Enabled(IDC_CONFIG_RENDERER));
        EXPECT_TRUE(app.Enabled(IDC_CONFIG_CONTROLLER));
        CloseAndWait(app, CloseBy::CloseBox);
    }
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "70\r\n5\r\n3\r\n\"D:\\roms\"\r\n")
        << "the file is rewritten at every close";
}

TEST(Settings, RestoredChoicesSetTheConfigureButtonsByTheFolder) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", "4\r\n2\r\n0\r\n\"Roms\"\r\n");
    {
        ASSERT_LAUNCHED(app, folder);
        EXPECT_EQ(app.Caption(), L"Vresk: Street Fighter EX Plus (US 970407)");
        EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 2);
        EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER)) << "soft_renderer.vrk is missing";
        EXPECT_FALSE(app.Enabled(IDC_CONFIG_CONTROLLER)) << "scope Default";
    }
    folder.AddPlugin(L"soft_renderer.vrk");
    {
        ASSERT_LAUNCHED(app, folder);
        EXPECT_TRUE(app.Enabled(IDC_CONFIG_RENDERER)) << "soft_renderer.vrk is there";
    }
}

// The band of working folders where a path the save uses passes MAX_PATH, at two points: 247
// characters, where qennet.cfg's is within it and its temporary file's is not, and its end at 258,
// the longest working folder Windows takes (with the closing backslash and the NUL, MAX_PATH).
TEST(Settings, LongWorkingFolderReadsAndSavesItsChoices) {
    const size_t shortest = EmulatorFolder(EmulatorFolder::Empty, L"-").Path().size();
    ASSERT_LT(shortest, 247u);
    // Started from a shorter folder: a program's own path must stay within MAX_PATH.
    EmulatorFolder launcherFolder(EmulatorFolder::LauncherOnly, L"launcher");
    for (size_t length : {247u, 258u}) {
        EmulatorFolder folder(EmulatorFolder::Empty, L"-" + std::wstring(length - shortest, L'x'));
        ASSERT_EQ(folder.Path().size(), length);
        folder.Write(L"qennet.cfg", "3\r\n0\r\n0\r\n\"Roms\"\r\n");
        ASSERT_LAUNCHED(app, folder, launcherFolder.PathOf(L"qennet.exe"));
        EXPECT_EQ(app.GameSelection(), 3);
        app.ClickGame(9);
        CloseAndWait(app);
        EXPECT_EQ(folder.Read(L"qennet.cfg"), "9\r\n0\r\n0\r\n\"Roms\"\r\n");
    }
}

TEST(Settings, RomsFolderWithCommaAndBlanksComesBack) {
    EmulatorFolder folder;
    {
        ASSERT_LAUNCHED(app, folder);
        app.SetText(IDC_ROMS, L"C:\\My Roms, old");
        CloseAndWait(app);
    }
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "0\r\n0\r\n0\r\n\"C:\\My Roms, old\"\r\n");
    ASSERT_LAUNCHED(app, folder);
    EXPECT_EQ(app.Text(IDC_ROMS), L"C:\\My Roms, old");
}

TEST(Settings, StoredNoGameLeavesNothingSelectedAndPlaysNumberZero) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", "-1\r\n0\r\n0\r\n\"Roms\"\r\n");
    ASSERT_LAUNCHED(app, folder);

    EXPECT_EQ(app.Caption(), L"Vresk");
    EXPECT_EQ(app.GameSelection(), -1);
    app.Click(IDC_PLAY);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{"Vresk.exe 0 --roms-directory=Roms"});
    EXPECT_EQ(Arguments(folder.Lines(L"Vresk.log").at(0)),
              (Lines{"Vresk.exe", "0", "--roms-directory=Roms"}));

    CloseAndWait(app);
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "-1\r\n0\r\n0\r\n\"Roms\"\r\n");
}

TEST(Settings, GarbledFileOpensWithDefaultsAndIsRewrittenValid) {
    EmulatorFolder folder;
    const char garbled[] = "\x01\x02garbage\xff\r\nnot a number\r\n";
    folder.Write(L"qennet.cfg", std::string(garbled, sizeof garbled - 1));
    ASSERT_LAUNCHED(app, folder);

    EXPECT_EQ(app.Caption(), L"Vresk: Star Gladiator (US 960627)");
    EXPECT_EQ(app.GameSelection(), 0);
    EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 0);
    EXPECT_EQ(app.ComboSelection(IDC_CONTROLLER), 0);
    CloseAndWait(app);
    EXPECT_EQ(folder.Read(L"qennet.cfg"), kDefaults);
}

TEST(Settings, ShortFileKeepsWhatItHas) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", "7\r\n");
    ASSERT_LAUNCHED(app, folder);

    EXPECT_EQ(app.Caption(), L"Vresk: Street Fighter EX 2 (US 980526)");
    EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 0);
    EXPECT_EQ(app.ComboSelection(IDC_CONTROLLER), 0);
    EXPECT_EQ(app.Text(IDC_ROMS), L"Roms");
    CloseAndWait(app);
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "7\r\n0\r\n0\r\n\"Roms\"\r\n");
}

TEST(Settings, ReadOnlyFileIsReportedAndLeftAlone) {
    EmulatorFolder folder;
    const std::string stored = "3\r\n0\r\n0\r\n\"Roms\"\r\n";
    folder.Write(L"qennet.cfg", stored);
    folder.SetAttributes(L"qennet.cfg", FILE_ATTRIBUTE_READONLY);
    const auto before = folder.List();
    ASSERT_LAUNCHED(app, folder);
    app.ClickGame(9);

    ExpectSaveFailureReported(app, folder, before, L"qennet.cfg is read-only.");
    EXPECT_EQ(folder.Read(L"qennet.cfg"), stored);
    EXPECT_EQ(GetFileAttributesW(folder.PathOf(L"qennet.cfg").c_str()) & FILE_ATTRIBUTE_READONLY,
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
}

TEST(Settings, FileHeldOpenByAnotherProgramIsReported) {
    EmulatorFolder folder;
    const std::string stored = "3\r\n0\r\n0\r\n\"Roms\"\r\n";
    folder.Write(L"qennet.cfg", stored);
    const auto before = folder.List();
    ASSERT_LAUNCHED(app, folder);
    EXPECT_EQ(app.GameSelection(), 3);
    app.ClickGame(9);

    // Another program holds the file open and lets nobody else write, replace or delete it.
    Handle held(CreateFileW(folder.PathOf(L"qennet.cfg").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.Valid());
    ExpectSaveFailureReported(app, folder, before, L"Another program");
    held.Reset();
    EXPECT_EQ(folder.Read(L"qennet.cfg"), stored);
}

TEST(Settings, FolderInPlaceOfTheFileIsReported) {
    EmulatorFolder folder;
    folder.MakeDirectory(L"qennet.cfg");
    const auto before = folder.List();
    ASSERT_LAUNCHED(app, folder);
    EXPECT_EQ(app.Caption(), L"Vresk: Star Gladiator (US 960627)");

    ExpectSaveFailureReported(app, folder, before, L"There is a folder named qennet.cfg");
    EXPECT_TRUE(GetFileAttributesW(folder.PathOf(L"qennet.cfg").c_str()) &
                FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Settings, LogOffSavesTheChoicesWithoutAWord) {
    EmulatorFolder folder;
    {
        ASSERT_LAUNCHED(app, folder);
        // A log-off another program cancelled first: the session goes on, and so do the saves.
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutW(app.Window(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF,
                                        SMTO_NORMAL, kDeadlineMs, &answer));
        app.ClickGame(9);
        app.SetText(IDC_ROMS, L"D:\\roms");
        // Windows asks, announces the end of the session, and then ends the process: no WM_CLOSE.
        ASSERT_TRUE(SendMessageTimeoutW(app.Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                        SMTO_NORMAL, kDeadlineMs, &answer));
        EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE)) << "the launcher held up the log-off";
        ASSERT_TRUE(SendMessageTimeoutW(app.Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                        SMTO_NORMAL, kDeadlineMs, &answer));
        TerminateProcess(app.Process(), 0);
        WaitForSingleObject(app.Process(), kDeadlineMs);
    }
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "9\r\n0\r\n0\r\n\"D:\\roms\"\r\n");

    // A save that fails shows nothing: a message box would hold up the log-off.
    folder.SetAttributes(L"qennet.cfg", FILE_ATTRIBUTE_READONLY);
    ASSERT_LAUNCHED(app, folder);
    app.ClickGame(3);
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutW(app.Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                    SMTO_NORMAL, kDeadlineMs, &answer))
        << "the launcher was still busy with the end of the session";
    EXPECT_TRUE(app.OwnedDialogs().empty());
}

// A restart for updates announces the end of the session, then closes the window. The choices are
// saved once, quietly, in the folder the launcher started in, also while a plug-in's dialog has
// moved the working folder; the window closes once the dialog does, and a failed save shows
// nothing.
TEST(Settings, RestartForUpdatesSavesOnceWhereTheLauncherStarted) {
    auto restartForUpdates = [](Launcher& app) {
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutW(app.Window(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP,
                                        SMTO_NORMAL, kDeadlineMs, &answer));
        ASSERT_TRUE(SendMessageTimeoutW(app.Window(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP,
                                        SMTO_NORMAL, kDeadlineMs, &answer));
        ASSERT_TRUE(PostMessageW(app.Window(), WM_CLOSE, 0, 0));
    };
    EmulatorFolder folder;
    folder.MakeDirectory(L"elsewhere");
    folder.AddPlugin(L"ogl2_renderer.vrk");
    folder.Write(L"plugin-actions.txt",
                 "chdir " + WideToUtf8(folder.PathOf(L"elsewhere")) + "\r\ndialog\r\n");
    {
        ASSERT_LAUNCHED(app, folder);
        app.SelectCombo(IDC_RENDERER, 5);
        app.Click(IDC_CONFIG_RENDERER);
        HWND dialog = app.WaitForDialogTitled(L"Stand-in plug-in");
        ASSERT_NE(dialog, nullptr);
        app.SetText(IDC_ROMS, L"E:\\later");
        restartForUpdates(app);
        app.Flush();
        EXPECT_TRUE(app.Running()) << "ended under the plug-in's dialog";
        EXPECT_EQ(folder.Read(L"qennet.cfg"), "0\r\n5\r\n0\r\n\"E:\\later\"\r\n");
        EXPECT_FALSE(folder.Exists(L"elsewhere\\qennet.cfg"));
        folder.SetAttributes(L"qennet.cfg", FILE_ATTRIBUTE_READONLY); // saving twice would fail
        app.CloseDialog(dialog);
        EXPECT_EQ(app.WaitForExit(), 0u);
    }
    ASSERT_LAUNCHED(app, folder);
    restartForUpdates(app);
    EXPECT_EQ(app.WaitForExit(), 0u) << "a message held up the restart";
}

TEST(Settings, HiddenOrSystemFileIsReadAndKeepsItsAttribute) {
    EmulatorFolder folder;
    for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        SCOPED_TRACE(attribute);
        folder.Write(L"qennet.cfg", "3\r\n1\r\n0\r\n\"D:\\roms\"\r\n");
        folder.SetAttributes(L"qennet.cfg", attribute);
        const auto before = folder.List();
        {
            ASSERT_LAUNCHED(app, folder);
            EXPECT_EQ(app.GameSelection(), 3);
            EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 1);
            EXPECT_EQ(app.Text(IDC_ROMS), L"D:\\roms");
            app.ClickGame(9);
            CloseAndWait(app);
        }
        EXPECT_EQ(folder.Read(L"qennet.cfg"), "9\r\n1\r\n0\r\n\"D:\\roms\"\r\n");
        EXPECT_EQ(GetFileAttributesW(folder.PathOf(L"qennet.cfg").c_str()) &
                      (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
                  attribute);
        EXPECT_EQ(NewNames(folder, before), std::vector<std::wstring>{});
        folder.Remove(L"qennet.cfg");
    }
}

// Whatever held the file at start, the player's stored choices are not replaced by defaults the
// player never chose: the launcher says so once, and leaves the file as it is.
TEST(Settings, FileThatCannotBeReadAtStartIsToldOnceAndLeftAlone) {
    EmulatorFolder folder;
    const std::string stored = "3\r\n0\r\n0\r\n\"D:\\roms\"\r\n";
    folder.Write(L"qennet.cfg", stored);
    const auto before = folder.List();
    // Another program holds it open and lets nobody else read it.
    Handle held(CreateFileW(folder.PathOf(L"qennet.cfg").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.Valid());
    ASSERT_LAUNCHED(app, folder);
    ExpectOneMessageNaming(app, L"qennet.cfg");
    held.Reset();
    EXPECT_EQ(app.GameSelection(), 0) << "the defaults are shown";
    EXPECT_EQ(app.Text(IDC_ROMS), L"Roms");

    app.ClickGame(9);
    CloseAndWait(app); // with nothing more to say
    EXPECT_EQ(folder.Read(L"qennet.cfg"), stored);
    EXPECT_EQ(NewNames(folder, before), std::vector<std::wstring>{});
}

TEST(Settings, ReplaceThatCollidesForAMomentIsRetried) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", kDefaults);
    const auto before = folder.List();
    ASSERT_LAUNCHED(app, folder);
    app.ClickGame(9);

    // The indexer or antivirus has the file open and lets nobody replace it, for a moment: until
    // the launcher has written and closed its new file, and so has tried to put it in place.
    Handle held(CreateFileW(folder.PathOf(L"qennet.cfg").c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held.Valid());
    app.Close(CloseBy::QuitButton);
    ASSERT_TRUE(WaitUntil([&] {
        for (const std::wstring& name : NewNames(folder, before)) {
            WIN32_FILE_ATTRIBUTE_DATA data = {};
            if (!GetFileAttributesExW(folder.PathOf(name).c_str(), GetFileExInfoStandard, &data) ||
                data.nFileSizeLow == 0)
                continue; // not written yet
            // The launcher writes it without sharing: it can be opened alone once it is closed.
            Handle written(CreateFileW(folder.PathOf(name).c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (written.Valid())
                return true;
        }
        return false;
    }));
    held.Reset();

    EXPECT_EQ(app.WaitForExit(), 0u) << "the save was reported as failed";
    EXPECT_EQ(folder.Read(L"qennet.cfg"), "9\r\n0\r\n0\r\n\"Roms\"\r\n");
    EXPECT_EQ(NewNames(folder, before), std::vector<std::wstring>{});
}

TEST(Settings, TwoQueuedClosesSaveOnceAndTellOnce) {
    EmulatorFolder folder;
    const std::string stored = "3\r\n0\r\n0\r\n\"Roms\"\r\n";
    folder.Write(L"qennet.cfg", stored);
    folder.SetAttributes(L"qennet.cfg", FILE_ATTRIBUTE_READONLY);
    const auto before = folder.List();
    ASSERT_LAUNCHED(app, folder);

    app.Close(CloseBy::QuitButton);
    app.Close(CloseBy::QuitButton); // clicked twice
    HWND box = app.WaitForDialog();
    ASSERT_NE(box, nullptr);
    app.Flush(); // the second close has come in by now
    EXPECT_EQ(app.OwnedDialogs().size(), 1u);
    app.CloseDialog(box);
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_EQ(folder.Read(L"qennet.cfg"), stored);
    EXPECT_EQ(NewNames(folder, before), std::vector<std::wstring>{});
}

// A plug-in is foreign code: when its settings dialog ends the launcher, the choices made up to
// then are already saved.
TEST(Settings, PluginThatEndsTheLauncherLeavesTheChoicesSaved) {
    for (const char* action : {"crash", "exit"}) {
        SCOPED_TRACE(action);
        EmulatorFolder folder(EmulatorFolder::Standard, Utf8ToWide(action));
        folder.AddPlugin(L"ogl2_renderer.vrk");
        folder.Write(L"plugin-actions.txt", std::string(action) + "\r\n");
        ASSERT_LAUNCHED(app, folder);
        app.ClickGame(9);
        app.SelectCombo(IDC_RENDERER, 5);
        app.SetText(IDC_ROMS, L"D:\\roms");
        app.Click(IDC_CONFIG_RENDERER);
        EXPECT_NE(app.WaitForExit(), 0u) << "the plug-in did not end the launcher";
        EXPECT_EQ(folder.Lines(L"GPUconfigure.log").size(), 1u);
        EXPECT_EQ(folder.Read(L"qennet.cfg"), "9\r\n5\r\n0\r\n\"D:\\roms\"\r\n");
    }
}
