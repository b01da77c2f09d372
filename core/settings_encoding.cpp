#include "settings_encoding.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace qennet {
namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

unsigned char Byte(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

// The length of the well-formed UTF-8 sequence at pos (no overlong forms, no surrogates, nothing
// beyond U+10FFFF), or 0 when there is none.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t pos) {
    const unsigned char lead = Byte(text, pos);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    const unsigned char second = Byte(text, pos + 1);
    if (second < low || second > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((Byte(text, pos + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool IsUtf8BeyondAscii(std::string_view text) {
    bool beyondAscii = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, pos);
        if (length == 0)
            return false;
        beyondAscii = beyondAscii || length > 1;
        pos += length;
    }
    return beyondAscii;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) -> char32_t {
        const unsigned char first = Byte(bytes, 2 * i), second = Byte(bytes, 2 * i + 1);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t next = unitAt(i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
    }
    if (bytes.size() % 2 != 0) // half a character at the end
        AppendUtf8(out, kReplacement);
    return out;
}

// UTF-16 without a byte-order mark, as some tools write it. The file begins with the game's list
// position, so its first characters are ASCII (a digit, a minus sign or a blank, then more such
// and line ends) with every other byte zero; the launcher's own 8-bit files never hold a zero.
bool IsUnmarkedUtf16(std::string_view bytes, bool bigEndian) {
    const std::size_t units = std::min<std::size_t>(bytes.size() / 2, 4);
    for (std::size_t i = 0; i < units; ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 1 : 0)]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + (bigEndian ? 0 : 1)]);
        const bool fits = i == 0 ? (low >= '0' && low <= '9') || low == '-' || low == ' '
                                 : low != 0 && low < 0x80;
        if (high != 0 || !fits)
            return false;
    }
    return units > 0;
}

} // namespace

std::string WellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, pos);
        if (length == 0) {
            AppendUtf8(out, kReplacement);
            ++pos;
        } else {
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

SettingsEncoding DetectSettingsEncoding(std::string_view bytes) {
    if (StartsWith(bytes, kUtf8ByteOrderMark))
        return SettingsEncoding::Utf8;
    if (StartsWith(bytes, kUtf16LeMark))
        return SettingsEncoding::Utf16Le;
    if (StartsWith(bytes, kUtf16BeMark))
        return SettingsEncoding::Utf16Be;
    if (IsUnmarkedUtf16(bytes, false))
        return SettingsEncoding::Utf16Le;
    if (IsUnmarkedUtf16(bytes, true))
        return SettingsEncoding::Utf16Be;
    return IsUtf8BeyondAscii(bytes) ? SettingsEncoding::Utf8 : SettingsEncoding::Ansi;
}

std::string SettingsTextFromBytes(std::string_view bytes, const AnsiCodePage& ansi) {
    switch (DetectSettingsEncoding(bytes)) {
    case SettingsEncoding::Ansi:
        return ansi.ToUtf8(bytes);
    case SettingsEncoding::Utf8:
        if (StartsWith(bytes, kUtf8ByteOrderMark))
            bytes.remove_prefix(kUtf8ByteOrderMark.size());
        return WellFormedUtf8(bytes);
    case SettingsEncoding::Utf16Le:
        if (StartsWith(bytes, kUtf16LeMark))
            bytes.remove_prefix(kUtf16LeMark.size());
        return Utf16ToUtf8(bytes, false);
    case SettingsEncoding::Utf16Be:
        if (StartsWith(bytes, kUtf16BeMark))
            bytes.remove_prefix(kUtf16BeMark.size());
        return Utf16ToUtf8(bytes, true);
    }
    return {};
}

std::string SettingsBytesFromText(std::string_view utf8, const AnsiCodePage& ansi) {
    // ANSI bytes that happen to be valid UTF-8 would be read as UTF-8 ("Ã©" in code page 1252 is
    // the UTF-8 of "é"), so the ANSI form is kept only when it reads back as the same text.
    if (const std::optional<std::string> bytes = ansi.FromUtf8(utf8)) {
        if (SettingsTextFromBytes(*bytes, ansi) == utf8)
            return *bytes;
    }
    std::string bytes(kUtf8ByteOrderMark);
    bytes += utf8;
    return bytes;
}

} // namespace qennet
