#pragma once
// The core's view of an ANSI code page, answered by the system's conversions.
#include "core/settings_encoding.h"
#include "platform/text.h"

namespace qennet::ui {

class SystemAnsi : public AnsiCodePage {
  public:
    explicit SystemAnsi(const platform::CodePage& codePage = {}) : codePage_(codePage) {}
    std::string ToUtf8(std::string_view ansi) const override {
        return platform::AnsiToUtf8(ansi, codePage_);
    }
    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        return platform::Utf8ToAnsi(utf8, codePage_);
    }

  private:
    platform::CodePage codePage_;
};

} // namespace qennet::ui
