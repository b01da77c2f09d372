#pragma once
// A game's desktop shortcut named after the game.
#include <functional>
#include <string>
#include <string_view>

namespace qennet {

// The shortcut's file name for a title: the title with each character Windows forbids in file
// names replaced, without trailing dots or blanks, and ".lnk". A name that is taken is never
// replaced: the next free one is used, as Explorer names copies ("Title (2).lnk", "Title
// (3).lnk", ...). taken() is asked for each candidate, a bare file name. A name Windows keeps for
// a device ("CON", "LPT1.x") gains an underscore after the device's name, and a title that leaves
// nothing is named "Game". Empty when every name up to "Title (9999).lnk" is taken.
std::string ShortcutFileName(std::string_view title,
                             const std::function<bool(const std::string& name)>& taken);

} // namespace qennet
