#pragma once
// The window's four choices loaded from and saved to the settings file: its bytes
// (platform/settings_bytes.h) as text (core/settings_encoding.h, through the system's ANSI code
// page) holding the choices (core/choices_text.h).
#include "core/choices_text.h"
#include "platform/settings_bytes.h"
#include "platform/text.h"

namespace qennet::ui {

struct ChoicesRead {
    using Outcome = platform::SettingsBytesRead::Outcome;
    Outcome outcome = Outcome::Missing;
    StoredChoices choices;       // the file's, or the defaults when it was not read
    platform::SystemError error; // when Unreadable
};

// `file` is the settings file's name, by default "qennet.cfg" in the working folder.
ChoicesRead LoadStoredChoices(const platform::CodePage& codePage = {},
                              const std::string& file = kSettingsFileName,
                              const platform::SettingsFileCalls& calls = {});

// Returns what failed, if anything.
platform::SystemError SaveStoredChoices(const StoredChoices& choices,
                                        const platform::CodePage& codePage = {},
                                        const std::string& file = kSettingsFileName,
                                        const platform::SettingsFileCalls& calls = {});

} // namespace qennet::ui
