#pragma once
// The one gate every action of the window passes, from every input: a click or a key (through the
// controls' commands), a game controller, a menu. It knows when the window must not act.
#include <windows.h>

#include <string>

namespace qennet::ui {

// What the window can be asked to do.
enum class Action {
    Play,                // Play clicked, Enter, a controller's A
    PlayFromList,        // a double-click in the game list
    ConfigureRenderer,   // the renderer's "..."
    ConfigureController, // the controller scope's "..."
    BrowseRoms,          // the ROM folder's "..."
    Quit,                // Quit clicked, or a controller's Back held
    PreviousGame,        // a controller's moves in the game list
    NextGame,
    PreviousPage,
    NextPage,
    GameMenu,          // the game list's context menu opened
    CreateShortcut,    // its "Create Desktop Shortcut"
    CopyCommandLine,   // its "Copy Command Line"
    TakeDroppedFolder, // a folder dropped from Explorer, into the ROM folder field
};

class ActionGate {
  public:
    // Whether the window acts on the action now. Nothing acts while a renderer plug-in's settings
    // call runs, while a dialog of the launcher's own is open (a message, the folder browser, the
    // ROM folder question), or while the window is minimised or disabled. The one thing let
    // through is Quit during a plug-in call: it asks for the close, which waits for the call to
    // return.
    bool Lets(HWND window, Action action) const;

    bool PluginCallRunning() const { return pluginCall_; }

    // Once per gesture: a Play whose input came at `time` (the message's, in the system's
    // milliseconds) that would start the line the last start did, before the double-click time
    // has passed since that start, is the same gesture once more (a double-click on Play, the
    // pad's A that a remapper also sends as Enter): not acted on. Later, or with another line (a
    // game or an option changed), it is a new one.
    bool RepeatsLastStart(const std::string& commandLine, DWORD time, DWORD doubleClickTime) const;
    // The emulator was started with the line at that time.
    void Started(const std::string& commandLine, DWORD at);

    // Held while a dialog of the launcher's own is open.
    class OwnDialog {
      public:
        explicit OwnDialog(ActionGate& gate) : gate_(gate) { ++gate_.ownDialogs_; }
        ~OwnDialog() { --gate_.ownDialogs_; }
        OwnDialog(const OwnDialog&) = delete;
        OwnDialog& operator=(const OwnDialog&) = delete;

      private:
        ActionGate& gate_;
    };

    // Held while a renderer plug-in's settings call runs.
    class PluginCall {
      public:
        explicit PluginCall(ActionGate& gate) : gate_(gate) { gate_.pluginCall_ = true; }
        ~PluginCall() { gate_.pluginCall_ = false; }
        PluginCall(const PluginCall&) = delete;
        PluginCall& operator=(const PluginCall&) = delete;

      private:
        ActionGate& gate_;
    };

  private:
    int ownDialogs_ = 0;
    bool pluginCall_ = false;
    bool started_ = false;
    std::string lastStart_;
    DWORD lastStartAt_ = 0;
};

} // namespace qennet::ui
