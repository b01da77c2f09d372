#pragma once
// Every text of the launcher's own that the player reads: the window's caption, the messages'
// caption and headlines, and why a program or a plug-in could not be used, in words a player can
// act on (the system's own text where it is right, the real cause where the system's code
// misleads). What was found on disk comes in as values; nothing here looks. The controls'
// captions are in the layout table, the options' in the core.
#include "platform/settings_bytes.h"

#include <cstddef>
#include <string>

namespace qennet::ui {

// The window's caption with no game selected, and before the selected game's title.
constexpr wchar_t kWindowCaption[] = L"Vresk";
constexpr wchar_t kWindowCaptionPrefix[] = L"Vresk: ";

// The caption of every message the launcher shows.
constexpr wchar_t kMessageCaption[] = L"Qennet";

// The headlines: what could not be done.
constexpr wchar_t kWindowNotCreatedText[] = L"The launcher's window could not be created.";
constexpr wchar_t kSettingsUnreadText[] =
    L"Qennet could not read qennet.cfg, so it shows the default choices. It will not save your "
    L"choices this time, so that the ones in qennet.cfg are kept.";
constexpr wchar_t kSettingsNotSavedText[] = L"Your choices could not be saved to qennet.cfg.";
constexpr wchar_t kFolderBrowserFailedText[] = L"Could not use the folder browser.";
std::wstring EmulatorNotStartedText();
// The warning before Play, a shortcut or the copied line hands the emulator a ROM folder it may not
// read, with the question for what follows ("Start Vresk.exe all the same?").
std::wstring RomsFolderUnreadableText(const std::wstring& question);
std::wstring StartAllTheSameQuestion();
constexpr wchar_t kCreateShortcutAllTheSameQuestion[] = L"Create the shortcut all the same?";
constexpr wchar_t kCopyLineAllTheSameQuestion[] = L"Copy the line all the same?";

// The ROM folder field's warning where the folder the emulator is told of is not there: its
// title, and the text naming the folder and the folder it was looked for in (from its full path).
constexpr wchar_t kRomsFolderMissingTitle[] = L"ROM folder not found";
std::wstring RomsFolderMissingText(const std::wstring& fullPath);
std::wstring EditorNotStartedText(const std::wstring& file);
std::wstring PluginNotLoadedText(const std::wstring& plugin);
std::wstring PluginWithoutSettingsText(const std::wstring& plugin);

constexpr wchar_t kShortcutNotCreatedText[] =
    L"Could not create the game's shortcut on the desktop.";
constexpr wchar_t kCommandLineNotCopiedText[] = L"Could not copy the command line.";

// The causes: why.

// The cause line for a program (Vresk.exe, NOTEPAD.EXE) at that full path that StartProgram could
// not start with that command line; folderInItsPlace: a folder has the program's name where it
// should be.
std::wstring StartFailureCause(const std::wstring& program, const std::wstring& path,
                               const std::string& commandLine, platform::SystemError error,
                               bool folderInItsPlace);

// The cause line for the settings file that could not be saved: what keeps it from being written
// (as far as the file system told), in words the player can act on, where the system's "Access is
// denied." would not say.
std::wstring SettingsSaveFailureCause(platform::WriteObstacle obstacle,
                                      platform::SystemError error);

// The cause line for a renderer plug-in (a file name in the working directory) that could not be
// loaded; pluginThere: the plug-in's own file exists.
std::wstring PluginLoadFailureCause(const std::string& fileName, platform::SystemError error,
                                    bool pluginThere);

// The cause where the working folder has no emulator: the launcher was started from another folder
// (a download folder, or a shortcut whose "Start in" is not the emulator's).
std::wstring EmulatorMissingCause(const std::wstring& folder);

// The cause for a game's shortcut whose arguments would be longer than a shortcut holds.
std::wstring ShortcutTooLongCause(std::size_t length);

// The cause for a shortcut whose program, folder or own file has a path longer than a shortcut
// holds.
constexpr wchar_t kShortcutPathTooLongCause[] =
    L"The emulator's folder, or the desktop folder with the game's name, has a path longer than a "
    L"shortcut holds (259 characters). A shortcut can be made for an emulator in a folder with a "
    L"shorter path.";

// The cause where the desktop folder the shell names is not there.
std::wstring DesktopMissingCause(const std::wstring& folder);

// The cause where another program holds the clipboard.
constexpr wchar_t kClipboardHeldCause[] =
    L"Another program has the clipboard open. Try again in a moment.";

} // namespace qennet::ui
