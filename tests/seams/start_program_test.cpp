// StartProgram with the process-start calls replaced: what it asks of the system when a program
// needs elevation, and the error mode its programs get.
#include "platform/start_program.h"
#include "tests/support/system_error_print.h"
#include "ui/player_texts.h"
#include "ui/program_start.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using qennet::platform::ProcessCalls;
using qennet::platform::StartProgram;
using qennet::platform::SystemError;

constexpr DWORD kElevationRequired = 740; // ERROR_ELEVATION_REQUIRED

struct Recorded {
    int creates = 0;
    std::wstring application;
    std::wstring commandLine;
    DWORD flags = 0;
    DWORD startupFlags = 0;
    WORD startupShow = 0;
    int shellExecutes = 0;
    std::wstring verb, file, parameters, directory;
    int show = 0;
    DWORD shellError = 0; // what the shell answers; 0 for success
};
Recorded& Of(void* context) {
    return *static_cast<Recorded*>(context);
}

BOOL RefuseForElevation(void* context, LPCWSTR, LPWSTR commandLine, LPSECURITY_ATTRIBUTES,
                        LPSECURITY_ATTRIBUTES, BOOL, DWORD flags, LPVOID, LPCWSTR, LPSTARTUPINFOW,
                        LPPROCESS_INFORMATION) {
    Recorded& recorded = Of(context);
    ++recorded.creates;
    recorded.commandLine = commandLine;
    recorded.flags = flags;
    SetLastError(kElevationRequired);
    return FALSE;
}

BOOL Succeed(void* context, LPCWSTR application, LPWSTR commandLine, LPSECURITY_ATTRIBUTES,
             LPSECURITY_ATTRIBUTES, BOOL, DWORD flags, LPVOID, LPCWSTR, LPSTARTUPINFOW startup,
             LPPROCESS_INFORMATION process) {
    Recorded& recorded = Of(context);
    ++recorded.creates;
    recorded.application = application ? application : L"(searched for)";
    recorded.commandLine = commandLine;
    recorded.flags = flags;
    recorded.startupFlags = startup->dwFlags;
    recorded.startupShow = startup->wShowWindow;
    process->hProcess = nullptr;
    process->hThread = nullptr;
    return TRUE;
}

BOOL RefuseAsNotAProgram(void* context, LPCWSTR, LPWSTR, LPSECURITY_ATTRIBUTES,
                         LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR, LPSTARTUPINFOW,
                         LPPROCESS_INFORMATION) {
    ++Of(context).creates;
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return FALSE;
}

BOOL RecordShellExecute(void* context, SHELLEXECUTEINFOW* info) {
    Recorded& recorded = Of(context);
    ++recorded.shellExecutes;
    recorded.verb = info->lpVerb ? info->lpVerb : L"";
    recorded.file = info->lpFile ? info->lpFile : L"";
    recorded.parameters = info->lpParameters ? info->lpParameters : L"";
    recorded.directory = info->lpDirectory ? info->lpDirectory : L"";
    recorded.show = info->nShow;
    if (recorded.shellError) {
        SetLastError(recorded.shellError);
        return FALSE;
    }
    return TRUE;
}

std::wstring CurrentDirectory() {
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetCurrentDirectoryW(MAX_PATH, path));
}

