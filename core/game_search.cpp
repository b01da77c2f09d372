#include "core/game_search.h"

#include "core/catalogue.h"

#include <algorithm>

namespace qennet {
namespace {

// ASCII only: the titles are ASCII, and other bytes must match exactly.
char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool BeginsWith(std::string_view title, std::string_view folded) {
    if (title.size() < folded.size())
        return false;
    return std::equal(folded.begin(), folded.end(), title.begin(),
                      [](char f, char t) { return f == Folded(t); });
}

std::optional<ListPosition> NumberedGame(std::string_view digits) {
    int number = 0;
    for (const char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        // Past the catalogue it stays past, whatever follows, and never overflows.
        number = std::min(number * 10 + (c - '0'), kGameCount + 1);
    }
    if (number < 1 || number > kGameCount)
        return std::nullopt;
    return static_cast<ListPosition>(number - 1);
}

std::optional<ListPosition> FirstTitleFrom(int start, std::string_view folded) {
    for (int i = 0; i < kGameCount; ++i) {
        const int position = (start + i) % kGameCount;
        if (BeginsWith(GameTitle(static_cast<GameNumber>(position + 1)), folded))
            return static_cast<ListPosition>(position);
    }
    return std::nullopt;
}

} // namespace

std::optional<ListPosition> GameSearch::Typed(std::string_view character, std::uint32_t time,
                                              ListPosition current, std::uint32_t pause) {
    if (character.empty())
        return std::nullopt;
    // Unsigned difference: right across the tick count's wrap.
    if (time - lastTime_ > pause)
        text_.clear();
    lastTime_ = time;
    for (const char c : character)
        text_ += Folded(c);

    if (IsDigit(text_[0]))
        return NumberedGame(text_);
    const int after = std::max<int>(current, -1) + 1;
    if (text_.find_first_not_of(text_[0]) == std::string::npos)
        return FirstTitleFrom(after, text_.substr(0, 1));
    return FirstTitleFrom(std::max<int>(current, 0), text_);
}

} // namespace qennet
