// "qennet.cfg" holds four fields: three list positions and the quoted ROM text. The file may have
// been edited by hand or cut short, so reading takes each usable field and leaves the rest at
// their defaults; it never fails.
#include "choices_text.h"

#include "catalogue.h"
#include "controller_scope.h"
#include "renderer_options.h"

#include <cstddef>

namespace qennet {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool EndsField(char c) {
    return c == ',' || IsLineEnd(c);
}

struct Field {
    std::string_view text; // without the surrounding blanks or quotation marks
    bool quoted = false;
    bool usable = false; // false for an empty field or a quotation mark never closed
};

// Splits the text into fields the way the file was written: a field ends at a comma or a line end
// (CR LF, a lone LF or a lone CR), and a quoted text may hold commas.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // False once the input is used up: that field and every later one are missing.
    bool Next(Field& field) {
        if (pos_ >= text_.size()) {
            return false;
        }
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
        field = Field();
        if (pos_ < text_.size() && text_[pos_] == '"') {
            ReadQuoted(field);
        } else {
            ReadBare(field);
        }
        SkipTerminator();
        return true;
    }

  private:
    void ReadQuoted(Field& field) {
        field.quoted = true;
        const std::size_t start = pos_ + 1;
        std::size_t end = start;
        while (end < text_.size() && text_[end] != '"' && !IsLineEnd(text_[end])) {
            ++end;
        }
        const bool closed = end < text_.size() && text_[end] == '"';
        if (closed) {
            field.text = text_.substr(start, end - start);
            field.usable = true;
            pos_ = end + 1;
            // Whatever follows the closing mark up to the field's end is ignored.
            while (pos_ < text_.size() && !EndsField(text_[pos_])) {
                ++pos_;
            }
        } else {
            pos_ = end; // garbled: the field runs to the line end
        }
    }

    void ReadBare(Field& field) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !EndsField(text_[pos_])) {
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > start && IsBlank(text_[end - 1])) {
            --end;
        }
        field.text = text_.substr(start, end - start);
        field.usable = !field.text.empty();
    }

    void SkipTerminator() {
        if (pos_ >= text_.size()) {
            return;
        }
        const char c = text_[pos_++];
        if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// An optional sign and decimal digits that fit in 16 bits; anything else is unusable.
bool ParsePosition(const Field& field, ListPosition& value) {
    if (!field.usable || field.quoted) {
        return false;
    }
    std::string_view digits = field.text;
    const bool negative = digits.front() == '-';
    if (digits.front() == '-' || digits.front() == '+') {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return false;
    }
    long magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 32768) {
            return false;
        }
    }
    const long result = negative ? -magnitude : magnitude;
    if (result > 32767) {
        return false;
    }
    value = static_cast<ListPosition>(result);
    return true;
}

// Takes the field when it is a number inside first..last; otherwise the default stays.
void TakePosition(FieldReader& reader, ListPosition first, ListPosition last,
                  ListPosition& target) {
    Field field;
    ListPosition value = 0;
    if (reader.Next(field) && ParsePosition(field, value) && value >= first && value <= last) {
        target = value;
    }
}

// A quotation mark cannot be stored inside the quoted text, and a line end would split the file;
// a Windows path holds neither, so they are left out.
std::string Storable(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != '"' && !IsLineEnd(c)) {
            result += c;
        }
    }
    return result;
}

constexpr ListPosition kLastGame = kGameCount - 1;
constexpr ListPosition kLastRenderer = kRendererCount - 1;
constexpr ListPosition kLastScope = kScopeCount - 1;

} // namespace

StoredChoices ChoicesFromSettingsText(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    StoredChoices choices;
    FieldReader reader(text);
    TakePosition(reader, -1, kLastGame, choices.game); // -1: no game selected
    TakePosition(reader, 0, kLastRenderer, choices.renderer);
    TakePosition(reader, 0, kLastScope, choices.scope);
    Field field;
    // A NUL would cut the text short in every Windows call it is handed to.
    if (reader.Next(field) && field.usable && field.text.find('\0') == std::string_view::npos) {
        // An unquoted text may still hold stray quotation marks; dropping them here keeps what
        // is read equal to what the next write stores.
        choices.romsDirectory = Storable(field.text);
    }
    return choices;
}

std::string SettingsTextFromChoices(const StoredChoices& choices) {
    std::string text;
    for (ListPosition position : {choices.game, choices.renderer, choices.scope}) {
        text += std::to_string(position);
        text += "\r\n";
    }
    text += '"';
    text += Storable(choices.romsDirectory);
    text += "\"\r\n";
    return text;
}

} // namespace qennet
