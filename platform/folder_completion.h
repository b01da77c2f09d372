#pragma once
// Folder names completed as they are typed in a text field, as the shell's own path fields do,
// through the shell's autocomplete object (COM, loaded at the first Attach).
#include <windows.h>

namespace qennet::platform {

class FolderCompletion {
  public:
    FolderCompletion() = default;
    ~FolderCompletion();
    FolderCompletion(const FolderCompletion&) = delete;
    FolderCompletion& operator=(const FolderCompletion&) = delete;

    // Completes the field's text from the file system's folders. False where the system cannot.
    bool Attach(HWND field);

    // The list of suggestions is open under the field (Enter and Esc are then the list's).
    bool ListOpen() const;

  private:
    struct Parts;
    Parts* parts_ = nullptr;
};

} // namespace qennet::platform
