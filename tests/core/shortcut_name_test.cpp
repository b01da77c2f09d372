#include "core/shortcut_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qennet {
namespace {

const auto kNothingTaken = [](const std::string&) { return false; };

TEST(ShortcutFileName, ForbiddenCharactersTrailingDotsAndDeviceNames) {
    const struct {
        std::string title, name;
    } cases[] = {
        {"Beastorizer (US) *bootleg*", "Beastorizer (US) _bootleg_.lnk"},
        {"Xevious 3D/G (JP) Ver. A", "Xevious 3D-G (JP) Ver. A.lnk"},
        {"a\\b:c|d?e\"f<g>h", "a-b-c-d_e'f(g)h.lnk"},
        {std::string("Tab\there\x1f", 9) + "x", "Tab here x.lnk"},
        {"Dead or Alive++", "Dead or Alive++.lnk"},
        {"Ver. 2. . ", "Ver. 2.lnk"},
        {"R\xC3\xB6ms?", "R\xC3\xB6ms_.lnk"}, // UTF-8 passes whole
        {"...", "Game.lnk"},
        {"", "Game.lnk"},
        {"con", "con_.lnk"},
        {"Nul. Zone", "Nul_. Zone.lnk"},
        {"LPT9 .x", "LPT9_ .x.lnk"},
        {"COM\xC2\xB9", "COM\xC2\xB9_.lnk"},
        {"COM10", "COM10.lnk"},
        {"Console", "Console.lnk"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortcutFileName(c.title, kNothingTaken), c.name) << c.title;
}

TEST(ShortcutFileName, TakenNamesAreNeverReplaced) {
    const struct {
        std::set<std::string> taken;
        std::string name;
    } cases[] = {
        {{}, "Title.lnk"},
        {{"Title.lnk"}, "Title (2).lnk"},
        {{"Title.lnk", "Title (2).lnk"}, "Title (3).lnk"},
        {{"Title (2).lnk"}, "Title.lnk"},
        {{"Title.lnk", "Title (3).lnk"}, "Title (2).lnk"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> asked;
        const std::string name = ShortcutFileName("Title", [&](const std::string& candidate) {
            asked.push_back(candidate);
            return c.taken.count(candidate) > 0;
        });
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(asked.back(), c.name) << "the name given is the last one asked";
    }
    EXPECT_EQ(ShortcutFileName("Title", [](const std::string&) { return true; }), "")
        << "no free name";
}

} // namespace
} // namespace qennet
