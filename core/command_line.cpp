// Play's command line: "Vresk.exe", the game number, then the configuration, ROM folder, renderer
// and controller pieces, each carrying its own leading blank.
#include "command_line.h"

#include "controller_scope.h"
#include "renderer_options.h"

namespace qennet {
namespace {

// A negative number brings its own minus sign in place of the blank.
std::string GameNumberText(GameNumber game) {
    std::string text = std::to_string(game);
    return game >= 0 ? " " + text : text;
}

// A Windows path cannot hold a quotation mark, and one typed or pasted around the folder
// (Explorer's "Copy as path" adds them) would split the value or swallow the options after it.
std::string WithoutQuotationMarks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != '"') {
            result += c;
        }
    }
    return result;
}

// Only a blank makes the emulator split the value, so only a blank calls for quotation marks.
// Command Prompt and PowerShell also act on these characters outside quotation marks (a command
// separator, an escape, a group, a variable, an array, a comment...).
constexpr char kEmulatorSplits[] = " ";
constexpr char kShellsSplit[] = " &^()!;,=%'`${}@#";

// The emulator reads backslashes right before a quotation mark as escapes: those that end the
// quoted text are doubled, so "C:\My Roms\" keeps its last backslash and the closing mark.
std::string RomsDirectoryPiece(const std::string& typed, LineFor use) {
    const std::string text = WithoutQuotationMarks(typed);
    const bool quote = text.find_first_of(use == LineFor::Shell ? kShellsSplit : kEmulatorSplits) !=
                       std::string::npos;
    std::string piece = " --roms-directory=";
    if (!quote) {
        return piece + text;
    }
    piece += '"';
    piece += text;
    const std::size_t last = text.find_last_not_of('\\');
    const std::size_t trailing = text.size() - (last == std::string::npos ? 0 : last + 1);
    piece.append(trailing, '\\');
    piece += '"';
    return piece;
}

} // namespace

std::string ComposeCommandLine(const PlayChoices& choices, const FileExistsFn& exists,
                               LineFor use) {
    std::string line = use == LineFor::Shell ? ".\\" : "";
    line += kEmulatorProgram;
    line += GameNumberText(choices.game);
    if (exists("vresk.cfg")) {
        line += " --use-config-file=vresk.cfg";
    }
    line += RomsDirectoryPiece(choices.romsDirectory, use);
    if (const RendererOption* renderer = RendererAt(choices.renderer)) {
        line += renderer->commandOption;
    }
    if (choices.scope != 0) {
        line += " --controller=ctrlr\\controller.vrk --use-controller-cfg-file=ctrlr\\";
        line += GetControllerConfigFile(choices.scope, choices.game, exists);
    }
    return line;
}

std::string RomsFolderNamed(const std::string& typed) {
    return WithoutQuotationMarks(typed);
}

std::optional<std::string>
RomsFolderTheEmulatorReads(const std::string& typed, const AnsiCodePage& ansi,
                           const std::function<std::string(const std::string&)>& shortName) {
    if (ansi.FromUtf8(typed))
        return typed;
    // Asked of the folder as Play names it: without the quotation marks "Copy as path" adds.
    const std::string name = shortName(WithoutQuotationMarks(typed));
    if (!name.empty() && ansi.FromUtf8(name))
        return name;
    return std::nullopt;
}

std::string ArgumentsAfterProgram(const std::string& commandLine) {
    // The emulator's C runtime ends the program's name at the first blank or tab (the line never
    // quotes it), so a negative game number joined to the name is part of it, not an argument.
    const std::size_t end = commandLine.find_first_of(" \t");
    return end == std::string::npos ? std::string() : commandLine.substr(end + 1);
}

std::string EditorCommand(const std::string& file) {
    return std::string(kEditorProgram) + " " + file;
}

} // namespace qennet
