#pragma once
#include "platform/folder_look.h"

#include <string>

namespace qennet::platform {

// True when a plain file of that name exists relative to the working directory: not a directory,
// and neither hidden nor system. Asked afresh at every call.
bool FileExists(const std::string& name);

// True when a folder of that name exists relative to the working directory, whatever the length
// of its path. The call it is asked with is FolderLookCalls' (no thread: the caller waits).
bool FolderExists(const std::wstring& name, const FolderLookCalls& calls = {});

// True when anything (a file or a folder, whatever its attributes) has that name.
bool PathExists(const std::wstring& name);

} // namespace qennet::platform
