#include "platform/start_program.h"

#include "platform/paths.h"
#include "platform/system_library.h"
#include "platform/text.h"

namespace qennet::platform {
namespace {

// ERROR_ELEVATION_REQUIRED: the program is marked to run as administrator, or its manifest asks
// for it. (This compiler's headers lack the name.)
constexpr DWORD kElevationRequired = 740;

struct ProgramAndParameters {
    std::wstring program;
    std::wstring parameters;
};

// The command lines the launcher composes begin with a bare program name and a blank.
ProgramAndParameters Split(const std::wstring& commandLine) {
    const size_t blank = commandLine.find_first_of(L" \t");
    if (blank == std::wstring::npos)
        return {commandLine, {}};
    return {commandLine.substr(0, blank), commandLine.substr(blank + 1)};
}

// The program's full path as SearchPathW finds it (the launcher's folder, then the working folder
// or the system folders first, as the process's search mode says, then PATH); the bare name when
// it cannot be found.
std::wstring ProgramPath(const std::wstring& program) {
    wchar_t path[MAX_PATH];
    const DWORD length = SearchPathW(nullptr, program.c_str(), L".exe", MAX_PATH, path, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return program;
    return std::wstring(path, length);
}

unsigned long StartElevated(const std::wstring& commandLine, const ProcessCalls& calls) {
    const ProgramAndParameters split = Split(commandLine);
    const std::wstring program = ProgramPath(split.program);
    const std::wstring directory = CurrentDirectory();
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI; // a failure comes back here and gets the launcher's message
    info.hwnd = GetActiveWindow();
    info.lpVerb = L"runas";
    info.lpFile = program.c_str();
    info.lpParameters = split.parameters.empty() ? nullptr : split.parameters.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!calls.shellExecute(&info))
        return GetLastError();
    return 0;
}

} // namespace

BOOL WINAPI ShellExecuteFromShell32(SHELLEXECUTEINFOW* info) {
    static const auto shellExecute =
        SystemCall<ProcessCalls::ShellExecuteFn>(L"shell32.dll", "ShellExecuteExW");
    static const DWORD missing = shellExecute ? 0 : GetLastError();
    if (shellExecute)
        return shellExecute(info);
    SetLastError(missing ? missing : ERROR_PROC_NOT_FOUND);
    return FALSE;
}

unsigned long StartProgram(const std::string& commandLine, const ProcessCalls& calls) {
    // The wide form keeps a ROM folder name outside the ANSI code page intact; CreateProcessW
    // may write into the buffer, so it gets a copy of its own.
    const std::wstring wide = Utf8ToWide(commandLine);
    if (wide.size() > kLongestCommandLine)
        return kCommandLineTooLong; // Windows would refuse it, or cut it short
    std::wstring buffer = wide;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!calls.createProcess(nullptr, buffer.data(), nullptr, nullptr, FALSE,
                             CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &process)) {
        const DWORD error = GetLastError();
        if (error == kElevationRequired)
            return StartElevated(wide, calls);
        return error;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

} // namespace qennet::platform
