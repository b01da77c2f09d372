#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace qennet {
namespace {

TEST(Catalogue, TitlesAreShownVerbatim) {
    EXPECT_EQ(GameTitle(1), "Star Gladiator (US 960627)");
    EXPECT_EQ(GameTitle(26), "Beastorizer (US) *bootleg*");
    EXPECT_EQ(GameTitle(38), "G-Darius Ver.2 (JP 2.03J)");
    EXPECT_EQ(GameTitle(68), "Dead or Alive++");
    EXPECT_EQ(GameTitle(71), "Heaven's Gate");
}

TEST(Catalogue, EveryGameHasItsOwnTitleAndAControllerFile) {
    std::set<std::string_view> titles;
    for (int n = 1; n <= kGameCount; ++n) {
        const auto number = static_cast<GameNumber>(n);
        SCOPED_TRACE(n);
        EXPECT_FALSE(GameTitle(number).empty());
        titles.insert(GameTitle(number));
        const std::string_view file = GameControllerFile(number);
        EXPECT_GT(file.size(), std::string_view("_controller.cfg").size());
        EXPECT_EQ(file.substr(file.size() - 15), "_controller.cfg");
        EXPECT_FALSE(GroupControllerFile(number).empty());
    }
    EXPECT_EQ(titles.size(), static_cast<size_t>(kGameCount));
}

TEST(Catalogue, VersionsOfOneGameShareItsFile) {
    for (GameNumber n : {2, 3, 4}) {
        EXPECT_EQ(GameControllerFile(n), "sfex_controller.cfg") << n;
    }
    for (GameNumber n : {30, 31, 32}) {
        EXPECT_EQ(GameControllerFile(n), "psyforce_controller.cfg") << n;
    }
    // Neighbours of a shared run are different games.
    EXPECT_EQ(GameControllerFile(1), "starglad_controller.cfg");
    EXPECT_EQ(GameControllerFile(5), "sfexp_controller.cfg");
    EXPECT_EQ(GameControllerFile(71), "hvnsgate_controller.cfg");
}

TEST(Catalogue, GroupsFollowTheNumberRanges) {
    const std::pair<GameNumber, std::string_view> cases[] = {
        {1, "zn1_controller.cfg"},  {38, "zn1_controller.cfg"}, {39, "s11_controller.cfg"},
        {54, "s11_controller.cfg"}, {55, "gv_controller.cfg"},  {58, "gv_controller.cfg"},
        {59, "s12_controller.cfg"}, {64, "s12_controller.cfg"}, {65, "zn1_controller.cfg"},
        {71, "zn1_controller.cfg"},
    };
    for (const auto& [number, group] : cases) {
        EXPECT_EQ(GroupControllerFile(number), group) << number;
    }
}

TEST(Catalogue, NumbersOutsideTheCatalogueHaveNothing) {
    for (GameNumber n : {0, 72, -1, -32768, 32767}) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(GameTitle(n).empty());
        EXPECT_TRUE(GameControllerFile(n).empty());
        EXPECT_TRUE(GroupControllerFile(n).empty());
    }
}

} // namespace
} // namespace qennet
