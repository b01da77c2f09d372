#pragma once
// The controller configuration scopes and the resolution of the file Play names.
#include "types.h"

#include <string>
#include <string_view>

namespace qennet {

constexpr int kScopeCount = 4;

// "Default", "Global", "System Specific", "Game Specific"; empty outside 0..3.
std::string_view ScopeLabel(ListPosition scope);

// The "..." button is enabled for every scope but 0.
bool ControllerSettingsEnabled(ListPosition scope);

// The bare name of the most specific controller settings file that exists for the scope:
// 1 -> "controller.cfg"; 2 -> group file, else "controller.cfg"; 3 -> game file, else group
// file, else "controller.cfg"; any other scope -> "". A file counts as present when
// exists("ctrlr\" + name) is true, asked at each call.
std::string GetControllerConfigFile(ListPosition scope, GameNumber game,
                                    const FileExistsFn& exists);

// The file the "..." button edits: exactly the chosen level, with the "ctrlr\" prefix, whether it
// exists or not. Empty when there is nothing to edit (scope 0, another index, or scopes 2 and 3
// without a game).
std::string ControllerSettingsFileToEdit(ListPosition scope, GameNumber game);

} // namespace qennet
