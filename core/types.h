#pragma once
// Shared value types of the launcher's logic.
#include <cstdint>
#include <functional>
#include <string>

namespace qennet {

// 1 to 71 name a game of the catalogue; 0 means no game is selected.
using GameNumber = std::int16_t;

// A list position: 0 is the first entry, -1 means nothing is selected.
using ListPosition = std::int16_t;

// Answers whether a plain file (not a directory, not hidden or system) of that name exists,
// relative to the working directory. Asked afresh each time; never cached.
using FileExistsFn = std::function<bool(const std::string& name)>;

} // namespace qennet
