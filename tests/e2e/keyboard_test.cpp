// The keyboard: Tab walks the tab order, Enter plays (except on another push button), Esc does
// nothing.
#include "support.h"

using namespace e2e;

using Lines = std::vector<std::string>;

namespace {

// Puts the focus on the game list, then presses Tab `tabs` times and records where the focus is
// after each press.
std::vector<int> WalkTheTabOrder(Launcher& app, int tabs) {
    app.FocusByTab(0);
    std::vector<int> visited = {FocusId(app)};
    for (int tab = 0; tab < tabs; ++tab) {
        app.PressKey(VK_TAB);
        visited.push_back(FocusId(app));
    }
    return visited;
}

} // namespace

TEST(Keyboard, TabSkipsDisabledConfigureButtons) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    EXPECT_EQ(WalkTheTabOrder(app, 7),
              (std::vector<int>{IDC_GAMES, IDC_RENDERER, IDC_CONTROLLER, IDC_ROMS, IDC_CONFIG_ROMS,
                                IDC_PLAY, IDC_QUIT, IDC_GAMES}));
    EXPECT_EQ(app.ProgramsStarted(), 0);
}

TEST(Keyboard, TabVisitsEveryControlInOrder) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.SelectCombo(IDC_RENDERER, 3);
    app.SelectCombo(IDC_CONTROLLER, 1);

    EXPECT_EQ(WalkTheTabOrder(app, 9),
              (std::vector<int>{IDC_GAMES, IDC_RENDERER, IDC_CONFIG_RENDERER, IDC_CONTROLLER,
                                IDC_CONFIG_CONTROLLER, IDC_ROMS, IDC_CONFIG_ROMS, IDC_PLAY,
                                IDC_QUIT, IDC_GAMES}));
    EXPECT_EQ(app.ProgramsStarted(), 0);
}

TEST(Keyboard, TabIntoTheRomsFolderSelectsItsWholeText) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.SetText(IDC_ROMS, L"C:\\My Roms");

    app.FocusByTab(3);
    ASSERT_EQ(FocusId(app), IDC_ROMS);
    EXPECT_EQ(app.Selection(IDC_ROMS), std::make_pair(0, 10));
}

TEST(Keyboard, EnterPlaysFromTheListTheDropDownsTheFieldAndPlay) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    // With the defaults both configure buttons are disabled: list, renderer, scope, ROM field,
    // its "...", Play.
    const struct {
        int tabs;
        int focus;
    } places[] = {
        {0, IDC_GAMES}, {1, IDC_RENDERER}, {2, IDC_CONTROLLER}, {3, IDC_ROMS}, {5, IDC_PLAY}};
    int played = 0;
    for (const auto& place : places) {
        app.FocusByTab(place.tabs);
        ASSERT_EQ(FocusId(app), place.focus);
        app.PressKey(VK_RETURN);
        ++played;
        EXPECT_EQ(app.ProgramsStarted(), played)
            << "Enter with the focus on control " << place.focus << " did not play";
        app.WaitOutTheGesture();
        EXPECT_TRUE(app.Running());
    }
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines(5, "Vresk.exe 1 --roms-directory=Roms"));
    EXPECT_EQ(ArgumentsOfEach(folder.Lines(L"Vresk.log")),
              std::vector<Lines>(5, {"Vresk.exe", "1", "--roms-directory=Roms"}));
}

// Held down, Enter repeats its key-down (bit 30 set): it plays once, not once a repeat.
TEST(Keyboard, HeldEnterPlaysOnce) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    HWND list = app.Focus();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC)) << 16;
    ASSERT_TRUE(PostMessageW(list, WM_KEYDOWN, VK_RETURN, 1 | scan));
    for (int repeat = 0; repeat < 9; ++repeat)
        ASSERT_TRUE(PostMessageW(list, WM_KEYDOWN, VK_RETURN, 1 | scan | (LPARAM{1} << 30)));
    ASSERT_TRUE(PostMessageW(list, WM_KEYUP, VK_RETURN, 1 | scan | (LPARAM{3} << 30)));
    ASSERT_TRUE(app.Flush());
    EXPECT_EQ(app.ProgramsStarted(), 1);
    app.WaitForPrograms();
}

