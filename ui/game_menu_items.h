#pragma once
// What the game menu's items do beside Play: Play's command line taken out of the launcher, as the
// game's own shortcut on the player's desktop (one double-click starts the game exactly as Play
// would have started it when the shortcut was made), or on the clipboard.
#include "core/types.h"
#include "ui/player_messages.h"

#include <windows.h>

#include <string>

namespace qennet::ui {

// Makes the shortcut for the game with Play's command line: the working folder's Vresk.exe by its
// full path, the arguments that follow its name, "Start in" the emulator's folder (every name in
// the line is relative to it), the emulator's icon, and the game's title as its name and comment.
// A shortcut of that name already there is never replaced. Says nothing on success, as Explorer's
// "Send to > Desktop" does; tells the player what failed and why otherwise. True when it was made.
bool CreateDesktopShortcut(GameNumber game, const std::string& commandLine,
                           const PlayerMessages& messages, HWND owner);

// Puts the command line on the clipboard as Unicode text, for the player to run in Command Prompt
// or PowerShell in the emulator's folder; tells the player when another program holds the
// clipboard.
void CopyCommandLine(const std::string& commandLine, const PlayerMessages& messages, HWND owner);

} // namespace qennet::ui
