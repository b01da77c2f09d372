#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace qennet::platform {

struct FolderChoice {
    enum class Outcome { Chosen, Cancelled, Failed } outcome;
    std::wstring path;   // when Chosen
    unsigned long error; // when Failed: the system's error code
};

// The shell calls the folder browser makes, so that a test can stand in for them.
struct FolderBrowserCalls {
    decltype(&::SHBrowseForFolderW) browse = nullptr;
    // Through a MAX_PATH buffer; the one older Windows has.
    decltype(&::SHGetPathFromIDListW) pathFromItem = nullptr;
    // Any length (Windows Vista and later); nullptr where the system has none.
    BOOL(WINAPI* pathFromItemEx)(PCIDLIST_ABSOLUTE, PWSTR, DWORD, int) = nullptr;
    decltype(&::CoTaskMemFree) freeItem = nullptr;
    unsigned long error = 0; // not 0: the calls are missing or COM cannot be used, and why
};

// The system's, looked up (and COM initialised) at the first call, not at start-up.
const FolderBrowserCalls& SystemFolderBrowserCalls();

// The shell's folder browser, modal to the owner, starting at the desktop; only file-system
// folders can be confirmed, of any length where the system can tell it.
FolderChoice BrowseForFolder(HWND owner,
                             const FolderBrowserCalls& calls = SystemFolderBrowserCalls());

} // namespace qennet::platform
