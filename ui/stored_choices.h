#pragma once
// The four choices in "qennet.cfg": the file's bytes (platform/settings_store.h) read and written
// as text (core/settings_file.h) through the system's ANSI code page.
#include "core/settings_file.h"
#include "platform/settings_store.h"
#include "platform/text.h"

namespace qennet::ui {

struct ChoicesRead {
    using Outcome = platform::SettingsFileRead::Outcome;
    Outcome outcome = Outcome::Missing;
    StoredChoices choices;   // the file's, or the defaults when it was not read
    unsigned long error = 0; // when Unreadable: the system's error code
};

ChoicesRead ReadStoredChoices(const platform::CodePage& codePage = platform::SystemCodePage());

// Returns 0, or the system's error code.
unsigned long WriteStoredChoices(const StoredChoices& choices,
                                 const platform::CodePage& codePage = platform::SystemCodePage());

} // namespace qennet::ui
