#include "core/command_line.h"

#include "fake_code_pages.h"
#include "fake_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qennet {
namespace {

using testing::FakeFiles;
using Arguments = std::vector<std::string>;

// The arguments the emulator sees: its C runtime splits the line at blanks and tabs outside
// quotation marks; 2n backslashes before a mark give n and the mark opens or closes a quoted
// part, 2n+1 give n and a literal mark; other backslashes are plain characters.
Arguments SplitLikeTheEmulator(const std::string& line) {
    Arguments arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) {
                arguments.push_back(current);
            }
            current.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            std::size_t run = 0;
            while (i < line.size() && line[i] == '\\') {
                ++run;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                current.append(run / 2, '\\');
                if (run % 2 == 1) {
                    current += '"';
                    ++i;
                }
            } else {
                current.append(run, '\\');
            }
        } else if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                current += '"'; // a doubled mark inside quotes is a literal one
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
        } else {
            current += c;
            ++i;
        }
    }
    if (inArgument) {
        arguments.push_back(current);
    }
    return arguments;
}

PlayChoices Choices(GameNumber game, ListPosition renderer, ListPosition scope,
                    std::string roms = "Roms") {
    PlayChoices choices;
    choices.game = game;
    choices.renderer = renderer;
    choices.scope = scope;
    choices.romsDirectory = std::move(roms);
    return choices;
}

TEST(ComposeCommandLine, EveryPieceInOrder) {
    FakeFiles files{"vresk.cfg"};
    EXPECT_EQ(
        ComposeCommandLine(Choices(5, 4, 1), files.Exists()),
        "Vresk.exe 5 --use-config-file=vresk.cfg --roms-directory=Roms"
        " --renderer=ogl_renderer.vrk --use-renderer-cfg-file=ogl_renderer.cfg"
        " --controller=ctrlr\\controller.vrk --use-controller-cfg-file=ctrlr\\controller.cfg");
}

TEST(ComposeCommandLine, DefaultsGiveOnlyTheGameAndRomFolder) {
    FakeFiles files;
    EXPECT_EQ(ComposeCommandLine(Choices(12, 0, 0), files.Exists()),
              "Vresk.exe 12 --roms-directory=Roms");
    // Each Play looks for the emulator's configuration again.
    files.present.insert("vresk.cfg");
    EXPECT_EQ(ComposeCommandLine(Choices(12, 0, 0), files.Exists()),
              "Vresk.exe 12 --use-config-file=vresk.cfg --roms-directory=Roms");
}

TEST(ComposeCommandLine, ControllerFileIsTheMostSpecificPresent) {
    FakeFiles files{"ctrlr\\zn1_controller.cfg"};
    EXPECT_EQ(ComposeCommandLine(Choices(5, 0, 3), files.Exists()),
              "Vresk.exe 5 --roms-directory=Roms --controller=ctrlr\\controller.vrk"
              " --use-controller-cfg-file=ctrlr\\zn1_controller.cfg");
}

TEST(ComposeCommandLine, RomFolderIsQuotedOnlyForABlank) {
    FakeFiles files;
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, ""), files.Exists()),
              "Vresk.exe 1 --roms-directory=");
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, "C:\\My Roms"), files.Exists()),
              "Vresk.exe 1 --roms-directory=\"C:\\My Roms\"");
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, " "), files.Exists()),
              "Vresk.exe 1 --roms-directory=\" \"");
    // Tabs, commas, ampersands and percent signs pass through untouched and unquoted.
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, "D:\\r&m,s\tx%1"), files.Exists()),
              "Vresk.exe 1 --roms-directory=D:\\r&m,s\tx%1");
}

