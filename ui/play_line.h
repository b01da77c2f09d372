#pragma once
// Play's command line from the window's choices, as the emulator will read it.
#include "core/command_line.h"
#include "core/types.h"
#include "ui/stored_choices.h"

#include <string>

namespace qennet::ui {

struct PlayLine {
    std::string line;
    bool romsReadable; // false: the ROM folder has characters the emulator cannot read
};

// The line for the game and the other three choices (the ones the close saves), to start or to
// copy. A ROM folder the system's code page cannot hold goes by its short name where it has one.
PlayLine ComposePlayLine(GameNumber game, const StoredChoices& choices, LineFor use);

} // namespace qennet::ui
