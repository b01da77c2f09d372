#include "ui/program_start.h"

#include "core/command_line.h"
#include "platform/file_exists.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/player_texts.h"

namespace qennet::ui {
namespace {

struct ProgramPlace {
    Program program;
    const char* name;
    bool inWindowsFolder; // otherwise in the working folder
};
constexpr ProgramPlace kPlaces[] = {
    {Program::Emulator, kEmulatorProgram, false},
    {Program::Editor, kEditorProgram, true},
};

} // namespace

unsigned long StartOrTell(Program program, const std::string& commandLine,
                          const std::wstring& headline, const PlayerMessages& messages, HWND owner,
                          const platform::ProcessCalls& calls) {
    const ProgramPlace& place = kPlaces[static_cast<int>(program)];
    const std::wstring name = platform::Utf8ToWide(place.name);
    const std::wstring path =
        place.inWindowsFolder ? platform::InWindowsFolder(name.c_str()) : platform::FullPath(name);
    const unsigned long error = platform::StartProgram(path, commandLine, calls);
    // The system reports a folder in the program's place as a missing file.
    if (error && error != ERROR_CANCELLED)
        messages.Tell(
            owner, headline,
            StartFailureCause(name, path, commandLine, error, platform::FolderExists(path)));
    return error;
}

} // namespace qennet::ui
