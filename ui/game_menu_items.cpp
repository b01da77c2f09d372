#include "ui/game_menu_items.h"

#include "core/catalogue.h"
#include "core/command_line.h"
#include "core/shortcut_name.h"
#include "platform/clipboard.h"
#include "platform/file_exists.h"
#include "platform/paths.h"
#include "platform/shell_link.h"
#include "platform/text.h"
#include "ui/player_texts.h"
#include "ui/program_start.h"

namespace qennet::ui {

namespace {

bool NotCreated(const PlayerMessages& messages, HWND owner, const std::wstring& cause) {
    messages.Tell(owner, kShortcutNotCreatedText, cause);
    return false;
}

} // namespace

bool CreateDesktopShortcut(GameNumber game, const std::string& commandLine,
                           const PlayerMessages& messages, HWND owner) {
    using platform::Utf8ToWide;
    const std::wstring missing = EmulatorMissing();
    if (!missing.empty())
        return NotCreated(messages, owner, missing);
    platform::ShellLink link;
    link.arguments = Utf8ToWide(ArgumentsAfterProgram(commandLine));
    if (link.arguments.size() > platform::kLongestShortcutArguments)
        return NotCreated(messages, owner, ShortcutTooLongCause(link.arguments.size()));
    const platform::DesktopFolderFound found = platform::DesktopFolder();
    std::wstring desktop = found.path;
    if (desktop.empty())
        return NotCreated(messages, owner, found.error.Text());
    if (!platform::FolderExists(desktop))
        return NotCreated(messages, owner, DesktopMissingCause(desktop));
    if (desktop.back() != L'\\')
        desktop += L'\\';
    const std::string name = ShortcutFileName(GameTitle(game), [&](const std::string& candidate) {
        return platform::PathExists(desktop + Utf8ToWide(candidate));
    });
    if (name.empty()) // every name up to " (9999)" is there already
        return NotCreated(messages, owner, platform::SystemError::Win32(ERROR_FILE_EXISTS).Text());
    link.target = PathOf(Program::Emulator);
    link.workingFolder = platform::CurrentDirectory();
    link.iconFile = link.target;
    link.description = Utf8ToWide(GameTitle(game));
    const platform::SystemError error = platform::SaveShellLink(link, desktop + Utf8ToWide(name));
    if (error.Is(platform::kShortcutPathTooLong))
        return NotCreated(messages, owner, kShortcutPathTooLongCause);
    if (error)
        return NotCreated(messages, owner, error.Text());
    return true;
}

void CopyCommandLine(const std::string& commandLine, const PlayerMessages& messages, HWND owner) {
    const platform::SystemError error =
        platform::PutTextOnClipboard(owner, platform::Utf8ToWide(commandLine));
    if (error.Is(ERROR_ACCESS_DENIED))
        messages.Tell(owner, kCommandLineNotCopiedText, kClipboardHeldCause);
    else if (error)
        messages.Tell(owner, kCommandLineNotCopiedText, error);
}

} // namespace qennet::ui
