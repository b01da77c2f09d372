#pragma once
// The settings file, "qennet.cfg", in layers: its bytes on disk (platform/settings_bytes.h), the
// text they hold (core/settings_encoding.h), the four choices that text holds (this file), and
// the window's choices loaded and saved (ui/stored_choices.h). Here: the choices as text, UTF-8.
#include "types.h"

#include <optional>
#include <string>
#include <string_view>

namespace qennet {

constexpr const char* kSettingsFileName = "qennet.cfg";

struct StoredChoices {
    ListPosition game = 0; // -1 means no game selected
    ListPosition renderer = 0;
    ListPosition scope = 0;
    std::string romsDirectory = "Roms";
};

inline bool operator==(const StoredChoices& a, const StoredChoices& b) {
    return a.game == b.game && a.renderer == b.renderer && a.scope == b.scope &&
           a.romsDirectory == b.romsDirectory;
}
inline bool operator!=(const StoredChoices& a, const StoredChoices& b) {
    return !(a == b);
}

// Each value that is missing, garbled, not a 16-bit number or outside its list keeps its default
// (first game, "Default", "Default", "Roms"); the usable ones are taken. A field ends at a comma or
// at any line end (CR LF, LF or CR), and a leading UTF-8 byte-order mark is skipped. A ROM text
// holding a NUL character is unusable.
StoredChoices ChoicesFromSettingsText(std::string_view text);

// Four lines ending in CR LF: the three positions in decimal, then the ROM text in quotation
// marks. A quotation mark or line break inside the text cannot be stored and is dropped.
std::string SettingsTextFromChoices(const StoredChoices& choices);

} // namespace qennet
