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

// Only a blank makes the emulator split the value, so only a blank calls for quotation marks.
std::string RomsDirectoryPiece(const std::string& text) {
    const bool quote = text.find(' ') != std::string::npos;
    std::string piece = " --roms-directory=";
    if (quote) {
        piece += '"';
    }
    piece += text;
    if (quote) {
        piece += '"';
    }
    return piece;
}

} // namespace

std::string ComposeCommandLine(const PlayChoices& choices, const FileExistsFn& exists) {
    std::string line = "Vresk.exe";
    line += GameNumberText(choices.game);
    if (exists("vresk.cfg")) {
        line += " --use-config-file=vresk.cfg";
    }
    line += RomsDirectoryPiece(choices.romsDirectory);
    if (const RendererOption* renderer = RendererAt(choices.renderer)) {
        line += renderer->commandOption;
    }
    if (choices.scope != 0) {
        line += " --controller=ctrlr\\controller.vrk --use-controller-cfg-file=ctrlr\\";
        line += GetControllerConfigFile(choices.scope, choices.game, exists);
    }
    return line;
}

std::string EditorCommand(const std::string& file) {
    return "NOTEPAD.EXE " + file;
}

} // namespace qennet