// A folder holding a program file, made the working directory for the test.
class StartingAProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = CurrentDirectory();
        wchar_t temporary[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temporary);
        folder_ =
            std::wstring(temporary) + L"qennet-seams-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        program_ = folder_ + L"\\Vresk.exe";
        HANDLE file = CreateFileW(program_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
        ASSERT_TRUE(SetCurrentDirectoryW(folder_.c_str()));
        calls_.context = &recorded;
        calls_.createProcess = RefuseForElevation;
        calls_.shellExecute = RecordShellExecute;
    }
    void TearDown() override {
        SetCurrentDirectoryW(previous_.c_str());
        DeleteFileW(program_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring previous_, folder_, program_;
    Recorded recorded;
    ProcessCalls calls_;
};

TEST_F(StartingAProgram, ProgramThatNeedsElevationIsStartedThroughRunas) {
    const std::string line = "Vresk.exe 5 --roms-directory=\"C:\\My Roms\\\\\" --renderer=soft";
    EXPECT_FALSE(StartProgram(program_, line, calls_));
    EXPECT_EQ(recorded.creates, 1);
    ASSERT_EQ(recorded.shellExecutes, 1);
    EXPECT_EQ(recorded.verb, L"runas");
    EXPECT_EQ(_wcsicmp(recorded.file.c_str(), program_.c_str()), 0)
        << "the same program: " << recorded.file.size();
    EXPECT_EQ(recorded.parameters, L"5 --roms-directory=\"C:\\My Roms\\\\\" --renderer=soft");
    EXPECT_EQ(_wcsicmp(recorded.directory.c_str(), folder_.c_str()), 0);
    EXPECT_EQ(recorded.show, SW_SHOWNORMAL);
}

TEST_F(StartingAProgram, DeclinedElevationIsReported) {
    recorded.shellError = ERROR_CANCELLED;
    EXPECT_EQ(StartProgram(program_, "Vresk.exe 1 --roms-directory=Roms", calls_),
              SystemError::Win32(ERROR_CANCELLED));
    EXPECT_EQ(recorded.shellExecutes, 1);
}

int CountMessage(void* told, HWND, LPCWSTR, LPCWSTR, UINT) {
    ++*static_cast<int*>(told);
    return IDOK;
}

// Play's answer: a declined prompt is the player's own, and tells nothing; a failure is told.
TEST_F(StartingAProgram, PlayTellsAFailureButNotADeclinedPrompt) {
    qennet::ui::ActionGate gate;
    int told = 0;
    const qennet::ui::PlayerMessages messages(gate, {&told, CountMessage});
    for (const DWORD shellError : {DWORD{ERROR_CANCELLED}, DWORD{ERROR_ACCESS_DENIED}}) {
        recorded.shellError = shellError;
        told = 0;
        qennet::ui::StartOrTell(qennet::ui::Program::Emulator, "Vresk.exe 1 --roms-directory=Roms",
                                L"Could not start Vresk.exe.", messages, nullptr, calls_);
        EXPECT_EQ(told, shellError == ERROR_CANCELLED ? 0 : 1) << shellError;
    }
}

// The shell takes fewer characters than CreateProcessW, counted with the program's full path in
// quotation marks and a blank: a longer line is refused before it, and the player told that count.
TEST_F(StartingAProgram, ElevatedCommandLinesLongerThanTheShellTakesAreNotStarted) {
    using qennet::platform::kElevatedCommandLineTooLong;
    const std::wstring program = L"C:\\" + std::wstring(240, L'f') + L"\\Vresk.exe";
    const std::string prefix = "Vresk.exe 1 --roms-directory=";
    const size_t longest = qennet::platform::kLongestElevatedCommandLine - program.size() - 3 + 10;
    const std::string tooLong = prefix + std::string(longest + 1 - prefix.size(), 'r');
    EXPECT_EQ(StartProgram(program, tooLong, calls_),
              SystemError::Win32(kElevatedCommandLineTooLong));
    EXPECT_EQ(recorded.shellExecutes, 0);
    EXPECT_NE(qennet::ui::StartFailureCause(L"Vresk.exe", program, tooLong,
                                            SystemError::Win32(kElevatedCommandLineTooLong), false)
                  .find(L"2083 characters for the whole command line, counted with the program's "
                        L"full path; counted so, its command line would have 2084."),
              std::wstring::npos);
    EXPECT_FALSE(StartProgram(program, prefix + std::string(longest - prefix.size(), 'r'), calls_));
    EXPECT_EQ(recorded.shellExecutes, 1);
}

UINT NetworkDrive(void*, LPCWSTR) {
    return DRIVE_REMOTE;
}

// Mapped drives belong to the player's logon session, not the elevated one: a failure there that
// a missing drive gives is said to be the drive's; a declined prompt stays the player's answer,
// and any other failure, or a local drive's, stays the system's.
TEST_F(StartingAProgram, ElevationFailureOnAMappedDriveSaysSo) {
    struct Case {
        DWORD shellError;
        ProcessCalls::DriveTypeFn driveType;
        DWORD expected;
    };
    const Case cases[] = {
        {ERROR_FILE_NOT_FOUND, NetworkDrive, qennet::platform::kElevatedFromNetworkDrive},
        {ERROR_PATH_NOT_FOUND, NetworkDrive, qennet::platform::kElevatedFromNetworkDrive},
        {ERROR_BAD_NETPATH, NetworkDrive, qennet::platform::kElevatedFromNetworkDrive},
        {ERROR_BAD_NET_NAME, NetworkDrive, qennet::platform::kElevatedFromNetworkDrive},
        {ERROR_CANCELLED, NetworkDrive, ERROR_CANCELLED},
        {ERROR_ACCESS_DENIED, NetworkDrive, ERROR_ACCESS_DENIED},
        {ERROR_NOT_ENOUGH_MEMORY, NetworkDrive, ERROR_NOT_ENOUGH_MEMORY},
        {ERROR_FILE_NOT_FOUND, ProcessCalls{}.driveType, ERROR_FILE_NOT_FOUND},
    };
    for (const Case& c : cases) {
        recorded.shellError = c.shellError;
        calls_.driveType = c.driveType;
        EXPECT_EQ(StartProgram(program_, "Vresk.exe 1 --roms-directory=Roms", calls_),
                  SystemError::Win32(c.expected))
            << c.shellError;
    }
}

TEST_F(StartingAProgram, OtherFailuresAreNotRetriedThroughTheShell) {
    calls_.createProcess = RefuseAsNotAProgram;
    EXPECT_EQ(StartProgram(program_, "Vresk.exe 1 --roms-directory=Roms", calls_),
              SystemError::Win32(ERROR_BAD_EXE_FORMAT));
    EXPECT_EQ(recorded.shellExecutes, 0);
}

// The launcher fails critical errors quietly; the programs it starts must not inherit that. They
// are shown normally and active, not as their creator's default would have them.
TEST_F(StartingAProgram, ProgramsGetTheDefaultErrorMode) {
    calls_.createProcess = Succeed;
    EXPECT_FALSE(
        StartProgram(L"C:\\windows\\NOTEPAD.EXE", "NOTEPAD.EXE ctrlr\\controller.cfg", calls_));
    // Started by its full path, never searched for; its command line as composed.
    EXPECT_EQ(recorded.application, L"C:\\windows\\NOTEPAD.EXE");
    EXPECT_EQ(recorded.commandLine, L"NOTEPAD.EXE ctrlr\\controller.cfg");
    EXPECT_TRUE(recorded.flags & CREATE_DEFAULT_ERROR_MODE);
    EXPECT_TRUE(recorded.startupFlags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(recorded.startupShow, SW_SHOWNORMAL);
}

TEST_F(StartingAProgram, CommandLineLongerThanWindowsTakesIsNotStarted) {
    calls_.createProcess = Succeed;
    const std::string prefix = "Vresk.exe 1 --roms-directory=";
    EXPECT_EQ(StartProgram(program_, prefix + std::string(32767 - prefix.size(), 'r'), calls_),
              SystemError::Win32(qennet::platform::kCommandLineTooLong));
    EXPECT_EQ(recorded.creates, 0);
    EXPECT_FALSE(StartProgram(program_, prefix + std::string(32766 - prefix.size(), 'r'), calls_));
    EXPECT_EQ(recorded.creates, 1);
}

} // namespace
