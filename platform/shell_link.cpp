#include "platform/shell_link.h"

#include "platform/com_object.h"
#include "platform/system_library.h"

#include <initguid.h> // defines the GUIDs of the headers below in this file
#include <objbase.h>
#include <shlobj.h>

namespace qennet::platform {
namespace {

unsigned long LastErrorOr(unsigned long fallback) {
    const DWORD error = GetLastError();
    return error ? error : fallback;
}

} // namespace

std::wstring DesktopFolder(unsigned long& error) {
    using FolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    const auto folderPath = LateBound<FolderPathFn>(late::kSHGetFolderPath);
    if (!folderPath) {
        error = LastErrorOr(ERROR_PROC_NOT_FOUND);
        return {};
    }
    wchar_t path[MAX_PATH] = {};
    // The current folder, not the default one: the player may have moved the desktop. Named
    // without looking, as a missing one is reported differently (Windows: E_FAIL, Wine: S_FALSE)
    // and without its name.
    const HRESULT result = folderPath(nullptr, CSIDL_DESKTOPDIRECTORY | CSIDL_FLAG_DONT_VERIFY,
                                      nullptr, SHGFP_TYPE_CURRENT, path);
    if (result != S_OK) {
        error = FAILED(result) ? static_cast<unsigned long>(result) : ERROR_PATH_NOT_FOUND;
        return {};
    }
    error = 0;
    return path;
}

unsigned long SaveShellLink(const ShellLink& link, const std::wstring& file) {
    // The link object would cut longer texts short: a shortcut that starts something else.
    if (link.arguments.size() > kLongestShortcutArguments)
        return kShortcutArgumentsTooLong;
    for (const std::wstring* path : {&link.target, &link.workingFolder, &link.iconFile, &file}) {
        if (path->size() >= MAX_PATH)
            return kShortcutPathTooLong;
    }

    if (const unsigned long com = InitialiseCom())
        return com;
    const auto create = LateBound<decltype(&::CoCreateInstance)>(late::kCoCreateInstance);
    if (!create)
        return LastErrorOr(ERROR_PROC_NOT_FOUND);

    ComObject<IShellLinkW> shellLink;
    HRESULT result =
        create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.Out());
    if (SUCCEEDED(result))
        result = shellLink->SetPath(link.target.c_str());
    if (SUCCEEDED(result))
        result = shellLink->SetArguments(link.arguments.c_str());
    if (SUCCEEDED(result))
        result = shellLink->SetWorkingDirectory(link.workingFolder.c_str());
    if (SUCCEEDED(result))
        result = shellLink->SetIconLocation(link.iconFile.c_str(), 0);
    if (SUCCEEDED(result))
        result = shellLink->SetDescription(link.description.c_str());
    ComObject<IPersistFile> persistFile;
    if (SUCCEEDED(result))
        result = shellLink->QueryInterface(IID_IPersistFile, persistFile.Out());
    if (SUCCEEDED(result))
        result = persistFile->Save(file.c_str(), TRUE);
    if (FAILED(result))
        return static_cast<unsigned long>(result);
    using ChangeNotifyFn = void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID);
    if (const auto notify = LateBound<ChangeNotifyFn>(late::kSHChangeNotify))
        notify(SHCNE_CREATE, SHCNF_PATHW, file.c_str(), nullptr);
    return 0;
}

} // namespace qennet::platform
