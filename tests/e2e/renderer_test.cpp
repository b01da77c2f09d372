// The renderer list and its "..." button: texts, enabled states, the editor and the plug-ins'
// own settings dialogs.
#include "support.h"

#include <cwctype>

using namespace e2e;

using Lines = std::vector<std::string>;

namespace {

std::string Lower(std::string text) {
    for (char& character : text) {
        character = static_cast<char>(towlower(static_cast<unsigned char>(character)));
    }
    return text;
}

// One GPUconfigure call as the stand-in plug-in records it: its own file and the working
// directory.
std::string CallOf(const std::wstring& plugin, const std::wstring& directory) {
    return Lower(WideToUtf8(plugin) + "\t" + WideToUtf8(directory));
}

Lines Lowered(Lines lines) {
    for (std::string& line : lines) {
        line = Lower(line);
    }
    return lines;
}

// Presses the renderer's "..." button and checks that the focus went back to the list.
void Configure(Launcher& app) {
    app.Click(IDC_CONFIG_RENDERER);
    EXPECT_EQ(FocusId(app), IDC_RENDERER) << "after the renderer's ... button";
}

// The same where the button opens the editor: waits until the editor has recorded its file.
void OpenEditor(Launcher& app) {
    app.ClickAndWaitForProgram(IDC_CONFIG_RENDERER);
    EXPECT_EQ(FocusId(app), IDC_RENDERER) << "after the renderer's ... button";
}

} // namespace

TEST(Renderer, ListShowsTheSixRenderersInOrder) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    EXPECT_EQ(app.ComboItems(IDC_RENDERER),
              (std::vector<std::wstring>{L"Default", L"Vuldra's 3dfx Glide\u00b3", L"Omrik Soft",
                                         L"Velk's D3D", L"Velk's OpenGL", L"Velk's OpenGL2"}));
}

TEST(Renderer, ConfigureButtonFollowsTheSelectionAndThePlugins) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    const bool withoutPlugins[] = {false, true, false, true, true, false};
    for (int renderer = 0; renderer < 6; ++renderer) {
        app.SelectCombo(IDC_RENDERER, renderer);
        EXPECT_EQ(app.Enabled(IDC_CONFIG_RENDERER), withoutPlugins[renderer])
            << "renderer " << renderer << " with no plug-in in the folder";
    }

    // A plug-in put in place counts from the next selection on, not before.
    folder.AddPlugin(L"soft_renderer.vrk");
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER));
    app.SelectCombo(IDC_RENDERER, 2);
    EXPECT_TRUE(app.Enabled(IDC_CONFIG_RENDERER));
    app.SelectCombo(IDC_RENDERER, 5);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER));
    folder.AddPlugin(L"ogl2_renderer.vrk");
    app.SelectCombo(IDC_RENDERER, 0);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER));
    app.SelectCombo(IDC_RENDERER, 5);
    EXPECT_TRUE(app.Enabled(IDC_CONFIG_RENDERER));

    // And one taken away is missed at the next selection.
    folder.Remove(L"soft_renderer.vrk");
    app.SelectCombo(IDC_RENDERER, 2);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER));
}

TEST(Renderer, PluginMustBeAPlainFile) {
    EmulatorFolder folder;
    folder.MakeDirectory(L"soft_renderer.vrk");
    folder.AddPlugin(L"ogl2_renderer.vrk");
    folder.SetAttributes(L"ogl2_renderer.vrk", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_RENDERER, 2);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER)) << "a folder named soft_renderer.vrk";
    app.SelectCombo(IDC_RENDERER, 5);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER)) << "a hidden ogl2_renderer.vrk";
    folder.SetAttributes(L"ogl2_renderer.vrk", FILE_ATTRIBUTE_SYSTEM);
    app.SelectCombo(IDC_RENDERER, 0);
    app.SelectCombo(IDC_RENDERER, 5);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER)) << "a system file ogl2_renderer.vrk";
    folder.SetAttributes(L"ogl2_renderer.vrk", FILE_ATTRIBUTE_NORMAL);
    app.SelectCombo(IDC_RENDERER, 0);
    app.SelectCombo(IDC_RENDERER, 5);
    EXPECT_TRUE(app.Enabled(IDC_CONFIG_RENDERER)) << "a plain ogl2_renderer.vrk";
}

