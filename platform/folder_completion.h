#pragma once
// Folder names completed as they are typed in a text field, as the shell's own path fields do,
// through the shell's autocomplete object (COM, loaded at the first Attach).
#include <windows.h>
#include <objbase.h>

namespace qennet::platform {

// ole32's CoCreateInstance, looked up at its first call: COM is loaded only when a field is
// attached, never at start-up. Where it is missing it fails as the lookup did.
HRESULT CreateInstanceFromOle32(void* context, REFCLSID type, IUnknown* outer, DWORD server,
                                REFIID interfaceId, void** object);

// The call FolderCompletion makes the shell's objects with, so that a test can stand in for the
// source of names (Wine's file-system source lists none).
struct FolderCompletionCalls {
    using CreateFn = HRESULT (*)(void* context, REFCLSID type, IUnknown* outer, DWORD server,
                                 REFIID interfaceId, void** object);
    void* context = nullptr;
    CreateFn create = CreateInstanceFromOle32;
};

class FolderCompletion {
  public:
    FolderCompletion() = default;
    ~FolderCompletion();
    FolderCompletion(const FolderCompletion&) = delete;
    FolderCompletion& operator=(const FolderCompletion&) = delete;

    // Completes the field's text from the file system's folders. False where the system cannot;
    // the field is then left as it was. Attached again, the earlier attachment is released.
    bool Attach(HWND field, const FolderCompletionCalls& calls = {});

    // The list of suggestions is open under the field (Enter and Esc are then the list's).
    bool ListOpen() const;

  private:
    struct Parts;
    Parts* parts_ = nullptr;
};

} // namespace qennet::platform
