#include "core/game_search.h"

#include "core/catalogue.h"

#include <gtest/gtest.h>

namespace qennet {
namespace {

ListPosition PositionOf(std::string_view title) {
    for (GameNumber number = 1; number <= kGameCount; ++number) {
        if (GameTitle(number) == title)
            return static_cast<ListPosition>(number - 1);
    }
    ADD_FAILURE() << "no title " << title;
    return -1;
}

// Each row types its characters exactly the pause apart (still one text), and one millisecond
// more after a '|' (a new text), starting at `first`, from the list at `start`.
TEST(GameSearch, TypedCharactersSelect) {
    constexpr std::uint32_t kPause = 1000;
    const ListPosition tekken = PositionOf("Tekken (JP) Ver. B");
    const ListPosition tech = PositionOf("Tech Romancer (US 980914)");
    const struct {
        const char* typed;
        ListPosition start, selected;
        std::uint32_t first = 0;
    } cases[] = {
        {"tek", 0, tekken},
        {"TeK", 0, tekken},
        {"g-d", 50, PositionOf("G-Darius (JP 2.01J)")}, // wrapping round
        {"te", 0, tech},                                // a title that still matches is kept
        {"tekken 2", tekken, PositionOf("Tekken 2 (JP) Ver. B")},
        {"street fighter ex 2 p", 0, PositionOf("Street Fighter EX 2 PLUS (US 990611)")},
        {"t", -1, tech},
        {"ttt", 0, tekken}, // the repeated letter steps
        {"hhh", 0, PositionOf("Hyper Athlete (JP) Ver. 1.00")},
        {"t|e", 0, PositionOf("Ehrgeiz (US) Ver. A")},
        {"te", 0, tech, 0xFFFFFF00u}, // across the tick count's wrap
        {"tex", 0, tech},             // no match
        {"q", 5, 5},                  // no title begins so
        {"43", 0, 42},
        {"7", 0, 6},
        {"7|2", 0, 1},
        {"72", 0, 6},          // no game 72: the last match stays
        {"4294967339", 0, 41}, // "42", then past the last game however long
        {"0", 5, 5},
        {"1a", 5, 0}, // a letter after digits matches nothing
    };
    for (const auto& c : cases) {
        GameSearch search;
        ListPosition current = c.start;
        std::uint32_t time = c.first - kPause;
        for (const char* typed = c.typed; *typed; ++typed) {
            if (*typed == '|') {
                ++time;
                continue;
            }
            time += kPause;
            if (const auto selected = search.Typed({typed, 1}, time, current, kPause))
                current = *selected;
        }
        EXPECT_EQ(current, c.selected) << c.typed << " from " << c.start;
    }
}

} // namespace
} // namespace qennet
