#include "ui/stored_choices.h"

#include "core/settings_encoding.h"
#include "ui/system_ansi.h"

namespace qennet::ui {
ChoicesRead LoadStoredChoices(const platform::CodePage& codePage, const std::string& file,
                              const platform::SettingsFileCalls& calls) {
    const platform::SettingsBytesRead read =
        platform::ReadSettingsBytes(file, kLargestSettingsFile, calls);
    ChoicesRead result;
    result.outcome = read.outcome;
    result.error = read.error;
    if (read.outcome == ChoicesRead::Outcome::Read)
        result.choices =
            ChoicesFromSettingsText(SettingsTextFromBytes(read.bytes, SystemAnsi(codePage)));
    return result;
}

platform::SystemError SaveStoredChoices(const StoredChoices& choices,
                                        const platform::CodePage& codePage, const std::string& file,
                                        const platform::SettingsFileCalls& calls) {
    return platform::WriteSettingsBytes(
        file, SettingsBytesFromText(SettingsTextFromChoices(choices), SystemAnsi(codePage)), calls);
}

} // namespace qennet::ui
