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

ChoicesRead LoadStoredChoices(const platform::CodePage& codePage, const std::string& file) {
    const platform::SettingsBytesRead read =
        platform::ReadSettingsBytes(file, kLargestSettingsFile);
    ChoicesRead result;
    result.outcome = read.outcome;
    result.error = read.error;
    if (read.outcome == ChoicesRead::Outcome::Read)
        result.choices =
            ChoicesFromSettingsText(SettingsTextFromBytes(read.bytes, SystemAnsi(codePage)));
    return result;
}

unsigned long SaveStoredChoices(const StoredChoices& choices, const platform::CodePage& codePage,
                                const std::string& file) {
    return platform::WriteSettingsBytes(
        file, SettingsBytesFromText(SettingsTextFromChoices(choices), SystemAnsi(codePage)));
}

} // namespace qennet::ui
