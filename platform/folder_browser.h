#pragma once
#include <windows.h>

#include <string>

namespace qennet::platform {

struct FolderChoice {
    enum class Outcome { Chosen, Cancelled, Failed } outcome;
    std::wstring path;   // when Chosen
    unsigned long error; // when Failed: the system's error code
};

// The shell's folder browser, modal to the owner, starting at the desktop; only file-system
// folders can be confirmed.
FolderChoice BrowseForFolder(HWND owner);

} // namespace qennet::platform
