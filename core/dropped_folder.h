#pragma once
// The ROM folder a drop from Explorer gives.
#include <functional>
#include <string>
#include <vector>

namespace qennet {

// The first of the dropped names that is a folder; where none is, the folder that holds the
// first name (a drive's root keeps its backslash: "C:\"); empty for no names. isFolder() is asked
// of the names in their order until one is a folder.
std::string DroppedFolder(const std::vector<std::string>& names,
                          const std::function<bool(const std::string& name)>& isFolder);

} // namespace qennet
