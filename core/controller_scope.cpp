// Controller settings exist at three levels; Play names the most specific one that exists, while
// the "..." button always opens the exact level chosen so that the user can create it.
#include "controller_scope.h"

#include "catalogue.h"

namespace qennet {
namespace {

enum class Level { None, Global, Group, Game };

struct Scope {
    std::string_view label;
    Level level;
};

// In list order, from no controller option at all to the most specific level.
constexpr Scope kScopes[kScopeCount] = {
    {"Default", Level::None},
    {"Global", Level::Global},
    {"System Specific", Level::Group},
    {"Game Specific", Level::Game},
};

constexpr std::string_view kControllerDir = "ctrlr\\";
constexpr std::string_view kGlobalFile = "controller.cfg";

Level LevelOf(ListPosition scope) {
    return scope >= 0 && scope < kScopeCount ? kScopes[scope].level : Level::None;
}

// The file of exactly that level; empty when the level has no file (no game selected).
std::string_view LevelFile(Level level, GameNumber game) {
    switch (level) {
    case Level::Global:
        return kGlobalFile;
    case Level::Group:
        return GroupControllerFile(game);
    case Level::Game:
        return GameControllerFile(game);
    case Level::None:
        break;
    }
    return {};
}

std::string InControllerDir(std::string_view name) {
    std::string path(kControllerDir);
    path += name;
    return path;
}

// A level without a file name never counts as present.
bool Present(std::string_view name, const FileExistsFn& exists) {
    return !name.empty() && exists(InControllerDir(name));
}

} // namespace

std::string_view ScopeLabel(ListPosition scope) {
    return scope >= 0 && scope < kScopeCount ? kScopes[scope].label : std::string_view();
}

bool ControllerSettingsEnabled(ListPosition scope) {
    return scope != 0;
}

std::string GetControllerConfigFile(ListPosition scope, GameNumber game,
                                    const FileExistsFn& exists) {
    const Level chosen = LevelOf(scope);
    if (chosen == Level::None) {
        return {};
    }
    // From the chosen level towards the global one: the first file that exists wins, and the
    // global file ends the chain without a test.
    if (chosen == Level::Game && Present(LevelFile(Level::Game, game), exists)) {
        return std::string(LevelFile(Level::Game, game));
    }
    if (chosen != Level::Global && Present(LevelFile(Level::Group, game), exists)) {
        return std::string(LevelFile(Level::Group, game));
    }
    return std::string(kGlobalFile);
}

std::string ControllerSettingsFileToEdit(ListPosition scope, GameNumber game) {
    const std::string_view file = LevelFile(LevelOf(scope), game);
    return file.empty() ? std::string() : InControllerDir(file);
}

} // namespace qennet
