#include "platform/folder_browser.h"

#include "platform/system_library.h"

#include <objbase.h>
#include <shlobj.h>

namespace qennet::platform {
namespace {

using BrowseFn = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
using PathFromItemFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPWSTR);
using InitialiseComFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using FreeTaskMemoryFn = void(WINAPI*)(LPVOID);

struct ShellCalls {
    BrowseFn browse = nullptr;
    PathFromItemFn pathFromItem = nullptr;
    FreeTaskMemoryFn freeItem = nullptr;
    bool ready = false;
    unsigned long error = 0;
};

// The shell and COM are only needed here, so they are loaded at the first browse and not at
// start-up. COM is initialised once, apartment-threaded, on the window's thread, and stays so
// until the program ends.
const ShellCalls& Shell() {
    static ShellCalls calls = [] {
        ShellCalls c;
        HMODULE shell = LoadSystemLibrary(L"shell32.dll");
        HMODULE com = LoadSystemLibrary(L"ole32.dll");
        if (!shell || !com) {
            c.error = GetLastError();
            return c;
        }
        c.browse = reinterpret_cast<BrowseFn>(
            reinterpret_cast<void*>(GetProcAddress(shell, "SHBrowseForFolderW")));
        c.pathFromItem = reinterpret_cast<PathFromItemFn>(
            reinterpret_cast<void*>(GetProcAddress(shell, "SHGetPathFromIDListW")));
        c.freeItem = reinterpret_cast<FreeTaskMemoryFn>(
            reinterpret_cast<void*>(GetProcAddress(com, "CoTaskMemFree")));
        auto initialise = reinterpret_cast<InitialiseComFn>(
            reinterpret_cast<void*>(GetProcAddress(com, "CoInitializeEx")));
        if (!c.browse || !c.pathFromItem || !c.freeItem || !initialise) {
            c.error = ERROR_PROC_NOT_FOUND;
            return c;
        }
        const HRESULT result =
            initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        if (FAILED(result) && result != RPC_E_CHANGED_MODE) {
            c.error = static_cast<unsigned long>(result);
            return c;
        }
        c.ready = true;
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
