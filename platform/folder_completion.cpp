#include "platform/folder_completion.h"

#include "platform/com_object.h"
#include "platform/system_library.h"

#include <initguid.h> // defines the GUIDs of the headers below in this file
#include <objbase.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

namespace qennet::platform {

// The shell's autocomplete object on the field, its source (the file system's names) and its
// list's state.
struct FolderCompletion::Parts {
    ComObject<IAutoComplete2> complete;
    ComObject<IACList2> folders;
    ComObject<IAutoCompleteDropDown> dropDown;
};

HRESULT CreateInstanceFromOle32(void*, REFCLSID type, IUnknown* outer, DWORD server,
                                REFIID interfaceId, void** object) {
    static const auto create = LateBound<decltype(&::CoCreateInstance)>(late::kCoCreateInstance);
    static const DWORD missing = create ? 0 : GetLastError();
    if (create)
        return create(type, outer, server, interfaceId, object);
    *object = nullptr;
    return HRESULT_FROM_WIN32(missing ? missing : ERROR_PROC_NOT_FOUND);
}

FolderCompletion::~FolderCompletion() {
    delete parts_;
}

bool FolderCompletion::Attach(HWND field, const FolderCompletionCalls& calls) {
    delete parts_;
    parts_ = nullptr;
    if (InitialiseCom() != 0)
        return false;
    const auto create = calls.create;

    auto* parts = new Parts;
    HRESULT result = create(calls.context, CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER,
                            IID_IAutoComplete2, parts->complete.Out());
    if (SUCCEEDED(result))
        result = create(calls.context, CLSID_ACListISF, nullptr, CLSCTX_INPROC_SERVER, IID_IACList2,
                        parts->folders.Out());
    if (SUCCEEDED(result))
        result = parts->complete->QueryInterface(IID_IAutoCompleteDropDown, parts->dropDown.Out());
    // Folders only (Vista and later), and file-system names only (XP, which lacks the first
    // option and ignores it), so that no virtual folder such as Control Panel is offered.
    if (SUCCEEDED(result))
        result = parts->folders->SetOptions(ACLO_FILESYSONLY | ACLO_FILESYSDIRS);
    // Suggestions in a list under the field, which the arrow keys also open; nothing appended to
    // what the player types, and Tab still moves to the next control.
    if (SUCCEEDED(result))
        result = parts->complete->SetOptions(ACO_AUTOSUGGEST | ACO_UPDOWNKEYDROPSLIST);
    // Last, so that a missing piece leaves the field as it was.
    if (SUCCEEDED(result))
        result = parts->complete->Init(field, parts->folders.Get(), nullptr, nullptr);
    if (FAILED(result)) {
        delete parts;
        return false;
    }
    parts_ = parts;
    return true;
}

bool FolderCompletion::ListOpen() const {
    DWORD status = 0;
    return parts_ && SUCCEEDED(parts_->dropDown->GetDropDownStatus(&status, nullptr)) &&
           (status & ACDD_VISIBLE) != 0;
}

} // namespace qennet::platform