TEST(ComposeCommandLine, TrailingBackslashesOfAQuotedFolderAreDoubled) {
    FakeFiles files;
    const std::string line = ComposeCommandLine(Choices(1, 4, 1, "C:\\My Roms\\"), files.Exists());
    EXPECT_EQ(line, "Vresk.exe 1 --roms-directory=\"C:\\My Roms\\\\\""
                    " --renderer=ogl_renderer.vrk --use-renderer-cfg-file=ogl_renderer.cfg"
                    " --controller=ctrlr\\controller.vrk"
                    " --use-controller-cfg-file=ctrlr\\controller.cfg");
    EXPECT_EQ(SplitLikeTheEmulator(line),
              (Arguments{"Vresk.exe", "1", "--roms-directory=C:\\My Roms\\",
                         "--renderer=ogl_renderer.vrk", "--use-renderer-cfg-file=ogl_renderer.cfg",
                         "--controller=ctrlr\\controller.vrk",
                         "--use-controller-cfg-file=ctrlr\\controller.cfg"}));
    EXPECT_EQ(
        SplitLikeTheEmulator(ComposeCommandLine(Choices(1, 2, 0, "D:\\a b\\\\"), files.Exists())),
        (Arguments{"Vresk.exe", "1", "--roms-directory=D:\\a b\\\\",
                   "--renderer=soft_renderer.vrk"}));
    // Backslashes inside the text and those of a bare text stay as they are.
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, "C:\\a b\\c"), files.Exists()),
              "Vresk.exe 1 --roms-directory=\"C:\\a b\\c\"");
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, "C:\\Roms\\"), files.Exists()),
              "Vresk.exe 1 --roms-directory=C:\\Roms\\");
}

TEST(ComposeCommandLine, QuotationMarksAroundTheFolderAreDropped) {
    FakeFiles files;
    const std::string line =
        ComposeCommandLine(Choices(1, 2, 0, "\"C:\\My Roms\""), files.Exists());
    EXPECT_EQ(line, "Vresk.exe 1 --roms-directory=\"C:\\My Roms\" --renderer=soft_renderer.vrk");
    EXPECT_EQ(SplitLikeTheEmulator(line),
              (Arguments{"Vresk.exe", "1", "--roms-directory=C:\\My Roms",
                         "--renderer=soft_renderer.vrk"}));
    // Without a blank the marks are dropped all the same, so a lone one cannot swallow the
    // options after it.
    EXPECT_EQ(ComposeCommandLine(Choices(1, 2, 0, "\"D:\\Roms"), files.Exists()),
              "Vresk.exe 1 --roms-directory=D:\\Roms --renderer=soft_renderer.vrk");
    EXPECT_EQ(ComposeCommandLine(Choices(1, 0, 0, "\"\""), files.Exists()),
              "Vresk.exe 1 --roms-directory=");
}

// The copy a player runs in Command Prompt or PowerShell: ".\" first, and the folder quoted where
// either shell would act on one of its characters; the emulator gets the arguments Play gives it.
TEST(ComposeCommandLine, TheShellsCopyQuotesWhatEitherShellActsOn) {
    FakeFiles files;
    const struct {
        std::string folder, piece;
    } cases[] = {
        {"Roms", "--roms-directory=Roms"},
        {"C:\\My Roms", "--roms-directory=\"C:\\My Roms\""},
        {"D:\\Roms&More\\", "--roms-directory=\"D:\\Roms&More\\\\\""},
    };
    for (const auto& c : cases) {
        const PlayChoices choices = Choices(5, 2, 0, c.folder);
        EXPECT_EQ(ComposeCommandLine(choices, files.Exists(), LineFor::Shell),
                  ".\\Vresk.exe 5 " + c.piece + " --renderer=soft_renderer.vrk")
            << c.folder;
    }
    for (const char special : std::string("&^()!;,=%'`${}@#")) {
        const PlayChoices choices = Choices(5, 0, 1, std::string("R") + special + "s");
        const std::string copied = ComposeCommandLine(choices, files.Exists(), LineFor::Shell);
        EXPECT_NE(copied.find(std::string("=\"R") + special + "s\""), std::string::npos) << copied;
        Arguments play = SplitLikeTheEmulator(ComposeCommandLine(choices, files.Exists()));
        play[0] = ".\\Vresk.exe";
        EXPECT_EQ(SplitLikeTheEmulator(copied), play) << special;
    }
}

TEST(ComposeCommandLine, RendererOutsideTheListAddsNothing) {
    FakeFiles files;
    for (ListPosition renderer : {-1, 6}) {
        EXPECT_EQ(ComposeCommandLine(Choices(12, renderer, 0), files.Exists()),
                  "Vresk.exe 12 --roms-directory=Roms")
            << renderer;
    }
}

