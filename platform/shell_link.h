#pragma once
// Shortcuts (shell links) on the player's desktop, made through the shell's own link object.
// The shell and COM are loaded at the first call, never at start-up.
#include "platform/system_error.h"

#include <cstddef>
#include <string>

namespace qennet::platform {

struct ShellLink {
    std::wstring target;        // the program, by its full path
    std::wstring arguments;     // what follows the program's name
    std::wstring workingFolder; // "Start in"
    std::wstring iconFile;      // the icon's file (its first icon)
    std::wstring description;   // the comment Explorer shows
};

// The longest arguments a game's shortcut is given. The Unicode link object stores any length;
// INFOTIPSIZE (with the terminator) is the ANSI one's limit, and programs that read shortcuts
// through it, into a buffer of that size as the documentation's samples do, get a longer line cut
// short: a shortcut that starts something else. So no shortcut is made with a longer one.
constexpr std::size_t kLongestShortcutArguments = 1024 - 1;

// SaveShellLink's answers of its own (application-defined Win32 codes, bit 29 set), given before
// the shell is asked: the arguments are longer than kLongestShortcutArguments, or the target, the
// working folder, the icon's file or the shortcut's own file is MAX_PATH characters or longer (the
// link object holds paths of MAX_PATH with the terminator, and saves to no longer name). No file
// is written.
constexpr DWORD kShortcutArgumentsTooLong = 0x20000011;
constexpr DWORD kShortcutPathTooLong = 0x20000012;

// The folder the shell calls the player's desktop (wherever the player moved it), also when it is
// not there (redirected to a share that is offline, a synced folder removed): the caller looks.
// Empty on failure, with the reason.
struct DesktopFolderFound {
    std::wstring path;
    SystemError error;
};
DesktopFolderFound DesktopFolder();

// Writes the shortcut as that file (a full path), replacing a file of that name, and tells the
// shell, so that a desktop on a network share shows it at once. Returns what failed, if anything
// (one of the codes above, or what the system reported).
SystemError SaveShellLink(const ShellLink& link, const std::wstring& file);

} // namespace qennet::platform
