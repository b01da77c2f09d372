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

// The folder the shell calls the player's desktop (wherever the player moved it). Empty on
// failure, with the reason in error.
std::wstring DesktopFolder(unsigned long& error);

// Writes the shortcut as that file (a full path). Returns 0, or the failure (a system error code
// or an HRESULT).
unsigned long SaveShellLink(const ShellLink& link, const std::wstring& file);

} // namespace qennet::platform
