#pragma once
// The bytes of "qennet.cfg" and the UTF-8 text they hold. The launcher writes 8-bit text in the
// ANSI code page; editors save the same file as UTF-8 (with or without a byte-order mark) or as
// UTF-16 with a mark. Only the ANSI code page needs the platform: it comes in as an AnsiCodePage.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qennet {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The longest ROM folder text the field takes as typed, in UTF-16 units; Play starts a little less.
constexpr std::size_t kLongestRomsText = 32767;

// The most of a settings file that is read. Every file the launcher writes for a ROM text up to
// kLongestRomsText fits: three bytes of UTF-8 at the most for each unit, a mark and four lines.
constexpr std::size_t kLargestSettingsFile = 128 * 1024;

// Conversions between UTF-8 and the system's ANSI code page.
class AnsiCodePage {
  public:
    virtual std::string ToUtf8(std::string_view ansi) const = 0;
    // nullopt when a character has no exact form in the code page.
    virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;

  protected:
    ~AnsiCodePage() = default;
};

enum class SettingsEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// How the bytes are read: a byte-order mark names the encoding; without one, a file that begins
// with ASCII characters each followed (or preceded) by a zero byte is UTF-16 little-endian (or
// big-endian), as some tools write it without a mark; otherwise bytes that are valid
// UTF-8 and hold a character beyond ASCII are UTF-8 (an editor's "UTF-8" without a mark), and
// anything else is ANSI, as the launcher writes it.
SettingsEncoding DetectSettingsEncoding(std::string_view bytes);

// The file's text as UTF-8. Unicode text is decoded here, its byte-order mark dropped and a
// sequence that is not a character turned into U+FFFD; ANSI text goes through the code page.
std::string SettingsTextFromBytes(std::string_view bytes, const AnsiCodePage& ansi);

// The text with every byte that is not part of a well-formed UTF-8 sequence turned into U+FFFD,
// as Windows converts such bytes.
std::string WellFormedUtf8(std::string_view text);

// The bytes to store: the text in the ANSI code page when the code page holds it and those bytes
// read back as the same text; otherwise the text as UTF-8 after a byte-order mark.
std::string SettingsBytesFromText(std::string_view utf8, const AnsiCodePage& ansi);

} // namespace qennet
