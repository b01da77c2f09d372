// A drop's folder: the player dropped a folder, or a file (a ROM set) from the folder meant.
#include "dropped_folder.h"

namespace qennet {
namespace {

std::string FolderOf(const std::string& file) {
    const std::size_t separator = file.find_last_of("\\/");
    if (separator == std::string::npos)
        return {};
    // "C:" alone would name the drive's current folder, not its root.
    const bool root = separator > 0 && file[separator - 1] == ':';
    return file.substr(0, root ? separator + 1 : separator);
}

} // namespace

std::string DroppedFolder(const std::vector<std::string>& names,
                          const std::function<bool(const std::string& name)>& isFolder) {
    for (const std::string& name : names) {
        if (isFolder(name))
            return name;
    }
    return names.empty() ? std::string() : FolderOf(names.front());
}

} // namespace qennet
