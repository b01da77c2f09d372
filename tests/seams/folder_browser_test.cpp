// The folder browser with the shell's calls replaced: a folder path of any length comes through
// where the system has the call without the MAX_PATH limit, and the older call is kept elsewhere.
#include "platform/folder_browser.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

using qennet::platform::BrowseForFolder;
using qennet::platform::FolderBrowserCalls;
using qennet::platform::FolderChoice;
using qennet::platform::SystemError;

// The folder the stand-in browser confirms, and how often its item was freed.
struct Browser {
    std::wstring chosen;
    int freed = 0;
    SHITEMID item{};
};
Browser& Of(void* context) {
    return *static_cast<Browser*>(context);
}

PIDLIST_ABSOLUTE Confirm(void* context, LPBROWSEINFOW) {
    return reinterpret_cast<PIDLIST_ABSOLUTE>(&Of(context).item);
}

// As the system's: a path that does not fit the MAX_PATH buffer is refused.
BOOL PathThroughMaxPath(void* context, PCIDLIST_ABSOLUTE, LPWSTR path) {
    if (Of(context).chosen.size() >= MAX_PATH)
        return FALSE;
    wcscpy(path, Of(context).chosen.c_str());
    return TRUE;
}

BOOL PathOfAnyLength(void* context, PCIDLIST_ABSOLUTE, PWSTR path, DWORD size, int) {
    if (Of(context).chosen.size() >= size)
        return FALSE;
    wcscpy(path, Of(context).chosen.c_str());
    return TRUE;
}

TEST(FolderBrowser, FolderOfAnyLengthComesThroughWhereTheSystemCanTellIt) {
    Browser browser;
    FolderBrowserCalls calls;
    calls.context = &browser;
    calls.ready = [](void*) { return SystemError(); };
    calls.browse = Confirm;
    calls.pathFromItem = PathThroughMaxPath;
    calls.freeItem = [](void* context, LPVOID) { ++Of(context).freed; };
    const std::wstring shortPath = L"C:\\Roms";
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'r');
    for (bool newer : {true, false}) {
        calls.pathFromItemEx = newer ? PathOfAnyLength : nullptr;
        for (const std::wstring& path : {shortPath, longPath}) {
            browser.chosen = path;
            browser.freed = 0;
            const FolderChoice choice = BrowseForFolder(nullptr, calls);
            const bool fits = newer || path.size() < MAX_PATH;
            EXPECT_EQ(choice.outcome,
                      fits ? FolderChoice::Outcome::Chosen : FolderChoice::Outcome::Failed)
                << path.size() << " characters, newer call " << newer;
            EXPECT_EQ(choice.path, fits ? path : std::wstring());
            EXPECT_EQ(browser.freed, 1) << "the browser's item is freed once";
        }
    }
}

} // namespace
