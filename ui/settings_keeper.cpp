#include "ui/settings_keeper.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace qennet::ui {
ChoicesRead SettingsKeeper::Load(const platform::CodePage& codePage) {
    codePage_ = codePage;
    const std::wstring full = platform::FullPath(platform::Utf8ToWide(kSettingsFileName));
    file_ = full.empty() ? std::string(kSettingsFileName) : platform::WideToUtf8(full);
    ChoicesRead read = LoadStoredChoices(codePage_, file_, calls_);
    leaveAlone_ = read.outcome == ChoicesRead::Outcome::Unreadable;
    readError_ = read.error;
    return read;
}

void SettingsKeeper::SaveBeforePlugin(const StoredChoices& choices) {
    if (!sessionEnded_)
        Save(choices);
}

SaveFailure SettingsKeeper::SaveAtClose(const StoredChoices& choices) {
    return sessionEnded_ ? SaveFailure{} : Save(choices);
}

void SettingsKeeper::SessionEnds(bool ending, const StoredChoices& choices) {
    if (!ending || sessionEnded_)
        return;
    sessionEnded_ = true;
    Save(choices);
}

SaveFailure SettingsKeeper::Save(const StoredChoices& choices) {
    if (leaveAlone_)
        return {};
    SaveFailure failure;
    failure.error = SaveStoredChoices(choices, codePage_, file_, calls_);
    failure.obstacle = platform::WriteObstacleOf(file_, failure.error, calls_);
    return failure;
}

} // namespace qennet::ui