TEST(Renderer, EditorOpensTheRenderersSettingsFile) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    for (int renderer : {1, 3, 4}) {
        app.SelectCombo(IDC_RENDERER, renderer);
        OpenEditor(app);
    }
    EXPECT_EQ(folder.Lines(L"NOTEPAD.log"),
              (Lines{"NOTEPAD.EXE glide_renderer.cfg", "NOTEPAD.EXE d3d_renderer.cfg",
                     "NOTEPAD.EXE ogl_renderer.cfg"}));
    EXPECT_FALSE(folder.Exists(L"Vresk.log"));
    EXPECT_TRUE(app.OwnedDialogs().empty());
}

TEST(Renderer, PluginDialogsComeFromTheEmulatorFolderAndStayLoaded) {
    EmulatorFolder folder;
    folder.AddPlugin(L"soft_renderer.vrk");
    folder.AddPlugin(L"ogl2_renderer.vrk");
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_RENDERER, 2);
    Configure(app);
    app.SelectCombo(IDC_RENDERER, 5);
    Configure(app);
    app.SelectCombo(IDC_RENDERER, 2);
    Configure(app);

    const std::wstring soft = folder.PathOf(L"soft_renderer.vrk");
    const std::wstring ogl2 = folder.PathOf(L"ogl2_renderer.vrk");
    EXPECT_EQ(Lowered(folder.Lines(L"GPUconfigure.log")),
              (Lines{CallOf(soft, folder.Path()), CallOf(ogl2, folder.Path()),
                     CallOf(soft, folder.Path())}));
    EXPECT_EQ(Lowered(folder.Lines(L"plugin-load.log")),
              (Lines{Lower(WideToUtf8(soft)), Lower(WideToUtf8(ogl2))}))
        << "each plug-in is loaded once and stays loaded";
    EXPECT_EQ(app.ProgramsStarted(), 0);
    EXPECT_TRUE(app.OwnedDialogs().empty());
}

TEST(Renderer, SameNamedLibraryBesideTheLauncherIsNeverLoaded) {
    // The launcher runs from another folder that holds a decoy of the same name: the library
    // search would find that one before the working directory.
    EmulatorFolder launcherFolder(EmulatorFolder::LauncherOnly, L"launcher");
    launcherFolder.AddPlugin(L"soft_renderer.vrk");
    launcherFolder.AddPlugin(L"ogl2_renderer.vrk");
    EmulatorFolder folder(EmulatorFolder::Empty);
    folder.AddEmulator();
    folder.AddEditor();
    folder.AddPlugin(L"soft_renderer.vrk");
    ASSERT_LAUNCHED(app, folder, launcherFolder.PathOf(L"qennet.exe"));

    app.SelectCombo(IDC_RENDERER, 5);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER))
        << "ogl2_renderer.vrk exists only beside the launcher, not in the working directory";
    app.SelectCombo(IDC_RENDERER, 2);
    Configure(app);

    const std::wstring soft = folder.PathOf(L"soft_renderer.vrk");
    EXPECT_EQ(Lowered(folder.Lines(L"GPUconfigure.log")), Lines{CallOf(soft, folder.Path())});
    EXPECT_EQ(Lowered(folder.Lines(L"plugin-load.log")), Lines{Lower(WideToUtf8(soft))});
}

TEST(Renderer, LibraryWithoutTheEntryPointIsReported) {
    EmulatorFolder folder;
    folder.AddLibraryWithoutEntry(L"soft_renderer.vrk");
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_RENDERER, 2);
    ASSERT_TRUE(app.Enabled(IDC_CONFIG_RENDERER));
    app.Click(IDC_CONFIG_RENDERER);
    ExpectOneMessageNaming(app, L"soft_renderer.vrk");

    // The launcher lives on.
    app.Click(IDC_PLAY);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              Lines{"Vresk.exe 1 --roms-directory=Roms --renderer=soft_renderer.vrk"});
    EXPECT_EQ(Arguments(folder.Lines(L"Vresk.log").at(0)),
              (Lines{"Vresk.exe", "1", "--roms-directory=Roms", "--renderer=soft_renderer.vrk"}));
}

