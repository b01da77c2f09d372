// The controller configuration scope, its "..." button and the file Play names.
#include "support.h"

using namespace e2e;

using Lines = std::vector<std::string>;

namespace {

void Configure(Launcher& app) {
    app.Click(IDC_CONFIG_CONTROLLER);
    EXPECT_EQ(FocusId(app), IDC_CONTROLLER) << "after the scope's ... button";
}

// The same where the button opens the editor: waits until the editor has recorded its file.
void OpenEditor(Launcher& app) {
    app.ClickAndWaitForProgram(IDC_CONFIG_CONTROLLER);
    EXPECT_EQ(FocusId(app), IDC_CONTROLLER) << "after the scope's ... button";
}

// Presses Play, checks that it started exactly one program, and waits until that program ended.
void Play(Launcher& app) {
    app.ClickAndWaitForProgram(IDC_PLAY);
}

std::string WithController(const std::string& game, const std::string& file) {
    return "Vresk.exe " + game +
           " --roms-directory=Roms --controller=ctrlr\\controller.vrk "
           "--use-controller-cfg-file=ctrlr\\" +
           file;
}

// The same line as the emulator splits it.
Lines WithControllerArguments(const std::string& game, const std::string& file) {
    return {"Vresk.exe", game, "--roms-directory=Roms", "--controller=ctrlr\\controller.vrk",
            "--use-controller-cfg-file=ctrlr\\" + file};
}

} // namespace

TEST(Controller, ScopeListShowsTheFourLevelsInOrder) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    EXPECT_EQ(
        app.ComboItems(IDC_CONTROLLER),
        (std::vector<std::wstring>{L"Default", L"Global", L"System Specific", L"Game Specific"}));
}

TEST(Controller, ConfigureButtonIsEnabledForEveryScopeButDefault) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    for (int scope : {1, 0, 2, 0, 3}) {
        app.SelectCombo(IDC_CONTROLLER, scope);
        EXPECT_EQ(app.Enabled(IDC_CONFIG_CONTROLLER), scope != 0) << "scope " << scope;
    }
}

TEST(Controller, EditorOpensExactlyTheChosenLevel) {
    EmulatorFolder folder;
    folder.MakeDirectory(L"ctrlr");
    folder.Write(L"ctrlr\\zn1_controller.cfg", ""); // a fallback that must not be edited
    ASSERT_LAUNCHED(app, folder);

    app.SelectCombo(IDC_CONTROLLER, 3);
    OpenEditor(app); // game 1
    app.ClickGame(39);
    app.SelectCombo(IDC_CONTROLLER, 2);
    OpenEditor(app); // game 40
    app.SelectCombo(IDC_CONTROLLER, 1);
    OpenEditor(app);

    EXPECT_EQ(folder.Lines(L"NOTEPAD.log"), (Lines{"NOTEPAD.EXE ctrlr\\starglad_controller.cfg",
                                                   "NOTEPAD.EXE ctrlr\\s11_controller.cfg",
                                                   "NOTEPAD.EXE ctrlr\\controller.cfg"}));
    EXPECT_FALSE(folder.Exists(L"Vresk.log"));
}

TEST(Controller, WithoutAGameOnlyTheGlobalFileCanBeEdited) {
    EmulatorFolder folder;
    folder.Write(L"qennet.cfg", "-1\r\n0\r\n2\r\n\"Roms\"\r\n");
    ASSERT_LAUNCHED(app, folder);
    ASSERT_EQ(app.GameSelection(), -1);
    ASSERT_EQ(app.ComboSelection(IDC_CONTROLLER), 2);
    ASSERT_TRUE(app.Enabled(IDC_CONFIG_CONTROLLER));

    Configure(app);
    app.SelectCombo(IDC_CONTROLLER, 3);
    Configure(app);
    EXPECT_EQ(app.ProgramsStarted(), 0) << "there is no group or game file without a game";

    app.SelectCombo(IDC_CONTROLLER, 1);
    Configure(app);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"NOTEPAD.log"), Lines{"NOTEPAD.EXE ctrlr\\controller.cfg"});

    app.SelectCombo(IDC_CONTROLLER, 3);
    Play(app);
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{WithController("0", "controller.cfg")});
    EXPECT_EQ(Arguments(folder.Lines(L"Vresk.log").at(0)),
              WithControllerArguments("0", "controller.cfg"));
}

TEST(Controller, PlayNamesTheMostSpecificFileThatExists) {
    EmulatorFolder folder;
    folder.MakeDirectory(L"ctrlr");
    folder.Write(L"ctrlr\\sfexp_controller.cfg", "");
    folder.Write(L"ctrlr\\zn1_controller.cfg", "");
    folder.Write(L"ctrlr\\s12_controller.cfg", "");
    ASSERT_LAUNCHED(app, folder);

    app.ClickGame(4); // game 5
    app.SelectCombo(IDC_CONTROLLER, 3);
    Play(app);
    folder.Remove(L"ctrlr\\sfexp_controller.cfg");
    Play(app);
    folder.Remove(L"ctrlr\\zn1_controller.cfg");
    Play(app);
    folder.MakeDirectory(L"ctrlr\\sfexp_controller.cfg"); // a folder is not a settings file
    app.WaitOutTheGesture();                              // the same line once more
    Play(app);
    app.SelectCombo(IDC_CONTROLLER, 1); // no existence test for the global file
    app.WaitOutTheGesture();
    Play(app);

    app.ClickGame(59); // game 60
    app.SelectCombo(IDC_CONTROLLER, 2);
    Play(app);
    folder.Remove(L"ctrlr\\s12_controller.cfg");
    Play(app);

    EXPECT_EQ(
        folder.Lines(L"Vresk.log"),
        (Lines{WithController("5", "sfexp_controller.cfg"),
               WithController("5", "zn1_controller.cfg"), WithController("5", "controller.cfg"),
               WithController("5", "controller.cfg"), WithController("5", "controller.cfg"),
               WithController("60", "s12_controller.cfg"),
               WithController("60", "controller.cfg")}));
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              (std::vector<Lines>{WithControllerArguments("5", "sfexp_controller.cfg"),
                                  WithControllerArguments("5", "zn1_controller.cfg"),
                                  WithControllerArguments("5", "controller.cfg"),
                                  WithControllerArguments("5", "controller.cfg"),
                                  WithControllerArguments("5", "controller.cfg"),
                                  WithControllerArguments("60", "s12_controller.cfg"),
                                  WithControllerArguments("60", "controller.cfg")}));
}
