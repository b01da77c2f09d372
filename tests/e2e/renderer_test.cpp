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
    return Lower(Narrow(plugin) + "\t" + Narrow(directory));
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
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    EXPECT_EQ(app.ComboItems(IDC_RENDERER),
              (std::vector<std::wstring>{L"Default", L"Vuldra's 3dfx Glide\u00b3", L"Omrik Soft",
                                         L"Velk's D3D", L"Velk's OpenGL", L"Velk's OpenGL2"}));
}

TEST(Renderer, ConfigureButtonFollowsTheSelectionAndThePlugins) {
    EmulatorFolder folder;
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

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
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

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
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

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
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

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
              (Lines{Lower(Narrow(soft)), Lower(Narrow(ogl2))}))
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
    Launcher app(folder, launcherFolder.PathOf(L"qennet.exe"));
    ASSERT_TRUE(app.Started());

    app.SelectCombo(IDC_RENDERER, 5);
    EXPECT_FALSE(app.Enabled(IDC_CONFIG_RENDERER))
        << "ogl2_renderer.vrk exists only beside the launcher, not in the working directory";
    app.SelectCombo(IDC_RENDERER, 2);
    Configure(app);

    const std::wstring soft = folder.PathOf(L"soft_renderer.vrk");
    EXPECT_EQ(Lowered(folder.Lines(L"GPUconfigure.log")), Lines{CallOf(soft, folder.Path())});
    EXPECT_EQ(Lowered(folder.Lines(L"plugin-load.log")), Lines{Lower(Narrow(soft))});
}

TEST(Renderer, LibraryWithoutTheEntryPointIsReported) {
    EmulatorFolder folder;
    folder.AddLibraryWithoutEntry(L"soft_renderer.vrk");
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    app.SelectCombo(IDC_RENDERER, 2);
    ASSERT_TRUE(app.Enabled(IDC_CONFIG_RENDERER));
    app.Click(IDC_CONFIG_RENDERER);
    ExpectOneMessageNaming(app, L"soft_renderer.vrk");

    // The launcher lives on.
    app.Click(IDC_PLAY);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"),
              Lines{"Vresk.exe 1 --roms-directory=Roms --renderer=soft_renderer.vrk"});
}

TEST(Renderer, FileThatIsNotALibraryIsReported) {
    EmulatorFolder folder;
    folder.Write(L"ogl2_renderer.vrk", "This is not a library.\r\n");
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    app.SelectCombo(IDC_RENDERER, 5);
    ASSERT_TRUE(app.Enabled(IDC_CONFIG_RENDERER));
    app.Click(IDC_CONFIG_RENDERER);
    ExpectOneMessageNaming(app, L"ogl2_renderer.vrk");

    // Once a real plug-in is in place, the same button works.
    folder.Remove(L"ogl2_renderer.vrk");
    folder.AddPlugin(L"ogl2_renderer.vrk");
    app.SelectCombo(IDC_RENDERER, 0);
    app.SelectCombo(IDC_RENDERER, 5);
    Configure(app);
    EXPECT_EQ(Lowered(folder.Lines(L"GPUconfigure.log")),
              Lines{CallOf(folder.PathOf(L"ogl2_renderer.vrk"), folder.Path())});
}

TEST(Renderer, EditorThatCannotStartIsReported) {
    EmulatorFolder folder;
    folder.Remove(L"NOTEPAD.EXE");
    folder.Write(L"NOTEPAD.EXE", "This is not a program.\r\n");
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    app.SelectCombo(IDC_RENDERER, 1);
    app.Click(IDC_CONFIG_RENDERER);
    ExpectOneMessageNaming(app, L"NOTEPAD.EXE");
    EXPECT_EQ(app.ProgramsStarted(), 0);

    folder.Remove(L"NOTEPAD.EXE");
    folder.AddEditor();
    OpenEditor(app);
    EXPECT_EQ(folder.Lines(L"NOTEPAD.log"), Lines{"NOTEPAD.EXE glide_renderer.cfg"});
}
