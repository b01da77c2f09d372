#include "core/settings_encoding.h"

#include "core/choices_text.h"
#include "fake_code_pages.h"

#include <gtest/gtest.h>

namespace qennet {
namespace {

using testing::Latin1CodePage;
using testing::Utf8CodePage;

const Latin1CodePage kWestern;
const Utf8CodePage kUtf8Ansi;

std::string Bytes(const char* text, std::size_t size) {
    return std::string(text, size);
}

// ---- Reading ----

TEST(SettingsTextFromBytes, TheLaunchersOwnAnsiBytesReadAsBefore) {
    const std::string ansi = "0\r\n0\r\n0\r\n\"C:\\Jeux r\xE9tro\"\r\n"; // é in code page 1252
    EXPECT_EQ(DetectSettingsEncoding(ansi), SettingsEncoding::Ansi);
    EXPECT_EQ(SettingsTextFromBytes(ansi, kWestern),
              "0\r\n0\r\n0\r\n\"C:\\Jeux r\xC3\xA9tro\"\r\n");
    EXPECT_EQ(DetectSettingsEncoding("0\r\n0\r\n0\r\n\"Roms\"\r\n"), SettingsEncoding::Ansi);
}

TEST(SettingsTextFromBytes, Utf8WithoutAMarkIsReadAsUtf8) {
    // Notepad's default since Windows 10: "Spiele\Röms" without a byte-order mark.
    const std::string utf8 = "0\r\n0\r\n0\r\n\"Spiele\\R\xC3\xB6ms\"\r\n";
    EXPECT_EQ(DetectSettingsEncoding(utf8), SettingsEncoding::Utf8);
    EXPECT_EQ(SettingsTextFromBytes(utf8, kWestern), utf8);
    EXPECT_EQ(ChoicesFromSettingsText(SettingsTextFromBytes(utf8, kWestern)).romsDirectory,
              "Spiele\\R\xC3\xB6ms");
}

TEST(SettingsTextFromBytes, OnlyWellFormedUtf8CountsAsUtf8) {
    for (const char* ansi : {"\"R\xC3\"",                // cut short
                             "\"R\xC0\xAF\"",            // overlong "/"
                             "\"R\xED\xA0\x80\"",        // a surrogate
                             "\"R\xF4\x90\x80\x80\"",    // beyond U+10FFFF
                             "\"\xC3\xA9 and \xE9\""}) { // UTF-8 and ANSI mixed
        SCOPED_TRACE(ansi);
        EXPECT_EQ(DetectSettingsEncoding(ansi), SettingsEncoding::Ansi);
    }
    EXPECT_EQ(DetectSettingsEncoding("\xF0\x9F\x8E\xAE \xE3\x82\xB2"), SettingsEncoding::Utf8);
}

TEST(SettingsTextFromBytes, Utf8AfterAMarkIsReadWithTheMarkDropped) {
    EXPECT_EQ(SettingsTextFromBytes("\xEF\xBB\xBF"
                                    "1\r\n",
                                    kWestern),
              "1\r\n");
    // A broken sequence after the mark becomes U+FFFD, so the text is always well-formed.
    EXPECT_EQ(SettingsTextFromBytes("\xEF\xBB\xBF\"R\xE9s\"", kWestern), "\"R\xEF\xBF\xBDs\"");
}

TEST(SettingsTextFromBytes, Utf16WithAMarkIsRead) {
    // "5\r\n" then "Röms" and a character beyond the 16-bit range (U+1F3AE, a surrogate pair).
    const std::string little = Bytes("\xFF\xFE"
                                     "5\0\r\0\n\0\"\0R\0\xF6\0m\0s\0\x3C\xD8\xAE\xDF\"\0",
                                     24);
    const std::string big = Bytes("\xFE\xFF"
                                  "\0"
                                  "5\0\r\0\n\0\"\0R\0\xF6\0m\0s\xD8\x3C\xDF\xAE\0\"",
                                  24);
    const std::string expected = "5\r\n\"R\xC3\xB6ms\xF0\x9F\x8E\xAE\"";
    EXPECT_EQ(DetectSettingsEncoding(little), SettingsEncoding::Utf16Le);
    EXPECT_EQ(DetectSettingsEncoding(big), SettingsEncoding::Utf16Be);
    EXPECT_EQ(SettingsTextFromBytes(little, kWestern), expected);
    EXPECT_EQ(SettingsTextFromBytes(big, kWestern), expected);
}

TEST(SettingsTextFromBytes, BrokenUtf16GivesReplacementCharacters) {
    // A lone low surrogate, a high surrogate followed by a letter, and half a character.
    const std::string little = Bytes("\xFF\xFE\x00\xDC"
                                     "a\0\x00\xD8"
                                     "b\0c",
                                     11);
    EXPECT_EQ(SettingsTextFromBytes(little, kWestern), "\xEF\xBF\xBD"
                                                       "a\xEF\xBF\xBD"
                                                       "b\xEF\xBF\xBD");
}

TEST(SettingsTextFromBytes, Utf16ChoicesComeUp) {
    const std::string little = Bytes("\xFF\xFE"
                                     "7\0\r\0\n\0"
                                     "1\0\r\0\n\0"
                                     "2\0\r\0\n\0"
                                     "\"\0D\0:\0\\\0r\0\"\0\r\0\n\0",
                                     36);
    StoredChoices expected;
    expected.game = 7;
    expected.renderer = 1;
    expected.scope = 2;
    expected.romsDirectory = "D:\\r";
    EXPECT_EQ(ChoicesFromSettingsText(SettingsTextFromBytes(little, kWestern)), expected);
    // The same without its mark, as some tools write it, in either byte order; and a file with a
    // negative game position.
    const std::string unmarked = little.substr(2);
    std::string swapped = unmarked;
    for (size_t i = 0; i + 1 < swapped.size(); i += 2)
        std::swap(swapped[i], swapped[i + 1]);
    EXPECT_EQ(DetectSettingsEncoding(unmarked), SettingsEncoding::Utf16Le);
    EXPECT_EQ(DetectSettingsEncoding(swapped), SettingsEncoding::Utf16Be);
    EXPECT_EQ(ChoicesFromSettingsText(SettingsTextFromBytes(unmarked, kWestern)), expected);
    EXPECT_EQ(ChoicesFromSettingsText(SettingsTextFromBytes(swapped, kWestern)), expected);
    EXPECT_EQ(DetectSettingsEncoding(Bytes("-\0\x31\0\r\0", 6)), SettingsEncoding::Utf16Le);
}

// ---- Writing ----

TEST(SettingsBytesFromText, TextTheCodePageHoldsIsWrittenInIt) {
    EXPECT_EQ(SettingsBytesFromText("0\r\n0\r\n0\r\n\"Roms\"\r\n", kWestern),
              "0\r\n0\r\n0\r\n\"Roms\"\r\n");
    EXPECT_EQ(SettingsBytesFromText("\"Spiele\\R\xC3\xB6ms\"", kWestern), "\"Spiele\\R\xF6ms\"");
}

TEST(SettingsBytesFromText, TextBeyondTheCodePageIsWrittenAsUtf8WithAMark) {
    const std::string japanese = "\"C:\\\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0\"";
    EXPECT_EQ(SettingsBytesFromText(japanese, kWestern), "\xEF\xBB\xBF" + japanese);
}

TEST(SettingsBytesFromText, AnsiBytesThatWouldReadAsUtf8GetAMark) {
    // "Ã©" in code page 1252 is the UTF-8 of "é".
    const std::string text = "\"\xC3\x83\xC2\xA9\"";
    EXPECT_EQ(SettingsBytesFromText(text, kWestern), "\xEF\xBB\xBF" + text);
}

TEST(SettingsBytesFromText, UnderAUtf8CodePageEveryTextIsWrittenAsUtf8WithoutAMark) {
    const std::string japanese = "\"C:\\\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0 R\xC3\xB6ms\"";
    EXPECT_EQ(SettingsBytesFromText(japanese, kUtf8Ansi), japanese);
    // And it reads back the same under any code page.
    EXPECT_EQ(SettingsTextFromBytes(japanese, kUtf8Ansi), japanese);
    EXPECT_EQ(SettingsTextFromBytes(japanese, kWestern), japanese);
}

TEST(SettingsBytesFromText, WhatIsWrittenReadsBack) {
    for (const char* text : {"Roms", "R\xC3\xB6ms", "\xC3\x83\xC2\xA9", "\xE3\x82\xB2 \xC3\xA9",
                             "\xF0\x9F\x8E\xAE", ""}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(SettingsTextFromBytes(SettingsBytesFromText(text, kWestern), kWestern), text);
        EXPECT_EQ(SettingsTextFromBytes(SettingsBytesFromText(text, kUtf8Ansi), kUtf8Ansi), text);
    }
}

} // namespace
} // namespace qennet
