// Play and the double-click: the command line the emulator receives.
#include "support.h"

#include <algorithm>

#include <cstdio>

using namespace e2e;

using Lines = std::vector<std::string>;
using Split = std::vector<Lines>; // each recorded line as the emulator's arguments

namespace {

// Presses Play, checks that it started exactly one program, and waits until that program ended.
void Play(Launcher& app) {
    app.ClickAndWaitForProgram(IDC_PLAY);
}

} // namespace

TEST(Play, FirstGameWithTheDefaults) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    LARGE_INTEGER before;
    QueryPerformanceCounter(&before);
    Play(app);
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{"Vresk.exe 1 --roms-directory=Roms"});
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (Split{{"Vresk.exe", "1", "--roms-directory=Roms"}}));

    // The stand-in's start time, for measuring how fast Play starts the emulator.
    const Lines times = folder.Lines(L"Vresk.times");
    ASSERT_EQ(times.size(), 1u);
    long long started = 0;
    long long frequency = 0;
    ASSERT_EQ(sscanf(times[0].c_str(), "%lld %lld", &started, &frequency), 2);
    EXPECT_GE(started, before.QuadPart);
    EXPECT_GT(frequency, 0);

    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(app.OwnedDialogs().empty());
    EXPECT_EQ(app.Caption(), L"Vresk: Star Gladiator (US 960627)");
}

TEST(Play, SendsTheSelectedGame) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.ClickGame(11);
    Play(app);
    app.ClickGame(70);
    Play(app);
    app.ClickGame(38);
    Play(app);
    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              (Lines{"Vresk.exe 12 --roms-directory=Roms", "Vresk.exe 71 --roms-directory=Roms",
                     "Vresk.exe 39 --roms-directory=Roms"}));
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (Split{{"Vresk.exe", "12", "--roms-directory=Roms"},
                     {"Vresk.exe", "71", "--roms-directory=Roms"},
                     {"Vresk.exe", "39", "--roms-directory=Roms"}}));
}

TEST(Play, DoubleClickPlaysThatGame) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.DoubleClickGame(4);
    EXPECT_EQ(app.ProgramsStarted(), 1) << "a double-click must start the emulator once";
    app.WaitForPrograms();
    EXPECT_EQ(app.Caption(), L"Vresk: Street Fighter EX Plus (US 970407)");
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{"Vresk.exe 5 --roms-directory=Roms"});
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (Split{{"Vresk.exe", "5", "--roms-directory=Roms"}}));
}

TEST(Play, ConfigurationFileAddsItsOptionWhenItIsAPlainFile) {
    EmulatorFolder folder;
    folder.Write(L"vresk.cfg", "");
    ASSERT_LAUNCHED(app, folder);

    Play(app);
    folder.Remove(L"vresk.cfg"); // tested afresh at every Play
    Play(app);
    folder.MakeDirectory(L"vresk.cfg");
    app.WaitOutTheGesture(); // the same line once more
    Play(app);
    folder.Remove(L"vresk.cfg");
    folder.Write(L"vresk.cfg", "");
    folder.SetAttributes(L"vresk.cfg", FILE_ATTRIBUTE_HIDDEN);
    app.WaitOutTheGesture();
    Play(app);
    folder.SetAttributes(L"vresk.cfg", FILE_ATTRIBUTE_NORMAL);
    Play(app);

    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              (Lines{"Vresk.exe 1 --use-config-file=vresk.cfg --roms-directory=Roms",
                     "Vresk.exe 1 --roms-directory=Roms", "Vresk.exe 1 --roms-directory=Roms",
                     "Vresk.exe 1 --roms-directory=Roms",
                     "Vresk.exe 1 --use-config-file=vresk.cfg --roms-directory=Roms"}));
    const Lines withConfig = {"Vresk.exe", "1", "--use-config-file=vresk.cfg",
                              "--roms-directory=Roms"};
    const Lines without = {"Vresk.exe", "1", "--roms-directory=Roms"};
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (Split{withConfig, without, without, without, withConfig}));
}

TEST(Play, AllOptionsInTheirOrder) {
    EmulatorFolder folder;
    folder.Write(L"vresk.cfg", "");
    ASSERT_LAUNCHED(app, folder);

    app.ClickGame(4);
    app.SelectCombo(IDC_RENDERER, 4);
    app.SelectCombo(IDC_CONTROLLER, 1);
    Play(app);
    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              Lines{"Vresk.exe 5 --use-config-file=vresk.cfg --roms-directory=Roms "
                    "--renderer=ogl_renderer.vrk --use-renderer-cfg-file=ogl_renderer.cfg "
                    "--controller=ctrlr\\controller.vrk "
                    "--use-controller-cfg-file=ctrlr\\controller.cfg"});
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (Split{{"Vresk.exe", "5", "--use-config-file=vresk.cfg", "--roms-directory=Roms",
                      "--renderer=ogl_renderer.vrk", "--use-renderer-cfg-file=ogl_renderer.cfg",
                      "--controller=ctrlr\\controller.vrk",
                      "--use-controller-cfg-file=ctrlr\\controller.cfg"}}));
}

