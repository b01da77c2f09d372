#include "ui/player_texts.h"

#include "core/command_line.h"
#include "core/message_inserts.h"
#include "platform/shell_link.h"
#include "platform/start_program.h"
#include "platform/system_error.h"
#include "platform/text.h"

#include <windows.h>

namespace qennet::ui {
namespace {

// The system's text with the file's name in place of "%1" ("Bad EXE format for %1."). The insert
// is filled here rather than by FormatMessageW, which would read arguments the caller never gave
// for any other insert the text names.
std::wstring SystemTextNaming(platform::SystemError error, const std::wstring& name) {
    return platform::Utf8ToWide(
        FillFirstInsert(platform::WideToUtf8(error.Text()), platform::WideToUtf8(name)));
}

} // namespace

std::wstring EmulatorNotStartedText() {
    return L"Could not start " + platform::Utf8ToWide(kEmulatorProgram) + L".";
}

std::wstring RomsFolderUnreadableText(const std::wstring& question) {
    const std::wstring emulator = platform::Utf8ToWide(kEmulatorProgram);
    return L"The ROM folder's name holds characters that " + emulator +
           L" cannot read on this Windows (it reads its command line in the system's code page), "
           L"and the folder has no short name to give it instead. The emulator may not find its "
           L"games.\n\n" +
           question;
}

std::wstring StartAllTheSameQuestion() {
    return L"Start " + platform::Utf8ToWide(kEmulatorProgram) + L" all the same?";
}

std::wstring RomsFolderMissingText(const std::wstring& fullPath) {
    std::wstring path = fullPath;
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    const std::wstring games =
        L". " + platform::Utf8ToWide(kEmulatorProgram) + L" may not find its games.";
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash + 1 == path.size())
        return L"There is no folder " + path + games; // a drive's root
    std::wstring parent = path.substr(0, slash);
    if (parent.size() == 2 && parent[1] == L':')
        parent += L'\\';
    return L"There is no folder " + path.substr(slash + 1) + L" in " + parent + games;
}

std::wstring EditorNotStartedText(const std::wstring& file) {
    return L"Could not start " + platform::Utf8ToWide(kEditorProgram) + L" to edit " + file + L".";
}

std::wstring PluginNotLoadedText(const std::wstring& plugin) {
    return L"Could not load the renderer plug-in " + plugin + L".";
}

std::wstring PluginWithoutSettingsText(const std::wstring& plugin) {
    return L"The renderer plug-in " + plugin +
           L" has no GPUconfigure entry point, so it has no settings to show.";
}

std::wstring StartFailureCause(const std::wstring& program, const std::wstring& path,
                               const std::string& commandLine, platform::SystemError error,
                               bool folderInItsPlace) {
    const size_t length = platform::Utf8ToWide(commandLine).size();
    if (error.Is(platform::kCommandLineTooLong) && length > platform::kLongestCommandLine)
        return L"Its command line would be " + platform::DecimalText(length) +
               L" characters long, and Windows accepts at most " +
               platform::DecimalText(platform::kLongestCommandLine) +
               L". A shorter ROM folder makes it fit.";
    if (error.Is(platform::kElevatedCommandLineTooLong))
        return program + L" asks for administrator rights, and Windows then takes at most " +
               platform::DecimalText(platform::kLongestElevatedCommandLine) +
               L" characters for the whole command line, counted with the program's full path; " +
               L"counted so, its command line would have " +
               platform::DecimalText(platform::ElevatedCommandLineLength(path, commandLine)) +
               L". A shorter ROM folder makes it fit.";
    if (error.Is(platform::kElevatedFromNetworkDrive))
        return program + L" asks for administrator rights, and it is on a network drive: a " +
               L"program started as administrator does not see the drives you mapped. Keep the " +
               L"emulator on a local drive, or open its folder by the share's name " +
               L"(\\\\server\\share) instead of the drive letter.";
    // The system reports a folder in the program's place as a missing file.
    if (folderInItsPlace)
        return L"There is a folder named " + program + L" in the emulator folder where the " +
               L"program should be.";
    return SystemTextNaming(error, program);
}

std::wstring SettingsSaveFailureCause(platform::WriteObstacle obstacle,
                                      platform::SystemError error) {
    struct ObstacleText {
        platform::WriteObstacle obstacle;
        const wchar_t* text;
    };
    static constexpr ObstacleText kTexts[] = {
        {platform::WriteObstacle::Folder,
         L"There is a folder named qennet.cfg in the emulator folder where the file should be."},
        {platform::WriteObstacle::ReadOnly,
         L"qennet.cfg is read-only. Clear its read-only attribute (in its properties) to let "
         L"Qennet save your choices."},
        {platform::WriteObstacle::HeldOpen,
         L"Another program (an editor, a sync tool or a virus scanner) has qennet.cfg open and "
         L"lets nobody change it."},
        {platform::WriteObstacle::NoPermission,
         L"You may not change files in the emulator folder. Qennet can save your choices once "
         L"you may, or when the emulator is in a folder of your own."},
    };
    // The system says "Access is denied." for each of these; what refuses the write says more.
    for (const ObstacleText& entry : kTexts) {
        if (entry.obstacle == obstacle)
            return entry.text;
    }
    return error.Text();
}

std::wstring PluginLoadFailureCause(const std::string& fileName, platform::SystemError error,
                                    bool pluginThere) {
    const std::wstring name = platform::Utf8ToWide(fileName);
    // The plug-in itself is there: what the system cannot find is a library it needs.
    if (error.Is(ERROR_MOD_NOT_FOUND) && pluginThere)
        return name + L" is there, but a library it needs is missing.";
    return SystemTextNaming(error, name);
}

std::wstring EmulatorMissingCause(const std::wstring& folder) {
    const std::wstring emulator = platform::Utf8ToWide(kEmulatorProgram);
    return L"There is no " + emulator + L" in " + folder + L", the folder Qennet was started in. " +
           L"qennet.exe belongs in the emulator's folder, beside " + emulator +
           L"; a shortcut to qennet.exe needs that folder as its \"Start in\" folder.";
}

std::wstring DesktopMissingCause(const std::wstring& folder) {
    return L"Your desktop folder, " + folder +
           L", is not there: it may be on a network share that is offline, or a synced folder "
           L"that was removed.";
}

std::wstring ShortcutTooLongCause(std::size_t length) {
    return L"A shortcut holds at most " +
           platform::DecimalText(platform::kLongestShortcutArguments) +
           L" characters after the program's name, and this game's would have " +
           platform::DecimalText(length) + L". A shorter ROM folder makes it fit.";
}

} // namespace qennet::ui
