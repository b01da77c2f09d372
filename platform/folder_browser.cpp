#include "platform/folder_browser.h"

#include "platform/system_library.h"

#include <objbase.h>

namespace qennet::platform {
namespace {

// The longest path Windows has, with its terminator.
constexpr DWORD kLongestPath = 32768;

} // namespace

const FolderBrowserCalls& SystemFolderBrowserCalls() {
    static const FolderBrowserCalls calls = [] {
        FolderBrowserCalls c;
        c.browse = LateBound<decltype(c.browse)>(late::kSHBrowseForFolder);
        c.pathFromItem = LateBound<decltype(c.pathFromItem)>(late::kSHGetPathFromIDList);
        c.freeItem = LateBound<decltype(c.freeItem)>(late::kCoTaskMemFree);
        if (!c.browse || !c.pathFromItem || !c.freeItem) {
            c.error = GetLastError() ? GetLastError() : ERROR_PROC_NOT_FOUND;
            return c;
        }
        c.pathFromItemEx = LateBound<decltype(c.pathFromItemEx)>(late::kSHGetPathFromIDListEx);
        c.error = InitialiseCom();
        return c;
    }();
    return calls;
}

FolderChoice BrowseForFolder(HWND owner, const FolderBrowserCalls& calls) {
    if (calls.error != 0)
        return {FolderChoice::Outcome::Failed, {}, calls.error};

    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    PIDLIST_ABSOLUTE item = calls.browse(&info);
    if (!item)
        return {FolderChoice::Outcome::Cancelled, {}, 0};

    std::wstring path(calls.pathFromItemEx ? kLongestPath : MAX_PATH, L'\0');
    const BOOL found =
        calls.pathFromItemEx
            ? calls.pathFromItemEx(item, path.data(), static_cast<DWORD>(path.size()), 0)
            : calls.pathFromItem(item, path.data());
    calls.freeItem(item);
    const size_t end = path.find(L'\0');
    path.resize(end == std::wstring::npos ? 0 : end);
    if (!found || path.empty())
        return {FolderChoice::Outcome::Failed, {}, ERROR_PATH_NOT_FOUND};
    return {FolderChoice::Outcome::Chosen, path, 0};
}

} // namespace qennet::platform
