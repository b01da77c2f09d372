#include "platform/folder_browser.h"

#include "platform/com.h"
#include "platform/system_library.h"

namespace qennet::platform {
namespace {

// The longest path Windows has, with its terminator.
constexpr DWORD kLongestPath = 32768;

} // namespace

SystemError FolderBrowserReady(void*) {
    using Calls = FolderBrowserCalls;
    static const SystemError error = [] {
        if (!LateSystemCall<late::kSHBrowseForFolder, Calls::BrowseFn>::Found() ||
            !LateSystemCall<late::kSHGetPathFromIDList, Calls::PathFn>::Found() ||
            !LateSystemCall<late::kCoTaskMemFree, Calls::FreeFn>::Found())
            return SystemError::LastOr(ERROR_PROC_NOT_FOUND);
        return InitialiseCom();
    }();
    return error;
}

FolderChoice BrowseForFolder(HWND owner, const FolderBrowserCalls& calls) {
    if (const SystemError error = calls.ready(calls.context))
        return {FolderChoice::Outcome::Failed, {}, error};

    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    PIDLIST_ABSOLUTE item = calls.browse(calls.context, &info);
    if (!item)
        return {FolderChoice::Outcome::Cancelled, {}, {}};

    std::wstring path(calls.pathFromItemEx ? kLongestPath : MAX_PATH, L'\0');
    const BOOL found = calls.pathFromItemEx
                           ? calls.pathFromItemEx(calls.context, item, path.data(),
                                                  static_cast<DWORD>(path.size()), 0)
                           : calls.pathFromItem(calls.context, item, path.data());
    calls.freeItem(calls.context, item);
    const size_t end = path.find(L'\0');
    path.resize(end == std::wstring::npos ? 0 : end);
    if (!found || path.empty())
        return {FolderChoice::Outcome::Failed, {}, SystemError::Win32(ERROR_PATH_NOT_FOUND)};
    return {FolderChoice::Outcome::Chosen, path, {}};
}

} // namespace qennet::platform
