#include "platform/folder_browser.h"

#include "platform/system_library.h"

#include <objbase.h>
#include <shlobj.h>

namespace qennet::platform {
namespace {

struct ShellCalls {
    decltype(&::SHBrowseForFolderW) browse = nullptr;
    decltype(&::SHGetPathFromIDListW) pathFromItem = nullptr;
    decltype(&::CoTaskMemFree) freeItem = nullptr;
    bool ready = false;
    unsigned long error = 0;
};

// The shell and COM are looked up at the first browse, not at start-up.
const ShellCalls& Shell() {
    static ShellCalls calls = [] {
        ShellCalls c;
        c.browse = SystemCall<decltype(c.browse)>(L"shell32.dll", "SHBrowseForFolderW");
        c.pathFromItem =
            SystemCall<decltype(c.pathFromItem)>(L"shell32.dll", "SHGetPathFromIDListW");
        c.freeItem = SystemCall<decltype(c.freeItem)>(L"ole32.dll", "CoTaskMemFree");
        if (!c.browse || !c.pathFromItem || !c.freeItem) {
            c.error = GetLastError() ? GetLastError() : ERROR_PROC_NOT_FOUND;
            return c;
        }
        c.error = InitialiseCom();
        c.ready = c.error == 0;
        return c;
    }();
    return calls;
}

} // namespace

FolderChoice BrowseForFolder(HWND owner) {
    const ShellCalls& shell = Shell();
    if (!shell.ready)
        return {FolderChoice::Outcome::Failed, {}, shell.error};

    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    PIDLIST_ABSOLUTE item = shell.browse(&info);
    if (!item)
        return {FolderChoice::Outcome::Cancelled, {}, 0};

    wchar_t path[MAX_PATH] = {};
    const BOOL found = shell.pathFromItem(item, path);
    shell.freeItem(item);
    if (!found || path[0] == L'\0')
        return {FolderChoice::Outcome::Failed, {}, ERROR_PATH_NOT_FOUND};
    return {FolderChoice::Outcome::Chosen, path, 0};
}

} // namespace qennet::platform
