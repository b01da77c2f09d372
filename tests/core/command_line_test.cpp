#include "core/command_line.h"

#include "fake_files.h"

#include <gtest/gtest.h>

namespace qennet {
namespace {

using testing::FakeFiles;

PlayChoices Choices(GameNumber game, ListPosition renderer, ListPosition scope,
                    std::string roms = "Roms") {
    PlayChoices choices;
    choices.game = game;
    choices.renderer = renderer;
    choices.scope = scope;
    choices.romsDirectory = std::move(roms);
    return choices;
}

TEST(ComposeCommandLine, EveryPieceInOrder) {
    FakeFiles files{"vresk.cfg"};
    EXPECT_EQ(
        ComposeCommandLine(Choices(5, 4, 1), files.Exists()),
        "Vresk.exe 5 --use-config-file=vresk.cfg --roms-directory=Roms"
        " --renderer=ogl_renderer.vrk --use-renderer-cfg-file=ogl_renderer.cfg"
        " --controller=ctrlr\\controller.vrk --use-controller-cfg-file=ctrlr\\controller.cfg");
}

TEST(ComposeCommandLine, DefaultsGiveOnlyTheGameAndRomFolder) {
    FakeFiles files;
    EXPECT_EQ(ComposeCommandLine(Choices(12, 0, 0), files.Exists()),
              "Vresk.exe 12 --roms-directory=Roms");
    // Each Play looks for the emulator's configuration again.
    files.present.insert("vresk.cfg");
    EXPECT_EQ(ComposeCommandLine(Choices(12, 0, 0), files.Exists()),
              "Vresk.exe 12 --use-config-file=vresk.cfg --roms-directory=Roms");
}

TEST(ComposeCommandLine, ControllerFileIsTheMostSpecificPresent) {
    FakeFiles files{"ctrlr\\zn1_controller.cfg"};
    EXPECT_EQ(ComposeCommandLine(Choices(5, 0, 3), files.Exists()),
              "Vresk.exe 5 --roms-directory=Roms --controller=ctrlr\\controller.vrk"
              " --use-controller-cfg-file=ctrlr\\zn1_controller.cfg");
}

TEST(ComposeCommandLine, RomFolderIsQuotedOnlyForABlank) {
    FakeFiles files;
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, ""), files.Exists()),
              "Vresk.exe 1 --roms-directory=");
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, "C:\\My Roms"), files.Exists()),
              "Vresk.exe 1 --roms-directory=\"C:\\My Roms\"");
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, " "), files.Exists()),
              "Vresk.exe 1 --roms-directory=\" \"");
    // Tabs, commas, ampersands and quotation marks pass through untouched and unquoted.
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, "D:\\r&m,s\t\"x%1"), files.Exists()),
              "Vresk.exe 1 --roms-directory=D:\\r&m,s\t\"x%1");
}

TEST(ComposeCommandLine, RendererOutsideTheListAddsNothing) {
    FakeFiles files;
    for (ListPosition renderer : {-1, 6}) {
        EXPECT_EQ(ComposeCommandLine(Choices(12, renderer, 0), files.Exists()),
                  "Vresk.exe 12 --roms-directory=Roms")
            << renderer;
    }
}

TEST(ComposeCommandLine, UnselectedScopeStillAddsTheControllerOption) {
    FakeFiles files{"ctrlr\\controller.cfg"};
    EXPECT_EQ(ComposeCommandLine(Choices(12, 0, -1), files.Exists()),
              "Vresk.exe 12 --roms-directory=Roms"
              " --controller=ctrlr\\controller.vrk --use-controller-cfg-file=ctrlr\\");
}

TEST(ComposeCommandLine, GameNumberText) {
    FakeFiles files;
    EXPECT_EQ(ComposeCommandLine(Choices(0, 0, 0), files.Exists()),
              "Vresk.exe 0 --roms-directory=Roms");
    EXPECT_EQ(ComposeCommandLine(Choices(-1, 0, 0), files.Exists()),
              "Vresk.exe-1 --roms-directory=Roms");
    EXPECT_EQ(ComposeCommandLine(Choices(71, 0, 0), files.Exists()),
              "Vresk.exe 71 --roms-directory=Roms");
    EXPECT_EQ(ComposeCommandLine(Choices(-32768, 0, 0), files.Exists()),
              "Vresk.exe-32768 --roms-directory=Roms");
}

TEST(EditorCommand, PrefixesTheEditor) {
    EXPECT_EQ(EditorCommand("glide_renderer.cfg"), "NOTEPAD.EXE glide_renderer.cfg");
    EXPECT_EQ(EditorCommand("ctrlr\\s11_controller.cfg"), "NOTEPAD.EXE ctrlr\\s11_controller.cfg");
}

} // namespace
} // namespace qennet