TEST(Keyboard, EnterOnQuitQuits) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    app.FocusByTab(6);
    ASSERT_EQ(FocusId(app), IDC_QUIT);
    app.PressKey(VK_RETURN);
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_EQ(app.ProgramsStarted(), 0) << "Enter on Quit must not play";
    EXPECT_TRUE(folder.Exists(L"qennet.cfg"));
}

TEST(Keyboard, EnterOnAConfigureButtonRunsThatButton) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.SelectCombo(IDC_RENDERER, 3);

    app.FocusByTab(2);
    ASSERT_EQ(FocusId(app), IDC_CONFIG_RENDERER);
    app.PressKey(VK_RETURN);
    EXPECT_EQ(app.ProgramsStarted(), 1);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"NOTEPAD.log"), Lines{"NOTEPAD.EXE d3d_renderer.cfg"});
    EXPECT_FALSE(folder.Exists(L"Vresk.log")) << "Enter on a configure button must not play";
    EXPECT_EQ(FocusId(app), IDC_RENDERER);
}

TEST(Keyboard, EscapeDoesNothing) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.ClickGame(6);
    const std::wstring caption = app.Caption();

    for (int tabs : {0, 1, 3, 5, 6}) {
        app.FocusByTab(tabs);
        const int focus = FocusId(app);
        app.PressKey(VK_ESCAPE);
        EXPECT_TRUE(app.Running()) << "Esc with the focus on control " << focus;
        EXPECT_EQ(FocusId(app), focus);
        EXPECT_EQ(app.Caption(), caption);
        EXPECT_TRUE(app.OwnedDialogs().empty());
    }
    EXPECT_EQ(app.ProgramsStarted(), 0);
    EXPECT_FALSE(folder.Exists(L"qennet.cfg")) << "Esc closed the window";
}

namespace {

LONG ButtonType(const Launcher& app, int id) {
    return GetWindowLongW(app.Control(id), GWL_STYLE) & BS_TYPEMASK;
}

// The one push button that shows the default border, once the launcher has settled the focus
// change (the border is set after it).
int DefaultBorder(Launcher& app) {
    app.Flush();
    int shown = 0;
    for (int id :
         {IDC_CONFIG_RENDERER, IDC_CONFIG_CONTROLLER, IDC_CONFIG_ROMS, IDC_PLAY, IDC_QUIT}) {
        if (ButtonType(app, id) == BS_DEFPUSHBUTTON) {
            EXPECT_EQ(shown, 0) << "two buttons show the default border";
            shown = id;
        }
    }
    return shown;
}

} // namespace

// As in a dialog: a push button with the focus shows the border Enter presses; elsewhere Play does.
TEST(Keyboard, DefaultButtonBorderFollowsTheFocus) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    app.SelectCombo(IDC_RENDERER, 3);
    EXPECT_EQ(DefaultBorder(app), IDC_PLAY);

    // list, renderer, its "...", scope (its "..." is off), ROM field, its "...", Play, Quit
    const int expected[] = {IDC_PLAY, IDC_PLAY, IDC_CONFIG_RENDERER,
                            IDC_PLAY, IDC_PLAY, IDC_CONFIG_ROMS,
                            IDC_PLAY, IDC_QUIT};
    app.FocusByTab(0);
    for (int tab = 0; tab < 8; ++tab) {
        EXPECT_EQ(DefaultBorder(app), expected[tab]) << "focus on " << FocusId(app);
        app.PressKey(VK_TAB);
    }
    // After its own click the "..." hands the focus to its list, and the border to Play.
    app.FocusByTab(2);
    ASSERT_EQ(FocusId(app), IDC_CONFIG_RENDERER);
    app.PressKey(VK_RETURN);
    EXPECT_EQ(FocusId(app), IDC_RENDERER);
    EXPECT_EQ(DefaultBorder(app), IDC_PLAY);
    app.WaitForPrograms();
}

TEST(Keyboard, FocusComesBackAfterMinimiseAndRestore) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    for (int tabs : {4, 3}) {
        app.FocusByTab(tabs);
        const int focus = FocusId(app);
        ASSERT_NE(focus, 0);
        PostMessageW(app.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        app.Flush();
        ASSERT_TRUE(IsIconic(app.Window()));
        PostMessageW(app.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
        app.Flush();
        ASSERT_FALSE(IsIconic(app.Window()));
        EXPECT_EQ(FocusId(app), focus);
        EXPECT_EQ(DefaultBorder(app), focus == IDC_CONFIG_ROMS ? IDC_CONFIG_ROMS : IDC_PLAY);
    }
}
