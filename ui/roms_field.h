#pragma once
// The ROM folder field's shell conventions, as every Windows path field has them: a folder
// dragged from Explorer onto the field (or the window) fills it, folder names are completed as
// they are typed, and a folder that is not there is pointed out at the field.
#include "platform/folder_completion.h"
#include "platform/folder_look.h"
#include "ui/action_gate.h"
#include "ui/field_balloon.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace qennet::ui {

// The calls the field makes: how its folder is looked for (a test stands in for a share that does
// not answer), and whether the suggestion list is open (for a list Wine does not show).
struct RomsFieldCalls : platform::FolderLookCalls {
    using ListOpenFn = bool (*)(void* context, const platform::FolderCompletion& completion);
    ListOpenFn listOpen = [](void*, const platform::FolderCompletion& completion) {
        return completion.ListOpen();
    };
};

class RomsField {
  public:
    explicit RomsField(std::function<bool(Action)> perform, const RomsFieldCalls& calls = {})
        : perform_(std::move(perform)), calls_(calls) {}

    // Sees the window's messages: the field's first focus starts the completion (loading the
    // shell then, not at start-up); a drop (WM_DROPFILES) fills the field with its folder where
    // the window's gate lets it (Action::TakeDroppedFolder).
    std::optional<LRESULT> OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Enter and Esc are the suggestion list's while it is open under the field: Enter takes the
    // suggestion (and does not play), Esc closes the list. The message loop gives them to the
    // field itself when this says so, before the dialog keys.
    bool TakesKey(const MSG& message) const;

    // The folder the field names, looked for as the emulator will (relative to the working
    // folder, without quotation marks), is not there: a balloon at the field says so, as the
    // emulator may find no games. Nothing for an empty text (the player's choice), a folder that
    // is there, or where the look cannot tell within about a second. True when it warned.
    bool WarnIfMissing(HWND window);

    // The thread's input, which dismisses the warning as a balloon's goes.
    void SeesInput(const MSG& message) { balloon_.SeesInput(message); }

  private:
    // Fills the field as the folder browser does: the focus goes to it, its whole text selected.
    static void TakeDroppedFolder(HWND window, const std::wstring& folder);

    std::function<bool(Action)> perform_;
    RomsFieldCalls calls_;
    platform::FolderCompletion completion_;
    FieldBalloon balloon_;
    HWND field_ = nullptr; // once the completion is attached
};

} // namespace qennet::ui