TEST(Play, EachRendererSendsItsOption) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    for (int renderer = 0; renderer < 6; ++renderer) {
        app.SelectCombo(IDC_RENDERER, renderer);
        Play(app);
    }
    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              (Lines{"Vresk.exe 1 --roms-directory=Roms",
                     "Vresk.exe 1 --roms-directory=Roms --renderer=glide_renderer.vrk",
                     "Vresk.exe 1 --roms-directory=Roms --renderer=soft_renderer.vrk",
                     "Vresk.exe 1 --roms-directory=Roms --renderer=d3d_renderer.vrk "
                     "--use-renderer-cfg-file=d3d_renderer.cfg",
                     "Vresk.exe 1 --roms-directory=Roms --renderer=ogl_renderer.vrk "
                     "--use-renderer-cfg-file=ogl_renderer.cfg",
                     "Vresk.exe 1 --roms-directory=Roms --renderer=ogl2_renderer.vrk"}));
    const Lines base = {"Vresk.exe", "1", "--roms-directory=Roms"};
    const auto with = [&](std::initializer_list<std::string> options) {
        Lines arguments = base;
        arguments.insert(arguments.end(), options);
        return arguments;
    };
    EXPECT_EQ(
        ArgumentsOfEach(folder.Lines(L"Vresk.log")),
        (Split{base, with({"--renderer=glide_renderer.vrk"}),
               with({"--renderer=soft_renderer.vrk"}),
               with({"--renderer=d3d_renderer.vrk", "--use-renderer-cfg-file=d3d_renderer.cfg"}),
               with({"--renderer=ogl_renderer.vrk", "--use-renderer-cfg-file=ogl_renderer.cfg"}),
               with({"--renderer=ogl2_renderer.vrk"})}));
}

TEST(Play, RomsFolderIsQuotedOnlyWhenItHoldsABlank) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.SetText(IDC_ROMS, L"C:\\My Roms");
    Play(app);
    app.SetText(IDC_ROMS, L"");
    Play(app);
    app.SetText(IDC_ROMS, L"D:\\roms,old;&y");
    Play(app);
    app.SetText(IDC_ROMS, L"D:\\tab\there"); // only the blank calls for quotation marks
    Play(app);
    // Characters outside the ANSI code page reach the emulator unchanged once the player says to
    // start it all the same (the folder has no short name to pass instead).
    app.SetText(IDC_ROMS, L"D:\\R\u00f6ms\\\u30b2\u30fc\u30e0");
    app.Click(IDC_PLAY);
    app.CloseDialog(app.WaitForDialog(), IDYES);
    app.WaitForPrograms();

    const std::string unicode = WideToUtf8(L"D:\\R\u00f6ms\\\u30b2\u30fc\u30e0");
    EXPECT_EQ(folder.Lines(L"Vresk.log"), (Lines{"Vresk.exe 1 --roms-directory=\"C:\\My Roms\"",
                                                 "Vresk.exe 1 --roms-directory=",
                                                 "Vresk.exe 1 --roms-directory=D:\\roms,old;&y",
                                                 "Vresk.exe 1 --roms-directory=D:\\tab\there",
                                                 "Vresk.exe 1 --roms-directory=" + unicode}));
    // A tab is no blank: no Windows path holds one, and the emulator splits there.
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (Split{{"Vresk.exe", "1", "--roms-directory=C:\\My Roms"},
                     {"Vresk.exe", "1", "--roms-directory="},
                     {"Vresk.exe", "1", "--roms-directory=D:\\roms,old;&y"},
                     {"Vresk.exe", "1", "--roms-directory=D:\\tab", "here"},
                     {"Vresk.exe", "1", "--roms-directory=" + unicode}}));
}

