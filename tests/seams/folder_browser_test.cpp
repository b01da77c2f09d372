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

std::wstring chosen; // the folder the stand-in browser confirms
int freed = 0;

PIDLIST_ABSOLUTE WINAPI Confirm(LPBROWSEINFOW) {
    static SHITEMID item{};
    return reinterpret_cast<PIDLIST_ABSOLUTE>(&item);
}

// As the system's: a path that does not fit the MAX_PATH buffer is refused.
BOOL WINAPI PathThroughMaxPath(PCIDLIST_ABSOLUTE, LPWSTR path) {
    if (chosen.size() >= MAX_PATH)
        return FALSE;
    wcscpy(path, chosen.c_str());
    return TRUE;
}

BOOL WINAPI PathOfAnyLength(PCIDLIST_ABSOLUTE, PWSTR path, DWORD size, int) {
    if (chosen.size() >= size)
        return FALSE;
    wcscpy(path, chosen.c_str());
    return TRUE;
}

void WINAPI Free(LPVOID) {
    ++freed;
}

TEST(FolderBrowser, FolderOfAnyLengthComesThroughWhereTheSystemCanTellIt) {
    FolderBrowserCalls calls;
    calls.browse = Confirm;
    calls.pathFromItem = PathThroughMaxPath;
    calls.freeItem = Free;
    const std::wstring shortPath = L"C:\\Roms";
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'r');
    for (bool newer : {true, false}) {
        calls.pathFromItemEx = newer ? PathOfAnyLength : nullptr;
        for (const std::wstring& path : {shortPath, longPath}) {
            chosen = path;
            freed = 0;
            const FolderChoice choice = BrowseForFolder(nullptr, calls);
            const bool fits = newer || path.size() < MAX_PATH;
            EXPECT_EQ(choice.outcome,
                      fits ? FolderChoice::Outcome::Chosen : FolderChoice::Outcome::Failed)
                << path.size() << " characters, newer call " << newer;
            EXPECT_EQ(choice.path, fits ? path : std::wstring());
            EXPECT_EQ(freed, 1) << "the browser's item is freed once";
        }
    }
}

} // namespace
