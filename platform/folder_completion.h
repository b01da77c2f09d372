#pragma once
// Folder names completed as they are typed in a text field, as the shell's own path fields do,
// through the shell's autocomplete object (COM, loaded at the first Attach).
#include "platform/com.h"

#include <windows.h>
#include <shldisp.h>
#include <shlobj.h>

#include <string>

namespace qennet::platform {

// The call FolderCompletion makes the shell's objects with (COM is loaded only when a field is
// attached, never at start-up), so that a test can stand in for the source of names (Wine's
// file-system source lists none).
struct FolderCompletionCalls {
    using CreateFn = HRESULT (*)(void* context, REFCLSID type, REFIID interfaceId, void** object);
    void* context = nullptr;
    CreateFn create = CreateComObject;
};

class FolderCompletion {
  public:
    // Completes the field's text from the file system's folders: full paths, and folders of the
    // working folder (a relative name, as the default "Roms"). False where the system cannot; the
    // field is then left as it was. Attached again, the earlier attachment is released.
    bool Attach(HWND field, const std::wstring& workingFolder,
                const FolderCompletionCalls& calls = {});

    // The list of suggestions is open under the field (Enter and Esc are then the list's).
    bool ListOpen() const;

  private:
    // The shell's autocomplete object on the field, its source (the file system's names) and
    // its list's state.
    ComPtr<IAutoComplete2> complete_;
    ComPtr<IACList2> folders_;
    ComPtr<IAutoCompleteDropDown> dropDown_;
};

} // namespace qennet::platform
