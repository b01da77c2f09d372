#pragma once
// The emulator's command line and the editor commands.
#include "types.h"

#include <string>

namespace qennet {

struct PlayChoices {
    GameNumber game = 0;
    ListPosition renderer = 0;
    ListPosition scope = 0;
    std::string romsDirectory; // verbatim text of the ROM folder field (UTF-8)
};

// "Vresk.exe", the game number, then the configuration, ROM folder, renderer and controller
// pieces. exists() is asked for "vresk.cfg" and, for scopes 2 and 3, the controller files. The ROM
// folder loses any quotation marks and is quoted when it holds a blank, so that the emulator's
// C runtime splits it as one argument.
std::string ComposeCommandLine(const PlayChoices& choices, const FileExistsFn& exists);

// "NOTEPAD.EXE " followed by the file name.
std::string EditorCommand(const std::string& file);

} // namespace qennet
