// A shortcut's file name from a game's title: forbidden characters replaced by look-alikes a
// file name may hold, the name made safe, and the first name not taken.
#include "shortcut_name.h"

#include <cctype>

namespace qennet {
namespace {

// What each character Windows forbids in a file name becomes: the separators and the colon a
// dash (the "3D/G" of a title reads as "3D-G"), the wildcards an underscore ("*bootleg*" reads
// as "_bootleg_"), the quotation mark an apostrophe, and the angle brackets round ones. Control
// characters (1 to 31, and NUL) become a blank.
struct Replacement {
    char forbidden;
    char replacement;
};
constexpr Replacement kReplacements[] = {
    {'/', '-'}, {'\\', '-'}, {':', '-'}, {'|', '-'}, {'*', '_'},
    {'?', '_'}, {'"', '\''}, {'<', '('}, {'>', ')'},
};
constexpr char kControlReplacement = ' ';

// The device names Windows keeps for itself, also before an extension ("CON.lnk" opens the
// console, not a file). The superscript digits (Latin-1, here as UTF-8) count as digits too.
constexpr std::string_view kDeviceNames[] = {
    "CON",         "PRN",         "AUX",         "NUL",         "COM0",        "COM1",
    "COM2",        "COM3",        "COM4",        "COM5",        "COM6",        "COM7",
    "COM8",        "COM9",        "LPT0",        "LPT1",        "LPT2",        "LPT3",
    "LPT4",        "LPT5",        "LPT6",        "LPT7",        "LPT8",        "LPT9",
    "COM\xC2\xB9", "COM\xC2\xB2", "COM\xC2\xB3", "LPT\xC2\xB9", "LPT\xC2\xB2", "LPT\xC2\xB3",
};

// A title that leaves no name (only dots and blanks, say) is named this.
constexpr char kNameOfNothing[] = "Game";

// Candidates asked before giving up: never reached by a real desktop, and no taken() that
// always answers yes can hang the window.
constexpr int kLastCopyNumber = 9999;

char Replaced(char c) {
    if (static_cast<unsigned char>(c) < 32)
        return kControlReplacement;
    for (const Replacement& r : kReplacements) {
        if (r.forbidden == c)
            return r.replacement;
    }
    return c;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Windows reads the name up to its first dot, without the blanks before the dot, as the device.
bool IsDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    const std::size_t last = base.find_last_not_of(' ');
    base = base.substr(0, last == std::string_view::npos ? 0 : last + 1);
    for (std::string_view device : kDeviceNames) {
        if (SameLetters(base, device))
            return true;
    }
    return false;
}

// The name without ".lnk": characters replaced, no trailing dots or blanks (Windows drops them,
// so the file would not have the name asked for), and safe.
std::string BaseName(std::string_view title) {
    std::string name;
    name.reserve(title.size());
    for (char c : title)
        name += Replaced(c);
    const std::size_t last = name.find_last_not_of(". ");
    name.resize(last == std::string::npos ? 0 : last + 1);
    if (name.empty())
        return kNameOfNothing;
    if (IsDeviceName(name)) { // "CON" becomes "CON_", "Nul. Zone" "Nul_. Zone"
        const std::size_t end = name.find_first_of(". ");
        name.insert(end == std::string::npos ? name.size() : end, 1, '_');
    }
    return name;
}

} // namespace

std::string ShortcutFileName(std::string_view title,
                             const std::function<bool(const std::string& name)>& taken) {
    const std::string base = BaseName(title);
    std::string candidate = base + ".lnk";
    for (int copy = 2; taken(candidate); ++copy) {
        if (copy > kLastCopyNumber)
            return {};
        candidate = base + " (" + std::to_string(copy) + ").lnk";
    }
    return candidate;
}

} // namespace qennet
