// Feeds arbitrary bytes to the settings reader, as the file's bytes under a Western and a UTF-8
// ANSI code page: it must never crash, must only hand back positions inside their lists, and
// whatever it reads must come back the same from what the launcher writes, and from the same text
// saved in every other encoding the reader accepts; and the longest text the field takes, saved,
// fits what the launcher reads.
#include "core/settings_encoding.h"
#include "core/choices_text.h"
#include "tests/core/fake_code_pages.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using qennet::AnsiCodePage;
using qennet::StoredChoices;

bool InRange(const StoredChoices& choices) {
    return choices.game >= -1 && choices.game <= 70 && choices.renderer >= 0 &&
           choices.renderer <= 5 && choices.scope >= 0 && choices.scope <= 3;
}

StoredChoices Read(std::string_view bytes, const AnsiCodePage& ansi) {
    return qennet::ChoicesFromSettingsText(qennet::SettingsTextFromBytes(bytes, ansi));
}

// UTF-16 with a byte-order mark, from well-formed UTF-8.
std::string Utf16(std::string_view utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    auto unit = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

// The ROM text's length in UTF-16 units, as the field counts it.
std::size_t Utf16Units(std::string_view utf8) {
    std::size_t units = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80; // a character's first byte
        units += byte >= 0xF0;          // beyond 16 bits: a surrogate pair
    }
    return units;
}

// The read ROM text made as long as the field takes, saved: the reader must take all of it.
void CheckLongestSaveFits(StoredChoices choices, const AnsiCodePage& ansi) {
    if (choices.romsDirectory.empty())
        return;
    const std::string piece = choices.romsDirectory;
    const std::size_t pieceUnits = Utf16Units(piece);
    std::size_t units = pieceUnits;
    while (units + pieceUnits <= qennet::kLongestRomsText) {
        choices.romsDirectory += piece;
        units += pieceUnits;
    }
    const std::string file =
        qennet::SettingsBytesFromText(qennet::SettingsTextFromChoices(choices), ansi);
    if (file.size() > qennet::kLargestSettingsFile || Read(file, ansi) != choices)
        __builtin_trap();
}

void Check(std::string_view bytes, const AnsiCodePage& ansi) {
    const StoredChoices read = Read(bytes, ansi);
    if (!InRange(read))
        __builtin_trap();
    const std::string text = qennet::SettingsTextFromChoices(read);
    const std::string saved[] = {
        qennet::SettingsBytesFromText(text, ansi), // what the launcher writes
        std::string(qennet::kUtf8ByteOrderMark) + text,
        text, // UTF-8 without a mark
        Utf16(text, false),
        Utf16(text, true),
    };
    for (const std::string& file : saved) {
        if (Read(file, ansi) != read)
            __builtin_trap();
    }
    CheckLongestSaveFits(read, ansi);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes, qennet::testing::Latin1CodePage());
    Check(bytes, qennet::testing::Utf8CodePage());
    return 0;
}
