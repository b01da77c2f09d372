#include "ui/stored_choices.h"

#include "core/settings_encoding.h"

namespace qennet::ui {
namespace {

class SystemAnsi : public AnsiCodePage {
  public:
    explicit SystemAnsi(const platform::CodePage& codePage) : codePage_(codePage) {}
    std::string ToUtf8(std::string_view ansi) const override {
        return platform::AnsiToUtf8(ansi, codePage_);
    }
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        return platform::Utf8ToAnsi(utf8, codePage_);
    }

  private:
    platform::CodePage codePage_;
};

} // namespace

ChoicesRead LoadStoredChoices(const platform::CodePage& codePage) {
    const platform::SettingsBytesRead file =
        platform::ReadSettingsBytes(kSettingsFileName, kLargestSettingsFile);
    ChoicesRead result;
    result.outcome = file.outcome;
    result.error = file.error;
    if (file.outcome == ChoicesRead::Outcome::Read)
        result.choices =
            ChoicesFromSettingsText(SettingsTextFromBytes(file.bytes, SystemAnsi(codePage)));
    return result;
}

unsigned long SaveStoredChoices(const StoredChoices& choices, const platform::CodePage& codePage) {
    return platform::WriteSettingsBytes(
        kSettingsFileName,
        SettingsBytesFromText(SettingsTextFromChoices(choices), SystemAnsi(codePage)));
}

} // namespace qennet::ui
