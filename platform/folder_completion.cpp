#include "platform/folder_completion.h"

#include <initguid.h> // defines the GUIDs of the headers below in this file
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <utility>

// The headers give IID_PPV_ARGS no id for these two: shlguid.h's, as numbers.
__CRT_UUID_DECL(IACList2, 0x470141a0, 0x5186, 0x11d2, 0xbb, 0xb6, 0x00, 0x60, 0x97, 0x7b, 0x46,
                0x4c)
__CRT_UUID_DECL(ICurrentWorkingDirectory, 0x91956d21, 0x9276, 0x11d1, 0x92, 0x1a, 0x00, 0x60, 0x97,
                0xdf, 0x5b, 0xd4)

namespace qennet::platform {

bool FolderCompletion::Attach(HWND field, const std::wstring& workingFolder,
                              const FolderCompletionCalls& calls) {
    complete_.Reset();
    folders_.Reset();
    dropDown_.Reset();
    ComPtr<IAutoComplete2> complete;
    ComPtr<IACList2> folders;
    ComPtr<IAutoCompleteDropDown> dropDown;
    HRESULT result = calls.create(calls.context, CLSID_AutoComplete, IID_PPV_ARGS(&complete));
    if (SUCCEEDED(result))
        result = calls.create(calls.context, CLSID_ACListISF, IID_PPV_ARGS(&folders));
    if (SUCCEEDED(result))
        result = complete.As(&dropDown);
    // Folders only (Vista and later), and file-system names only (XP, which lacks the first
    // option and ignores it), so that no virtual folder such as Control Panel is offered; the
    // working folder's too, which the list is told where Windows asks for it.
    if (SUCCEEDED(result))
        result = folders->SetOptions(ACLO_FILESYSONLY | ACLO_FILESYSDIRS | ACLO_CURRENTDIR);
    ComPtr<ICurrentWorkingDirectory> current;
    if (SUCCEEDED(result) && SUCCEEDED(folders.As(&current)))
        current->SetDirectory(workingFolder.c_str());
    // Suggestions in a list under the field, which the arrow keys also open; nothing appended to
    // what the player types, and Tab still moves to the next control.
    if (SUCCEEDED(result))
        result = complete->SetOptions(ACO_AUTOSUGGEST | ACO_UPDOWNKEYDROPSLIST);
    // Last, so that a missing piece leaves the field as it was.
    if (SUCCEEDED(result))
        result = complete->Init(field, folders.Get(), nullptr, nullptr);
    if (FAILED(result))
        return false;
    complete_ = std::move(complete);
    folders_ = std::move(folders);
    dropDown_ = std::move(dropDown);
    return true;
}

bool FolderCompletion::ListOpen() const {
    DWORD status = 0;
    return dropDown_ && SUCCEEDED(dropDown_->GetDropDownStatus(&status, nullptr)) &&
           (status & ACDD_VISIBLE) != 0;
}

} // namespace qennet::platform
