#include "platform/shell_link.h"

#include "platform/com.h"
#include "platform/system_library.h"

#include <initguid.h> // defines the GUIDs of the headers below in this file
#include <shlobj.h>

namespace qennet::platform {

DesktopFolderFound DesktopFolder() {
    using FolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    const auto folderPath = LateBound<FolderPathFn>(late::kSHGetFolderPath);
    if (!folderPath)
        return {{}, SystemError::LastOr(ERROR_PROC_NOT_FOUND)};
    wchar_t path[MAX_PATH] = {};
    // The current folder, not the default one: the player may have moved the desktop. Named
    // without looking, as a missing one is reported differently (Windows: E_FAIL, Wine: S_FALSE)
    // and without its name.
    const HRESULT result = folderPath(nullptr, CSIDL_DESKTOPDIRECTORY | CSIDL_FLAG_DONT_VERIFY,
                                      nullptr, SHGFP_TYPE_CURRENT, path);
    if (result != S_OK)
        return {{},
                FAILED(result) ? SystemError::FromHResult(result)
                               : SystemError::Win32(ERROR_PATH_NOT_FOUND)};
    return {path, {}};
}

SystemError SaveShellLink(const ShellLink& link, const std::wstring& file) {
    // The link object would cut longer texts short: a shortcut that starts something else.
    if (link.arguments.size() > kLongestShortcutArguments)
        return SystemError::Win32(kShortcutArgumentsTooLong);
    for (const std::wstring* path : {&link.target, &link.workingFolder, &link.iconFile, &file}) {
        if (path->size() >= MAX_PATH)
            return SystemError::Win32(kShortcutPathTooLong);
    }

    ComPtr<IShellLinkW> shellLink;
    HRESULT result = CreateComObject(nullptr, CLSID_ShellLink, IID_PPV_ARGS(&shellLink));
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
    ComPtr<IPersistFile> persistFile;
    if (SUCCEEDED(result))
        result = shellLink.As(&persistFile);
    if (SUCCEEDED(result))
        result = persistFile->Save(file.c_str(), TRUE);
    if (FAILED(result))
        return SystemError::FromHResult(result);
    using ChangeNotifyFn = void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID);
    if (const auto notify = LateBound<ChangeNotifyFn>(late::kSHChangeNotify))
        notify(SHCNE_CREATE, SHCNF_PATHW, file.c_str(), nullptr);
    return {};
}

} // namespace qennet::platform
