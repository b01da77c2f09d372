#pragma once
#include "platform/system_error.h"
#include "platform/system_library.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace qennet::platform {

struct FolderChoice {
    enum class Outcome { Chosen, Cancelled, Failed } outcome;
    std::wstring path; // when Chosen
    SystemError error; // when Failed
};

// Nothing when the system's folder browser can be used, otherwise why not (its calls are missing,
// or COM cannot be used); looked up (and COM initialised) at the first call, not at start-up.
SystemError FolderBrowserReady(void* context);

// The shell calls the folder browser makes, so that a test can stand in for them.
struct FolderBrowserCalls {
    using ReadyFn = SystemError (*)(void* context);
    using BrowseFn = PIDLIST_ABSOLUTE (*)(void* context, LPBROWSEINFOW info);
    using PathFn = BOOL (*)(void* context, PCIDLIST_ABSOLUTE item, LPWSTR path);
    using PathExFn = BOOL (*)(void* context, PCIDLIST_ABSOLUTE item, PWSTR path, DWORD size,
                              int options);
    using FreeFn = void (*)(void* context, LPVOID item);
    void* context = nullptr;
    ReadyFn ready = FolderBrowserReady;
    BrowseFn browse = LateSystemCall<late::kSHBrowseForFolder, BrowseFn>::OrAnswer<nullptr>;
    // Through a MAX_PATH buffer; the one older Windows has.
    PathFn pathFromItem = LateSystemCall<late::kSHGetPathFromIDList, PathFn>::OrAnswer<FALSE>;
    // Any length (Windows Vista and later); nullptr where the system has none.
    PathExFn pathFromItemEx = LateSystemCall<late::kSHGetPathFromIDListEx, PathExFn>::WhereFound();
    FreeFn freeItem = LateSystemCall<late::kCoTaskMemFree, FreeFn>::OrAnswer<nullptr>;
};

// The shell's folder browser, modal to the owner, starting at the desktop; only file-system
// folders can be confirmed, of any length where the system can tell it.
FolderChoice BrowseForFolder(HWND owner, const FolderBrowserCalls& calls = {});

} // namespace qennet::platform
