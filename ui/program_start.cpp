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

const ProgramPlace& PlaceOf(Program program) {
    return kPlaces[static_cast<int>(program)];
}

} // namespace

std::wstring PathOf(Program program) {
    const std::wstring name = platform::Utf8ToWide(PlaceOf(program).name);
    return PlaceOf(program).inWindowsFolder ? platform::InWindowsFolder(name.c_str())
                                            : platform::FullPath(name);
}

std::wstring EmulatorMissing() {
    const std::wstring path = PathOf(Program::Emulator);
    if (!path.empty() && platform::PathExists(path))
        return {};
    return EmulatorMissingCause(platform::CurrentDirectory());
}

platform::SystemError StartOrTell(Program program, const std::string& commandLine,
                                  const std::wstring& headline, const PlayerMessages& messages,
                                  HWND owner, const platform::ProcessCalls& calls) {
    const std::wstring name = platform::Utf8ToWide(PlaceOf(program).name);
    const std::wstring path = PathOf(program);
    const platform::SystemError error = platform::StartProgram(path, commandLine, calls);
    if (!error || error.Is(ERROR_CANCELLED))
        return error;
    std::wstring cause;
    if (program == Program::Emulator &&
        (error.Is(ERROR_FILE_NOT_FOUND) || error.Is(ERROR_PATH_NOT_FOUND)))
        cause = EmulatorMissing();
    // The system reports a folder in the program's place as a missing file.
    if (cause.empty())
        cause = StartFailureCause(name, path, commandLine, error, platform::FolderExists(path));
    messages.Tell(owner, headline, cause);
    return error;
}

} // namespace qennet::ui
