#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>

namespace qennet::platform {

// The longest command line Windows accepts: 32,767 characters with the terminator.
constexpr std::size_t kLongestCommandLine = 32766;

// StartProgram's answer for a command line longer than kLongestCommandLine; nothing is started.
constexpr unsigned long kCommandLineTooLong = ERROR_FILENAME_EXCED_RANGE;

// shell32's ShellExecuteExW, looked up at its first call: shell32 is loaded only when a program
// asks for elevation, never at start-up.
BOOL WINAPI ShellExecuteFromShell32(SHELLEXECUTEINFOW* info);

// The system calls StartProgram makes, so that a test can stand in for them.
struct ProcessCalls {
    using CreateProcessFn = BOOL(WINAPI*)(LPCWSTR, LPWSTR, LPSECURITY_ATTRIBUTES,
                                          LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR,
                                          LPSTARTUPINFOW, LPPROCESS_INFORMATION);
    using ShellExecuteFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    CreateProcessFn createProcess = CreateProcessW;
    ShellExecuteFn shellExecute = ShellExecuteFromShell32;
};

// Starts the program at that full path as a separate program, with the command line (which begins
// with the program's own name), its window shown normally, in the current working directory;
// returns at once and keeps no handle. The program is never searched for, so a file of the same
// name in the launcher's own folder or on the search path cannot stand in for it. It does not
// inherit the launcher's error mode. A program that asks for elevation is started through the
// shell with the verb "runas", so the player gets the elevation prompt (ERROR_CANCELLED when the
// player declines it). Returns 0, or the system's error code.
unsigned long StartProgram(const std::wstring& program, const std::string& commandLine,
                           const ProcessCalls& calls = ProcessCalls());

} // namespace qennet::platform
