#pragma once
// The emulator's command line and the editor commands.
#include "settings_encoding.h"
#include "types.h"

#include <functional>
#include <optional>
#include <string>

namespace qennet {

// The emulator's program and the editor's, by the names their command lines begin with.
constexpr char kEmulatorProgram[] = "Vresk.exe";
constexpr char kEditorProgram[] = "NOTEPAD.EXE";

struct PlayChoices {
    GameNumber game = 0;
    ListPosition renderer = 0;
    ListPosition scope = 0;
    std::string romsDirectory; // verbatim text of the ROM folder field (UTF-8)
};

// Where a command line goes: started as it is, or copied for the player to run in Command Prompt or
// PowerShell opened in the emulator's folder.
enum class LineFor { Starting, Shell };

// "Vresk.exe", the game number, then the configuration, ROM folder, renderer and controller
// pieces. exists() is asked for "vresk.cfg" and, for scopes 2 and 3, the controller files. The ROM
// folder loses any quotation marks and is quoted when it holds a blank, so that the emulator's
// C runtime splits it as one argument. For a shell the program is ".\Vresk.exe" (PowerShell runs
// nothing from the current folder by its bare name) and the folder is also quoted when it holds a
// character either shell treats specially, so that the emulator gets the same arguments.
std::string ComposeCommandLine(const PlayChoices& choices, const FileExistsFn& exists,
                               LineFor use = LineFor::Starting);

// The folder the ROM folder text names, as the command line passes it on: without quotation marks.
std::string RomsFolderNamed(const std::string& typed);

// The ROM folder as the emulator can read it. It is a program of the ANSI code page: Windows
// converts its command line with best-fit mapping, so a character the code page lacks reaches it
// as a question mark or a look-alike (a FULLWIDTH QUOTATION MARK becomes '"' and splits the
// arguments). The text as typed when the code page holds it exactly; otherwise the folder's short
// (8.3) name (asked without quotation marks), when it has one the code page holds; otherwise
// nullopt: the emulator may not find the folder. shortName gives "" for a folder without one.
std::optional<std::string>
RomsFolderTheEmulatorReads(const std::string& typed, const AnsiCodePage& ansi,
                           const std::function<std::string(const std::string&)>& shortName);

// What follows the program's name and its blank in a command line ComposeCommandLine made: the
// arguments a shortcut to the program holds.
std::string ArgumentsAfterProgram(const std::string& commandLine);

// "NOTEPAD.EXE " followed by the file name.
std::string EditorCommand(const std::string& file);

} // namespace qennet
