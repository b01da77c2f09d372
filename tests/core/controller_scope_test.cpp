#include "core/controller_scope.h"

#include "fake_files.h"

#include <gtest/gtest.h>

namespace qennet {
namespace {

using testing::FakeFiles;

TEST(ControllerScope, LabelsInListOrder) {
    EXPECT_EQ(ScopeLabel(0), "Default");
    EXPECT_EQ(ScopeLabel(1), "Global");
    EXPECT_EQ(ScopeLabel(2), "System Specific");
    EXPECT_EQ(ScopeLabel(3), "Game Specific");
    EXPECT_EQ(ScopeLabel(-1), "");
    EXPECT_EQ(ScopeLabel(4), "");
}

TEST(ControllerScope, ButtonIsEnabledForEveryScopeButDefault) {
    EXPECT_FALSE(ControllerSettingsEnabled(0));
    for (ListPosition scope : {1, 2, 3, -1, 4}) {
        EXPECT_TRUE(ControllerSettingsEnabled(scope)) << scope;
    }
}

TEST(GetControllerConfigFile, GameScopeFallsBackToGroupThenGlobal) {
    FakeFiles files{"ctrlr\\sfexp_controller.cfg", "ctrlr\\zn1_controller.cfg"};
    EXPECT_EQ(GetControllerConfigFile(3, 5, files.Exists()), "sfexp_controller.cfg");
    files.present.erase("ctrlr\\sfexp_controller.cfg");
    EXPECT_EQ(GetControllerConfigFile(3, 5, files.Exists()), "zn1_controller.cfg");
    files.present.clear();
    EXPECT_EQ(GetControllerConfigFile(3, 5, files.Exists()), "controller.cfg");
}

TEST(GetControllerConfigFile, GameScopeSkipsToGroupEvenWhenGlobalExists) {
    FakeFiles files{"ctrlr\\controller.cfg", "ctrlr\\s11_controller.cfg"};
    EXPECT_EQ(GetControllerConfigFile(3, 40, files.Exists()), "s11_controller.cfg");
}

TEST(GetControllerConfigFile, SystemScopeNeverTakesTheGameFile) {
    FakeFiles files{"ctrlr\\ehrgeiz_controller.cfg", "ctrlr\\s12_controller.cfg"};
    EXPECT_EQ(GetControllerConfigFile(2, 60, files.Exists()), "s12_controller.cfg");
    files.present.erase("ctrlr\\s12_controller.cfg");
    EXPECT_EQ(GetControllerConfigFile(2, 60, files.Exists()), "controller.cfg");
}

TEST(GetControllerConfigFile, GlobalScopeNeedsNoFile) {
    FakeFiles files{"ctrlr\\sfexp_controller.cfg", "ctrlr\\zn1_controller.cfg"};
    EXPECT_EQ(GetControllerConfigFile(1, 5, files.Exists()), "controller.cfg");
    EXPECT_TRUE(files.asked.empty());
}

TEST(GetControllerConfigFile, WithoutAGameOnlyTheGlobalFileIsLeft) {
    // The stand-in answers yes to everything, so only missing names can make a level absent.
    for (GameNumber game : {0, 72, -1}) {
        SCOPED_TRACE(game);
        FileExistsFn everything = [](const std::string&) { return true; };
        EXPECT_EQ(GetControllerConfigFile(2, game, everything), "controller.cfg");
        EXPECT_EQ(GetControllerConfigFile(3, game, everything), "controller.cfg");
    }
}

TEST(GetControllerConfigFile, OtherScopesGiveNoName) {
    FakeFiles files{"ctrlr\\controller.cfg", "ctrlr\\zn1_controller.cfg"};
    for (ListPosition scope : {0, -1, 4}) {
        EXPECT_EQ(GetControllerConfigFile(scope, 1, files.Exists()), "") << scope;
    }
}

TEST(GetControllerConfigFile, EachCallLooksAgain) {
    FakeFiles files;
    EXPECT_EQ(GetControllerConfigFile(3, 1, files.Exists()), "controller.cfg");
    files.present.insert("ctrlr\\starglad_controller.cfg");
    EXPECT_EQ(GetControllerConfigFile(3, 1, files.Exists()), "starglad_controller.cfg");
}

TEST(ControllerSettingsFileToEdit, OpensExactlyTheChosenLevel) {
    EXPECT_EQ(ControllerSettingsFileToEdit(1, 5), "ctrlr\\controller.cfg");
    EXPECT_EQ(ControllerSettingsFileToEdit(2, 40), "ctrlr\\s11_controller.cfg");
    EXPECT_EQ(ControllerSettingsFileToEdit(3, 1), "ctrlr\\starglad_controller.cfg");
    // The global file does not need a game.
    EXPECT_EQ(ControllerSettingsFileToEdit(1, 0), "ctrlr\\controller.cfg");
}

TEST(ControllerSettingsFileToEdit, NothingForDefaultOtherScopesOrNoGame) {
    EXPECT_EQ(ControllerSettingsFileToEdit(0, 5), "");
    EXPECT_EQ(ControllerSettingsFileToEdit(-1, 5), "");
    EXPECT_EQ(ControllerSettingsFileToEdit(4, 5), "");
    for (GameNumber game : {0, 72, -1}) {
        EXPECT_EQ(ControllerSettingsFileToEdit(2, game), "") << game;
        EXPECT_EQ(ControllerSettingsFileToEdit(3, game), "") << game;
    }
}

} // namespace
} // namespace qennet
