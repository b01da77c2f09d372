#pragma once
#include <string>

namespace qennet::platform {

// True when a plain file of that name exists relative to the working directory: not a directory,
// and neither hidden nor system. Asked afresh at every call.
bool FileExists(const std::string& name);

// True when a folder of that name exists relative to the working directory.
bool FolderExists(const std::wstring& name);

// True when anything (a file or a folder, whatever its attributes) has that name.
bool PathExists(const std::wstring& name);

// What keeps a file from being written or replaced, as far as the file system tells.
enum class WriteObstacle {
    Unknown,      // nothing the file system shows
    Folder,       // a folder has its name
    ReadOnly,     // the file is read-only
    HeldOpen,     // another program has it open and lets nobody else change it
    NoPermission, // the player may not change it, or files in its folder
};
WriteObstacle WriteObstacleOf(const std::wstring& file);

} // namespace qennet::platform
