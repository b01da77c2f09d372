#pragma once
// The settings file's rules over one run of the launcher, beside the choices' own format
// (stored_choices.h): which file it is, when it is written, and when it is left alone.
#include "platform/settings_bytes.h"
#include "ui/stored_choices.h"

#include <string>

namespace qennet::ui {

// A save that failed: the system's error, and what the file system shows keeps the file from
// being written.
struct SaveFailure {
    platform::SystemError error; // none: saved, or nothing to save
    platform::WriteObstacle obstacle = platform::WriteObstacle::Unknown;
    explicit operator bool() const { return static_cast<bool>(error); }
};

class SettingsKeeper {
  public:
    // The file calls every read and save makes; a test stands in for them.
    explicit SettingsKeeper(const platform::SettingsFileCalls& calls = {}) : calls_(calls) {}

    // Reads the choices. The file's full name is fixed now, in the folder the launcher started
    // in: every later read and write goes there, also while a plug-in has moved the working
    // folder. A file that is there but cannot be read is left alone for the rest of the run, so
    // that the choices in it are not overwritten with defaults the player never chose.
    ChoicesRead Load(const platform::CodePage& codePage = {});

    // Saves before a renderer plug-in's call (foreign code that may end the process): quietly, as
    // nothing may stand between the player's click and the plug-in's dialog.
    void SaveBeforePlugin(const StoredChoices& choices);

    // Saves as the window closes; what failed is for the player to be told. Nothing is saved
    // again once the session's end has saved the choices.
    SaveFailure SaveAtClose(const StoredChoices& choices);

    // Windows announced the session's end (WM_ENDSESSION): when it does end, the choices are
    // saved once, quietly, since nothing may hold up a log-off, shut-down or restart. A log-off
    // that was cancelled (ending false) changes nothing: the session goes on, and so do saves.
    void SessionEnds(bool ending, const StoredChoices& choices);
    bool SessionEnded() const { return sessionEnded_; }
    // Why the file could not be read at Load, if it could not.
    const platform::SystemError& ReadError() const { return readError_; }

    const std::string& FileName() const { return file_; }

  private:
    SaveFailure Save(const StoredChoices& choices);

    platform::SettingsFileCalls calls_;
    std::string file_ = kSettingsFileName;
    platform::CodePage codePage_;
    bool leaveAlone_ = false;
    platform::SystemError readError_;
    bool sessionEnded_ = false;
};

} // namespace qennet::ui
