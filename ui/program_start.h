#pragma once
// Starting the emulator and the editor, each by its full path, and telling the player why one
// could not start.
#include "platform/start_program.h"
#include "ui/player_messages.h"

#include <string>

namespace qennet::ui {

enum class Program {
    Emulator, // the working folder's Vresk.exe, not one beside the launcher were it kept elsewhere
    Editor,   // the system's Notepad, never a NOTEPAD.EXE someone left in the emulator's folder
};

// The program's full path.
std::wstring PathOf(Program program);

// Why the emulator cannot be started when there is nothing of its name in the working folder (the
// launcher was started from another folder); empty when something is there.
std::wstring EmulatorMissing();

// Starts the program with the command line (which begins with its name). When it cannot start,
// the player is told the headline and why; a declined elevation prompt is the player's own answer
// and is not told. Returns what failed, if anything.
platform::SystemError StartOrTell(Program program, const std::string& commandLine,
                                  const std::wstring& headline, const PlayerMessages& messages,
                                  HWND owner, const platform::ProcessCalls& calls = {});

} // namespace qennet::ui
