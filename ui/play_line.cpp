#include "ui/play_line.h"

#include "platform/file_exists.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/system_ansi.h"

#include <optional>

namespace qennet::ui {

PlayLine ComposePlayLine(GameNumber game, const StoredChoices& choices, LineFor use) {
    const auto shortName = [](const std::string& path) {
        return platform::WideToUtf8(platform::ShortPath(platform::Utf8ToWide(path)));
    };
    const std::optional<std::string> roms =
        RomsFolderTheEmulatorReads(choices.romsDirectory, SystemAnsi(), shortName);
    const PlayChoices play{game, choices.renderer, choices.scope,
                           roms ? *roms : choices.romsDirectory};
    return {ComposeCommandLine(play, platform::FileExists, use), roms.has_value()};
}

} // namespace qennet::ui
