// Feeds arbitrary bytes to the settings reader: it must never crash, must only hand back
// positions inside their lists, and whatever it reads must survive a write and a second read.
#include "core/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool InRange(const qennet::StoredChoices& choices) {
    return choices.game >= -1 && choices.game <= 70 && choices.renderer >= 0 &&
           choices.renderer <= 5 && choices.scope >= 0 && choices.scope <= 3;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qennet::StoredChoices read = qennet::ReadSettings(text);
    if (!InRange(read)) {
        __builtin_trap();
    }
    if (qennet::ReadSettings(qennet::WriteSettings(read)) != read) {
        __builtin_trap();
    }
    return 0;
}
