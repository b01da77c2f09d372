// When the program cannot go on (a string position or length out of range, no memory left), it
// says so and ends with an error code, never carrying on with a wrong result. A stand-in built
// with the launcher's own runtime pieces runs into each error.
#include "support.h"

#include "runtime/runtime_support.h"

using namespace e2e;

namespace {

struct Stop {
    std::wstring caption;
    std::wstring text;
    DWORD exitCode = 0;
};

// Runs the stand-in into the error, reads its message box, presses OK and waits for its end.
Stop RunInto(const std::wstring& error) {
    std::wstring commandLine = L"internal_error.exe " + error;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(Build().internalError.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &started)) {
        ADD_FAILURE() << "Cannot start " << WideToUtf8(Build().internalError) << " (error "
                      << GetLastError() << ").";
        return {};
    }
    Handle process(started.hProcess);
    Handle thread(started.hThread);
    Stop stop;
    HWND box = nullptr;
    if (WaitUntil([&] {
            box = FirstOf(TopLevelWindows(
                started.dwProcessId, [](HWND window) { return ClassOf(window) == kDialogClass; }));
            return box || WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
        }) &&
        box) {
        stop.caption = Launcher::WindowTitle(box);
        stop.text = Launcher::DialogText(box);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    } else {
        ADD_FAILURE() << "No message box came up.";
    }
    if (WaitForSingleObject(process.Get(), kDeadlineMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "The program did not end.";
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), kDeadlineMs);
    }
    GetExitCodeProcess(process.Get(), &stop.exitCode);
    return stop;
}

constexpr wchar_t kHeadline[] = L"Qennet has to stop because of an internal error:\n";

// The launcher's headline and a reason after it: the C++ library's own wording of the reason is
// the compiler's, and may change with it.
void ExpectHeadlineWithReason(const std::wstring& text) {
    const std::wstring headline = kHeadline;
    EXPECT_EQ(text.compare(0, headline.size(), headline), 0) << WideToUtf8(text);
    EXPECT_GT(text.size(), headline.size()) << "no reason given";
}

} // namespace

TEST(InternalError, PositionOutOfRangeStopsTheProgramNamingIt) {
    const Stop stop = RunInto(L"position");
    EXPECT_EQ(stop.caption, L"Qennet");
    ExpectHeadlineWithReason(stop.text);
    EXPECT_EQ(stop.exitCode, qennet::runtime::kInternalErrorExitCode);
}

TEST(InternalError, LengthErrorStopsTheProgramNamingIt) {
    const Stop stop = RunInto(L"length");
    ExpectHeadlineWithReason(stop.text);
    EXPECT_EQ(stop.exitCode, qennet::runtime::kInternalErrorExitCode);
}

TEST(InternalError, OutOfMemoryStopsTheProgramNamingIt) {
    const Stop stop = RunInto(L"memory");
    EXPECT_EQ(stop.text, std::wstring(kHeadline) + L"out of memory");
    EXPECT_EQ(stop.exitCode, qennet::runtime::kInternalErrorExitCode);
}
