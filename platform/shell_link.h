#pragma once
// Shortcuts (shell links) on the player's desktop, made through the shell's own link object.
// The shell and COM are loaded at the first call, never at start-up.
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

// The longest arguments a shortcut holds: the shell's link object takes INFOTIPSIZE characters
// with the terminator.
constexpr std::size_t kLongestShortcutArguments = 1024 - 1;

// SaveShellLink's answers of its own (application-defined codes, bit 29 set), given before the
// shell is asked: the arguments are longer than kLongestShortcutArguments, or the target, the
// working folder or the icon's file is MAX_PATH characters or longer (the link object holds
// paths of MAX_PATH with the terminator). No file is written.
constexpr unsigned long kShortcutArgumentsTooLong = 0x20000011;
constexpr unsigned long kShortcutPathTooLong = 0x20000012;

// The folder the shell calls the player's desktop (wherever the player moved it). Empty on
// failure, with the reason in error.
std::wstring DesktopFolder(unsigned long& error);

// Writes the shortcut as that file (a full path), replacing a file of that name. Returns 0, or
// the failure (one of the codes above, a system error code or an HRESULT).
unsigned long SaveShellLink(const ShellLink& link, const std::wstring& file);

} // namespace qennet::platform
