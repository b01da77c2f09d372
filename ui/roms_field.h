#pragma once
// The ROM folder field, with every Windows path field's conventions: its whole text selected when
// it receives the focus (typing replaces it), a folder picked with the folder browser or dragged
// from Explorer onto the field (or the window) filling it, folder names completed as they are
// typed, and a folder that is not there pointed out at the field.
#include "platform/folder_completion.h"
#include "platform/folder_look.h"
#include "ui/action_gate.h"
#include "ui/field_balloon.h"
#include "ui/player_messages.h"
#include "ui/window_actions.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>
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
    RomsField(WindowActions& window, ActionGate& gate, const PlayerMessages& messages,
              const RomsFieldCalls& calls = {})
        : window_(window), gate_(gate), messages_(messages), calls_(calls) {}

    // The field received the focus: its whole text is selected, also after a mouse click has
    // placed the caret (kSelectRomsText, posted). Its first focus starts the completion, which
    // loads the shell then, not at start-up.
    void Focused(HWND window);
    void SelectAllIfFocused(HWND window) const;

    // The folder browser, modal to the window: a confirmed folder fills the field; either way the
    // focus goes to the field. A browser that cannot be used is told.
    void Browse(HWND window);

    // Files dropped on the window: the folder they give fills the field as the browser's does,
    // where the gate lets it (Action::TakeDroppedFolder).
    void Dropped(HWND window, HDROP drop);

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
    // The field filled with a folder: the focus goes to it, its whole text selected.
    static void Fill(HWND window, const std::wstring& folder);

    WindowActions& window_;
    ActionGate& gate_;
    const PlayerMessages& messages_;
    RomsFieldCalls calls_;
    platform::FolderCompletion completion_;
    FieldBalloon balloon_;
    HWND field_ = nullptr; // once the completion is attached
};

} // namespace qennet::ui