TEST(ComposeCommandLine, UnselectedScopeStillAddsTheControllerOption) {
    FakeFiles files{"ctrlr\\controller.cfg"};
    EXPECT_EQ(ComposeCommandLine(Choices(12, 0, -1), files.Exists()),
              "Vresk.exe 12 --roms-directory=Roms"
              " --controller=ctrlr\\controller.vrk --use-controller-cfg-file=ctrlr\\");
}

TEST(ComposeCommandLine, GameNumberText) {
    FakeFiles files;
    EXPECT_EQ(ComposeCommandLine(Choices(0, 0, 0), files.Exists()),
              "Vresk.exe 0 --roms-directory=Roms");
    EXPECT_EQ(ComposeCommandLine(Choices(-1, 0, 0), files.Exists()),
              "Vresk.exe-1 --roms-directory=Roms");
    EXPECT_EQ(ComposeCommandLine(Choices(71, 0, 0), files.Exists()),
              "Vresk.exe 71 --roms-directory=Roms");
    EXPECT_EQ(ComposeCommandLine(Choices(-32768, 0, 0), files.Exists()),
              "Vresk.exe-32768 --roms-directory=Roms");
}

TEST(RomsFolderTheEmulatorReads, TheTextWhereTheCodePageHoldsItElseAShortName) {
    const testing::Latin1CodePage western;
    const testing::Utf8CodePage utf8;
    const std::string japanese = "D:\\\xE3\x83\xAD\xE3\x83\xA0"; // D:\ and two katakana
    const std::string fullwidthQuote = "D:\\a\xEF\xBC\x82"
                                       "b"; // U+FF02 in the name
    struct Case {
        const AnsiCodePage& ansi;
        std::string typed, shortName;
        std::optional<std::string> passed;
    } cases[] = {
        {western, "D:\\R\xC3\xB6ms", "", "D:\\R\xC3\xB6ms"}, // the code page holds it
        {western, japanese, "D:\\~ROMS~1", "D:\\~ROMS~1"},
        {western, fullwidthQuote, "D:\\AB~1", "D:\\AB~1"},
        {western, japanese, "", std::nullopt},       // no short name
        {western, japanese, japanese, std::nullopt}, // a short name as unreadable
        {utf8, japanese, "D:\\~ROMS~1", japanese},   // a UTF-8 code page holds everything
        {western, '"' + japanese + '"', "D:\\~ROMS~1", "D:\\~ROMS~1"}, // "Copy as path"
    };
    for (const Case& c : cases) {
        int asked = 0;
        const auto shortName = [&](const std::string& path) {
            ++asked;
            EXPECT_EQ(path, c.typed.front() == '"' ? japanese : c.typed) << "asked with its quotes";
            return c.shortName;
        };
        EXPECT_EQ(RomsFolderTheEmulatorReads(c.typed, c.ansi, shortName), c.passed) << c.typed;
        EXPECT_EQ(asked, c.ansi.FromUtf8(c.typed) ? 0 : 1) << c.typed;
    }
}

TEST(ArgumentsAfterProgram, WhatFollowsTheProgramsName) {
    FakeFiles files;
    const struct {
        std::string line, arguments;
    } cases[] = {
        {ComposeCommandLine(Choices(0, 0, 0), files.Exists()), "0 --roms-directory=Roms"},
        {ComposeCommandLine(Choices(5, 0, 0, "D:\\My Roms\\"), files.Exists()),
         "5 --roms-directory=\"D:\\My Roms\\\\\""},
        {"Vresk.exe-1 --roms-directory=Roms", "--roms-directory=Roms"},
        {"Vresk.exe", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArgumentsAfterProgram(c.line), c.arguments) << c.line;
}

TEST(EditorCommand, PrefixesTheEditor) {
    EXPECT_EQ(EditorCommand("glide_renderer.cfg"), "NOTEPAD.EXE glide_renderer.cfg");
    EXPECT_EQ(EditorCommand("ctrlr\\s11_controller.cfg"), "NOTEPAD.EXE ctrlr\\s11_controller.cfg");
}

} // namespace
} // namespace qennet
