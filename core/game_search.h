#pragma once
// Typing in the game list: characters typed within a pause of each other build a text, and the
// selection goes to the first title, from the current one on and wrapping round, that begins with
// it, ignoring case; a text of digits selects the game of that number instead.
#include "types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qennet {

class GameSearch {
  public:
    // One character (UTF-8) typed at a time in milliseconds (a tick count, which may wrap), with
    // the list at `current` (-1: nothing selected); a gap longer than `pause` starts a new text.
    // Returns the position to select, or nothing to keep the selection where it is.
    //  - The first character of a text, and a text of one character typed again and again, look
    //    from the title after the current one, so a repeated letter steps through the titles that
    //    begin with it; a longer text looks from the current title itself, which it keeps while
    //    the title still matches.
    //  - A text that begins with a digit is a game number: "4" "3" selects game 43. A number
    //    outside 1..71, or a letter typed after digits, matches nothing.
    std::optional<ListPosition> Typed(std::string_view character, std::uint32_t time,
                                      ListPosition current, std::uint32_t pause);

  private:
    std::string text_; // folded to lower case
    std::uint32_t lastTime_ = 0;
};

} // namespace qennet
