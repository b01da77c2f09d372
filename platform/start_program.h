#pragma once
#include "platform/seam.h"
#include "platform/system_error.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>

namespace qennet::platform {

// The longest command line Windows accepts: 32,767 characters with the terminator.
constexpr std::size_t kLongestCommandLine = 32766;

// StartProgram's answer for a command line longer than kLongestCommandLine; nothing is started.
constexpr DWORD kCommandLineTooLong = ERROR_FILENAME_EXCED_RANGE;

// The longest command line the shell takes when it starts a program with elevation:
// ShellExecuteExW accepts at most INTERNET_MAX_URL_LENGTH characters with the terminator, counted
// over the line it composes (the program's full path in quotation marks, a blank, the parameters).
constexpr std::size_t kLongestElevatedCommandLine = 2084 - 1;

// That line's length for the program at that full path and the command line StartProgram is
// given (which begins with the program's own name).
std::size_t ElevatedCommandLineLength(const std::wstring& program, const std::string& commandLine);

// StartProgram's answers of its own (application-defined Win32 codes, bit 29 set) for a program
// that asks for elevation: its elevated command line is longer than kLongestElevatedCommandLine
// (nothing is started), or it lies on a mapped network drive and the shell could not find it
// there (mapped drives belong to one logon session, and the elevated program runs in another).
constexpr DWORD kElevatedCommandLineTooLong = 0x20000001;
constexpr DWORD kElevatedFromNetworkDrive = 0x20000002;

// shell32's ShellExecuteExW, looked up at its first call: shell32 is loaded only when a program
// asks for elevation, never at start-up. Where it is missing it fails as the lookup did.
BOOL ShellExecuteFromShell32(void* context, SHELLEXECUTEINFOW* info);

// The system calls StartProgram makes, so that a test can stand in for them.
struct ProcessCalls {
    using CreateProcessFn = BOOL (*)(void* context, LPCWSTR application, LPWSTR commandLine,
                                     LPSECURITY_ATTRIBUTES process, LPSECURITY_ATTRIBUTES thread,
                                     BOOL inherit, DWORD flags, LPVOID environment,
                                     LPCWSTR directory, LPSTARTUPINFOW startup,
                                     LPPROCESS_INFORMATION started);
    using ShellExecuteFn = BOOL (*)(void* context, SHELLEXECUTEINFOW* info);
    using DriveTypeFn = UINT (*)(void* context, LPCWSTR root);
    void* context = nullptr;
    CreateProcessFn createProcess = SystemCall<&::CreateProcessW>::Call;
    ShellExecuteFn shellExecute = ShellExecuteFromShell32;
    DriveTypeFn driveType = SystemCall<&::GetDriveTypeW>::Call;
};

// Starts the program at that full path as a separate program, with the command line (which begins
// with the program's own name), its window shown normally, in the current working directory;
// returns at once and keeps no handle. The program is never searched for, so a file of the same
// name in the launcher's own folder or on the search path cannot stand in for it. It does not
// inherit the launcher's error mode. A program that asks for elevation is started through the
// shell with the verb "runas", so the player gets the elevation prompt (ERROR_CANCELLED when the
// player declines it). Returns what failed, if anything.
SystemError StartProgram(const std::wstring& program, const std::string& commandLine,
                         const ProcessCalls& calls = {});

} // namespace qennet::platform