TEST(Renderer, FileThatIsNotALibraryIsReported) {
    EmulatorFolder folder;
    folder.Write(L"ogl2_renderer.vrk", "This is not a library.\r\n");
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_RENDERER, 5);
    ASSERT_TRUE(app.Enabled(IDC_CONFIG_RENDERER));
    app.Click(IDC_CONFIG_RENDERER);
    const std::wstring text = CloseOneMessage(app);
    EXPECT_NE(text.find(L"ogl2_renderer.vrk"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_EQ(text.find(L"%1"), std::wstring::npos) << WideToUtf8(text);

    // Once a real plug-in is in place, the same button works.
    folder.Remove(L"ogl2_renderer.vrk");
    folder.AddPlugin(L"ogl2_renderer.vrk");
    app.SelectCombo(IDC_RENDERER, 0);
    app.SelectCombo(IDC_RENDERER, 5);
    Configure(app);
    EXPECT_EQ(Lowered(folder.Lines(L"GPUconfigure.log")),
              Lines{CallOf(folder.PathOf(L"ogl2_renderer.vrk"), folder.Path())});
}

// The system's Notepad, in the Windows folder, where the test prefix has the stand-in editor. A
// NOTEPAD.EXE in the emulator's folder (here not even a program) is never the one started.
TEST(Renderer, EditorThatCannotStartIsReported) {
    EmulatorFolder folder;
    folder.Remove(L"NOTEPAD.EXE");
    folder.Write(L"NOTEPAD.EXE", "This is not a program.\r\n");
    ASSERT_LAUNCHED(app, folder);
    wchar_t windows[MAX_PATH] = {};
    ASSERT_GT(GetSystemWindowsDirectoryW(windows, MAX_PATH), 0u);
    const std::wstring editor = std::wstring(windows) + L"\\NOTEPAD.EXE";
    {
        // The system's editor broken for a moment, put back however the test ends.
        struct PutBack {
            const std::wstring& editor;
            ~PutBack() { EXPECT_TRUE(CopyFileW(Build().recorder.c_str(), editor.c_str(), FALSE)); }
        } putBack{editor};
        Handle file(CreateFileW(editor.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        ASSERT_TRUE(file.Valid() &&
                    WriteFile(file.Get(), "Not a program.\r\n", 16, &written, nullptr));
        file.Reset();

        app.SelectCombo(IDC_RENDERER, 1);
        app.Click(IDC_CONFIG_RENDERER);
        ExpectOneMessageNaming(app, L"NOTEPAD.EXE");
        EXPECT_EQ(app.ProgramsStarted(), 0);
    }

    OpenEditor(app);
    EXPECT_EQ(folder.Lines(L"NOTEPAD.log"), Lines{"NOTEPAD.EXE glide_renderer.cfg"});
}

// The plug-in is there; what the system cannot find is a library it needs.
TEST(Renderer, PluginMissingALibraryItNeedsIsReportedSo) {
    EmulatorFolder folder;
    folder.AddPluginMissingItsLibrary(L"soft_renderer.vrk");
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_RENDERER, 2);
    app.Click(IDC_CONFIG_RENDERER);
    const std::wstring text = CloseOneMessage(app);
    EXPECT_NE(text.find(L"soft_renderer.vrk"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_NE(text.find(L"a library it needs is missing"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_TRUE(app.Running());
}

// A file dialog inside a plug-in's settings may move the working folder; every name the launcher
// uses is still resolved in the emulator folder afterwards.
TEST(Renderer, PluginThatMovesTheWorkingFolderLeavesTheLaunchersAlone) {
    EmulatorFolder folder;
    folder.Write(L"vresk.cfg", "");
    folder.MakeDirectory(L"elsewhere");
    folder.AddPlugin(L"soft_renderer.vrk");
    folder.Write(L"plugin-actions.txt",
                 "chdir " + WideToUtf8(folder.PathOf(L"elsewhere")) + "\r\n");
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_RENDERER, 2);
    Configure(app);
    app.Click(IDC_PLAY);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              Lines{"Vresk.exe 1 --use-config-file=vresk.cfg --roms-directory=Roms "
                    "--renderer=soft_renderer.vrk"});
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (std::vector<Lines>{{"Vresk.exe", "1", "--use-config-file=vresk.cfg",
                                   "--roms-directory=Roms", "--renderer=soft_renderer.vrk"}}));
    app.SelectCombo(IDC_RENDERER, 1);
    Configure(app);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"NOTEPAD.log"), Lines{"NOTEPAD.EXE glide_renderer.cfg"});

    CloseAndWait(app);
    EXPECT_TRUE(folder.Exists(L"qennet.cfg"));
    EXPECT_FALSE(folder.Exists(L"elsewhere\\qennet.cfg"));
}

// The plug-in's dialog has no owner: the launcher holds still until it is closed, and a close
// asked for meanwhile waits for it. A plug-in that hid the window leaves it shown again.
TEST(Renderer, PluginDialogHoldsTheWindowAndACloseWaitsForIt) {
    EmulatorFolder folder;
    folder.AddPlugin(L"soft_renderer.vrk");
    folder.Write(L"plugin-actions.txt", "hide\r\ndialog\r\n");
    ASSERT_LAUNCHED(app, folder);
    app.SelectCombo(IDC_RENDERER, 2);

    app.Click(IDC_CONFIG_RENDERER);
    HWND dialog = app.WaitForDialogTitled(L"Stand-in plug-in");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(app.Window())) << "the window takes clicks under the dialog";
    app.Click(IDC_CONFIG_RENDERER);
    app.Click(IDC_PLAY);
    EXPECT_EQ(folder.Lines(L"GPUconfigure.log").size(), 1u) << "the plug-in was entered again";
    EXPECT_EQ(app.ProgramsStarted(), 0);
    app.CloseDialog(dialog);

    EXPECT_TRUE(IsWindowVisible(app.Window()));
    EXPECT_TRUE(IsWindowEnabled(app.Window()));
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(app.ThreadId(), &thread));
    EXPECT_EQ(thread.hwndActive, app.Window());
    EXPECT_EQ(FocusId(app), IDC_RENDERER);

    CloseAndWait(app);
}

