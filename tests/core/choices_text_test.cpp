#include "core/choices_text.h"

#include <gtest/gtest.h>

namespace qennet {
namespace {

StoredChoices Stored(ListPosition game, ListPosition renderer, ListPosition scope,
                     std::string roms) {
    StoredChoices choices;
    choices.game = game;
    choices.renderer = renderer;
    choices.scope = scope;
    choices.romsDirectory = std::move(roms);
    return choices;
}

const StoredChoices kDefaults = Stored(0, 0, 0, "Roms");

// ---- Writing ----

TEST(SettingsTextFromChoices, FourLinesEndingInCrLf) {
    EXPECT_EQ(SettingsTextFromChoices(StoredChoices()), "0\r\n0\r\n0\r\n\"Roms\"\r\n");
    EXPECT_EQ(SettingsTextFromChoices(Stored(70, 5, 3, "D:\\roms")),
              "70\r\n5\r\n3\r\n\"D:\\roms\"\r\n");
    EXPECT_EQ(SettingsTextFromChoices(Stored(-1, 0, 0, "C:\\My Roms")),
              "-1\r\n0\r\n0\r\n\"C:\\My Roms\"\r\n");
}

TEST(SettingsTextFromChoices, DropsWhatTheQuotedLineCannotHold) {
    EXPECT_EQ(SettingsTextFromChoices(Stored(0, 0, 0, "a\"b\"c")), "0\r\n0\r\n0\r\n\"abc\"\r\n");
    EXPECT_EQ(SettingsTextFromChoices(Stored(0, 0, 0, "a\r\nb\nc\r")),
              "0\r\n0\r\n0\r\n\"abc\"\r\n");
}

// ---- Round trips ----

TEST(SettingsRoundTrip, ChoicesComeBackUnchanged) {
    const StoredChoices cases[] = {
        kDefaults,
        Stored(70, 5, 3, "D:\\roms"),
        Stored(-1, 2, 1, "Roms"),
        Stored(12, 1, 2, "C:\\Roms, old"),
        Stored(3, 4, 0, "  C:\\My  Roms \t"),
        Stored(0, 0, 0, ""),
        Stored(5, 0, 3, "\xC3\xA9mu,\t'x'"),
    };
    for (const StoredChoices& choices : cases) {
        SCOPED_TRACE(choices.romsDirectory);
        EXPECT_EQ(ChoicesFromSettingsText(SettingsTextFromChoices(choices)), choices);
    }
}

// ---- Reading well-formed variants ----

TEST(ChoicesFromSettingsText, AnyLineEndIsAccepted) {
    const StoredChoices expected = Stored(7, 3, 2, "X:\\a b");
    EXPECT_EQ(ChoicesFromSettingsText("7\r\n3\r\n2\r\n\"X:\\a b\"\r\n"), expected);
    EXPECT_EQ(ChoicesFromSettingsText("7\n3\n2\n\"X:\\a b\"\n"), expected);
    EXPECT_EQ(ChoicesFromSettingsText("7\r3\r2\r\"X:\\a b\"\r"), expected);
    EXPECT_EQ(ChoicesFromSettingsText("7\r\n3\n2\r\"X:\\a b\""), expected);
}

TEST(ChoicesFromSettingsText, FieldsMayShareALine) {
    EXPECT_EQ(ChoicesFromSettingsText("0,0,0,\"Roms\""), kDefaults);
    EXPECT_EQ(ChoicesFromSettingsText("4, 1,\t2 ,\"C:\\My Roms\"\r\n"),
              Stored(4, 1, 2, "C:\\My Roms"));
    EXPECT_EQ(ChoicesFromSettingsText("4,1\r\n2,\"a,b\",junk\r\n9\r\n"), Stored(4, 1, 2, "a,b"));
}

TEST(ChoicesFromSettingsText, SkipsAByteOrderMark) {
    EXPECT_EQ(ChoicesFromSettingsText("\xEF\xBB\xBF"
                                      "3\r\n1\r\n1\r\n\"R\"\r\n"),
              Stored(3, 1, 1, "R"));
}

TEST(ChoicesFromSettingsText, NumbersMayCarryASignAndBlanks) {
    EXPECT_EQ(ChoicesFromSettingsText("+5\r\n  2 \t\r\n\t003\r\n\"R\"\r\n"), Stored(5, 2, 3, "R"));
    EXPECT_EQ(ChoicesFromSettingsText("-1\r\n-0\r\n+0\r\n\"R\"\r\n"), Stored(-1, 0, 0, "R"));
}

TEST(ChoicesFromSettingsText, TextAfterTheClosingMarkIsIgnored) {
    EXPECT_EQ(ChoicesFromSettingsText("1\r\n1\r\n1\r\n  \"D:\\roms\" trailing, more\r\n"),
              Stored(1, 1, 1, "D:\\roms"));
}

TEST(ChoicesFromSettingsText, UnquotedTextIsTrimmed) {
    EXPECT_EQ(ChoicesFromSettingsText("1\r\n1\r\n1\r\n  D:\\my roms \t\r\n"),
              Stored(1, 1, 1, "D:\\my roms"));
    // Stray quotation marks are dropped, as a write would drop them.
    EXPECT_EQ(ChoicesFromSettingsText("1\r\n1\r\n1\r\nD:\\ro\"ms\"\r\n"),
              Stored(1, 1, 1, "D:\\roms"));
}

// ---- Reading damaged files: each bad value keeps its default, the others are taken ----

TEST(ChoicesFromSettingsText, EmptyOrBlankInputGivesTheDefaults) {
    EXPECT_EQ(ChoicesFromSettingsText(""), kDefaults);
    EXPECT_EQ(ChoicesFromSettingsText("\r\n"), kDefaults);
    EXPECT_EQ(ChoicesFromSettingsText("  \t"), kDefaults);
    EXPECT_EQ(ChoicesFromSettingsText("\xEF\xBB\xBF"), kDefaults);
}

TEST(ChoicesFromSettingsText, MissingValuesKeepTheirDefaults) {
    EXPECT_EQ(ChoicesFromSettingsText("9"), Stored(9, 0, 0, "Roms"));
    EXPECT_EQ(ChoicesFromSettingsText("9\r\n2\r\n"), Stored(9, 2, 0, "Roms"));
    EXPECT_EQ(ChoicesFromSettingsText("9\r\n2\r\n3\r\n"), Stored(9, 2, 3, "Roms"));
    EXPECT_EQ(ChoicesFromSettingsText("9,2,3,"), Stored(9, 2, 3, "Roms"));
}

TEST(ChoicesFromSettingsText, EmptyFieldsKeepTheirDefaults) {
    EXPECT_EQ(ChoicesFromSettingsText("\r\n\r\n3\r\n\r\n"), Stored(0, 0, 3, "Roms"));
    EXPECT_EQ(ChoicesFromSettingsText(",4,,  \r\n"), Stored(0, 4, 0, "Roms"));
}

TEST(ChoicesFromSettingsText, OnlyWholeDecimalNumbersAreTaken) {
    for (const char* bad : {"abc", "12abc", "1.5", "0x1", "1 2", "-", "+", "--1", "\"5\"", "5-"}) {
        SCOPED_TRACE(bad);
        const std::string text = std::string(bad) + "\r\n" + bad + "\r\n" + bad + "\r\n\"R\"\r\n";
        EXPECT_EQ(ChoicesFromSettingsText(text), Stored(0, 0, 0, "R"));
    }
    EXPECT_EQ(ChoicesFromSettingsText("x\r\n2\r\ny\r\n\"R\""), Stored(0, 2, 0, "R"));
}

TEST(ChoicesFromSettingsText, NumbersBeyondSixteenBitsAreNotWrapped) {
    // Wrapped to 16 bits these would land inside the lists.
    EXPECT_EQ(ChoicesFromSettingsText("32768\r\n65537\r\n-65535\r\n\"R\""), Stored(0, 0, 0, "R"));
    EXPECT_EQ(ChoicesFromSettingsText("-32769\r\n99999999999999999999\r\n65538\r\n\"R\""),
              Stored(0, 0, 0, "R"));
    EXPECT_EQ(ChoicesFromSettingsText("32767\r\n-32768\r\n1\r\n\"R\""), Stored(0, 0, 1, "R"));
}

TEST(ChoicesFromSettingsText, PositionsOutsideTheirListKeepTheirDefaults) {
    EXPECT_EQ(ChoicesFromSettingsText("71\r\n6\r\n4\r\n\"R\""), Stored(0, 0, 0, "R"));
    EXPECT_EQ(ChoicesFromSettingsText("-2\r\n-1\r\n-1\r\n\"R\""), Stored(0, 0, 0, "R"));
    EXPECT_EQ(ChoicesFromSettingsText("70\r\n5\r\n3\r\n\"R\""), Stored(70, 5, 3, "R"));
}

TEST(ChoicesFromSettingsText, RomsTextWithANulIsUnusable) {
    // Every Windows call would cut it short: "Ro" is no folder the player chose.
    EXPECT_EQ(ChoicesFromSettingsText(std::string("1\r\n2\r\n3\r\n\"Ro\0ms\"\r\n", 18)),
              Stored(1, 2, 3, "Roms"));
    EXPECT_EQ(ChoicesFromSettingsText(std::string("1\r\n2\r\n3\r\nD:\\\0\r\n", 15)),
              Stored(1, 2, 3, "Roms"));
}

TEST(ChoicesFromSettingsText, UnclosedQuotationMarkSpoilsOnlyItsField) {
    EXPECT_EQ(ChoicesFromSettingsText("1\r\n2\r\n3\r\n\"D:\\ro"), Stored(1, 2, 3, "Roms"));
    EXPECT_EQ(ChoicesFromSettingsText("1\r\n2\r\n3\r\n\"D:\\ro\r\nms\"\r\n"),
              Stored(1, 2, 3, "Roms"));
    // The spoilt field ends at its line, so the next line is read as the next value.
    EXPECT_EQ(ChoicesFromSettingsText("\"5,1\r\n2\r\n3\r\n\"R\"\r\n"), Stored(0, 2, 3, "R"));
}

} // namespace
} // namespace qennet
