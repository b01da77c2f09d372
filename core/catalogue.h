#pragma once
// The fixed catalogue of the 71 games the emulator supports.
#include "types.h"

#include <string_view>

namespace qennet {

constexpr int kGameCount = 71;

// The title shown in the game list; empty outside 1..71.
std::string_view GameTitle(GameNumber number);

// The game-specific controller settings file (a bare name inside "ctrlr"); empty outside 1..71.
std::string_view GameControllerFile(GameNumber number);

// The hardware group's controller settings file; empty outside 1..71.
std::string_view GroupControllerFile(GameNumber number);

} // namespace qennet