// A plug-in that keeps the thread's messages flowing without a window of its own: a key pressed
// meanwhile changes no choice, and the focus is back on the renderer list afterwards.
TEST(Renderer, KeysDuringThePluginCallChangeNoChoice) {
    EmulatorFolder folder;
    folder.AddPlugin(L"soft_renderer.vrk");
    folder.Write(L"plugin-actions.txt", "pump\r\n");
    ASSERT_LAUNCHED(app, folder);
    app.SelectCombo(IDC_RENDERER, 2);

    app.Click(IDC_CONFIG_RENDERER);
    ASSERT_TRUE(WaitUntil([&] { return folder.Lines(L"GPUconfigure.log").size() == 1; }));
    app.PressKey(VK_DOWN);
    EXPECT_EQ(app.ComboSelection(IDC_RENDERER), 2);
    folder.Write(L"plugin-release.txt", "");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.Window()) != FALSE; }));
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(FocusId(app), IDC_RENDERER);
    CloseAndWait(app);
}

TEST(Renderer, CloseAskedForUnderThePluginDialogWaitsForIt) {
    EmulatorFolder folder;
    folder.AddPlugin(L"soft_renderer.vrk");
    folder.Write(L"plugin-actions.txt", "dialog\r\n");
    for (CloseBy how : {CloseBy::QuitButton, CloseBy::CloseBox, CloseBy::CloseMessage}) {
        if (folder.Exists(L"qennet.cfg")) {
            folder.Remove(L"qennet.cfg");
        }
        ASSERT_LAUNCHED(app, folder);
        app.SelectCombo(IDC_RENDERER, 2);
        app.Click(IDC_CONFIG_RENDERER);
        HWND dialog = app.WaitForDialogTitled(L"Stand-in plug-in");
        ASSERT_NE(dialog, nullptr);

        app.Close(how);
        app.Flush();
        EXPECT_TRUE(app.Running())
            << "ended under the plug-in's dialog, way " << static_cast<int>(how);
        app.CloseDialog(dialog);
        EXPECT_EQ(app.WaitForExit(), 0u) << "way " << static_cast<int>(how);
        EXPECT_EQ(folder.Read(L"qennet.cfg"), "0\r\n2\r\n0\r\n\"Roms\"\r\n")
            << "way " << static_cast<int>(how);
    }
}

// A damaged plug-in or an empty drive must give the launcher's own message, not a system box;
// the programs it starts get the default error mode back. The plug-in runs inside the launcher,
// so it sees the launcher's mode.
TEST(Renderer, LauncherKeepsSystemErrorBoxesAwayButNotFromItsPrograms) {
    EmulatorFolder folder;
    folder.AddPlugin(L"soft_renderer.vrk");
    folder.Write(L"plugin-actions.txt", "errormode\r\n");
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_RENDERER, 2);
    Configure(app);
    EXPECT_EQ(folder.Lines(L"errormode.log"),
              Lines{std::to_string(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)});
    app.Click(IDC_PLAY);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.errormode"), Lines{"0"});
}
