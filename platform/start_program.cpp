#include "platform/start_program.h"

#include "platform/paths.h"
#include "platform/com.h"
#include "platform/system_library.h"
#include "platform/text.h"

#include <algorithm>
#include <iterator>

namespace qennet::platform {
namespace {

// ERROR_ELEVATION_REQUIRED: the program is marked to run as administrator, or its manifest asks
// for it. (This compiler's headers lack the name.)
constexpr DWORD kElevationRequired = 740;

// What follows the program's own name: the command lines the launcher composes begin with a bare
// program name and a blank.
std::wstring ParametersOf(const std::wstring& commandLine) {
    const size_t blank = commandLine.find_first_of(L" \t");
    return blank == std::wstring::npos ? std::wstring() : commandLine.substr(blank + 1);
}

// What the shell reports when the program's drive is missing in the elevated session: the file or
// its path not found, or the share the letter stood for.
constexpr DWORD kMissingDriveErrors[] = {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND,
                                         ERROR_BAD_NETPATH, ERROR_BAD_NET_NAME};

// A program on a drive letter that is mapped to a network share.
bool OnMappedDrive(const std::wstring& program, const ProcessCalls& calls) {
    if (program.size() < 3 || program[1] != L':' || program[2] != L'\\')
        return false;
    const std::wstring root = program.substr(0, 3);
    return calls.driveType(calls.context, root.c_str()) == DRIVE_REMOTE;
}

// The line the shell composes: "program" parameters.
size_t ElevatedLength(const std::wstring& program, const std::wstring& parameters) {
    return program.size() + 2 + (parameters.empty() ? 0 : 1 + parameters.size());
}

SystemError StartElevated(const std::wstring& program, const std::wstring& commandLine,
                          const ProcessCalls& calls) {
    const std::wstring parameters = ParametersOf(commandLine);
    if (ElevatedLength(program, parameters) > kLongestElevatedCommandLine)
        return SystemError::Win32(kElevatedCommandLineTooLong); // the shell would refuse or cut it
    const std::wstring directory = CurrentDirectory();
    // The shell's calls may use COM; its documentation asks for an apartment-threaded one. A
    // failure to initialise it is left to the shell call to report.
    InitialiseCom();
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // A failure comes back here and gets the launcher's message; and the call returns only once
    // the start is done, as the window's thread may go on to other things.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = GetActiveWindow();
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (calls.shellExecute(calls.context, &info))
        return {};
    const DWORD error = GetLastError();
    if (std::find(std::begin(kMissingDriveErrors), std::end(kMissingDriveErrors), error) !=
            std::end(kMissingDriveErrors) &&
        OnMappedDrive(program, calls))
        return SystemError::Win32(kElevatedFromNetworkDrive);
    return SystemError::Win32(error);
}

} // namespace

BOOL ShellExecuteFromShell32(void*, SHELLEXECUTEINFOW* info) {
    static const auto shellExecute = LateBound<decltype(&::ShellExecuteExW)>(late::kShellExecuteEx);
    static const DWORD missing = shellExecute ? 0 : GetLastError();
    if (shellExecute)
        return shellExecute(info);
    SetLastError(missing ? missing : ERROR_PROC_NOT_FOUND);
    return FALSE;
}

size_t ElevatedCommandLineLength(const std::wstring& program, const std::string& commandLine) {
    return ElevatedLength(program, ParametersOf(Utf8ToWide(commandLine)));
}

SystemError StartProgram(const std::wstring& program, const std::string& commandLine,
                         const ProcessCalls& calls) {
    // The wide form keeps a ROM folder name outside the ANSI code page intact; CreateProcessW
    // may write into the buffer, so it gets a copy of its own.
    const std::wstring wide = Utf8ToWide(commandLine);
    if (wide.size() > kLongestCommandLine)
        return SystemError::Win32(kCommandLineTooLong); // Windows would refuse it, or cut it short
    std::wstring buffer = wide;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!calls.createProcess(calls.context, program.c_str(), buffer.data(), nullptr, nullptr, FALSE,
                             CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &process)) {
        const DWORD error = GetLastError();
        if (error == kElevationRequired)
            return StartElevated(program, wide, calls);
        return SystemError::Win32(error);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

} // namespace qennet::platform