// As players type a folder: a trailing backslash, or the quotation marks of "Copy as path".
TEST(Play, RomsFolderWithATrailingBackslashOrQuotationMarksIsOneArgument) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.SelectCombo(IDC_RENDERER, 2);

    app.SetText(IDC_ROMS, L"C:\\My Roms\\");
    Play(app);
    app.SetText(IDC_ROMS, L"\"C:\\My Roms\"");
    Play(app);
    app.SetText(IDC_ROMS, L"\"D:\\roms,old;\"x\"&y\"");
    Play(app);
    app.SetText(IDC_ROMS, L"C:\\Roms\\"); // no blank: sent as it is
    Play(app);

    EXPECT_EQ(
        folder.Lines(L"Vresk.log"),
        (Lines{"Vresk.exe 1 --roms-directory=\"C:\\My Roms\\\\\" --renderer=soft_renderer.vrk",
               "Vresk.exe 1 --roms-directory=\"C:\\My Roms\" --renderer=soft_renderer.vrk",
               "Vresk.exe 1 --roms-directory=D:\\roms,old;x&y --renderer=soft_renderer.vrk",
               "Vresk.exe 1 --roms-directory=C:\\Roms\\ --renderer=soft_renderer.vrk"}));
    EXPECT_EQ(
        ArgumentsOfEach(folder.Lines(L"Vresk.log")),
        (Split{
            {"Vresk.exe", "1", "--roms-directory=C:\\My Roms\\", "--renderer=soft_renderer.vrk"},
            {"Vresk.exe", "1", "--roms-directory=C:\\My Roms", "--renderer=soft_renderer.vrk"},
            {"Vresk.exe", "1", "--roms-directory=D:\\roms,old;x&y", "--renderer=soft_renderer.vrk"},
            {"Vresk.exe", "1", "--roms-directory=C:\\Roms\\", "--renderer=soft_renderer.vrk"}}));
}

// Every file is the working folder's, the emulator too: not a Vresk.exe beside the launcher when
// it is kept elsewhere (a shortcut whose "Start in" is the emulator's folder).
TEST(Play, StartsTheWorkingFoldersEmulatorNotOneBesideTheLauncher) {
    EmulatorFolder launcherFolder(EmulatorFolder::LauncherOnly, L"launcher");
    launcherFolder.Write(L"Vresk.exe", "This is not a program.\r\n");
    EmulatorFolder folder(EmulatorFolder::Empty);
    folder.AddEmulator();
    ASSERT_LAUNCHED(app, folder, launcherFolder.PathOf(L"qennet.exe"));

    app.ClickAndWaitForProgram(IDC_PLAY);
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{"Vresk.exe 1 --roms-directory=Roms"});
    EXPECT_TRUE(app.OwnedDialogs().empty());
}

// The emulator reads its command line in the ANSI code page (1252 here): a ROM folder whose name
// the code page cannot hold goes by its short name, and one without a short name goes only when
// the player says so.
TEST(Play, RomsFolderOutsideTheCodePageGoesByItsShortNameOrAsked) {
    EmulatorFolder folder;
    const std::wstring katakana = L"\u30ED\u30E0";
    folder.MakeDirectory(katakana);
    ASSERT_LAUNCHED(app, folder);
    app.SetText(IDC_ROMS, katakana);
    app.ClickAndWaitForProgram(IDC_PLAY);
    const std::string piece = Arguments(folder.Lines(L"Vresk.log").at(0)).at(2);
    const std::string name = piece.substr(piece.find('=') + 1);
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c > 0; })) << piece;
    wchar_t longName[MAX_PATH] = {};
    ASSERT_GT(GetLongPathNameW(folder.PathOf(Utf8ToWide(name)).c_str(), longName, MAX_PATH), 0u)
        << piece;
    EXPECT_EQ(std::wstring(longName), folder.PathOf(katakana));

    app.SetText(IDC_ROMS, katakana + L"2"); // no such folder, so no short name: asked first
    app.Click(IDC_PLAY);
    HWND box = app.WaitForDialog();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(Launcher::DialogText(box).find(L"cannot read"), std::wstring::npos);
    app.CloseDialog(box, IDNO);
    EXPECT_EQ(app.ProgramsStarted(), 1) << "No started the emulator";
}

// Two clicks at once (a double-click on Play) are one gesture and start one emulator; a press once
// the double-click time has passed starts another.
TEST(Play, APressStartsAnotherEmulatorOnceTheGestureIsOver) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    ASSERT_TRUE(PostMessageW(app.Control(IDC_PLAY), BM_CLICK, 0, 0));
    app.Click(IDC_PLAY);
    EXPECT_EQ(app.ProgramsStarted(), 1);
    app.WaitForPrograms();
    app.WaitOutTheGesture();
    app.Click(IDC_PLAY);
    EXPECT_EQ(app.ProgramsStarted(), 2);
    app.WaitForPrograms();
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              Split(2, {"Vresk.exe", "1", "--roms-directory=Roms"}));
    EXPECT_TRUE(app.Running());
}
