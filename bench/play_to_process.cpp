#include "bench/play_to_process.h"

#include "bench/measure.h"
#include "ui/control_ids.h"

namespace qennet::bench {
namespace {

constexpr DWORD kGiveUpMs = 30000;
constexpr wchar_t kRecord[] = L"vresk-start.bin"; // written by the stand-in, see vresk_standin.cpp

struct Record {
    LONGLONG started = 0;
    DWORD processId = 0;
    std::wstring commandLine;
};

// Waits for the stand-in's record and reads it.
Record AwaitRecord(LONGLONG since) {
    while (GetFileAttributesW(kRecord) == INVALID_FILE_ATTRIBUTES) {
        if (Milliseconds(Now() - since) > kGiveUpMs)
            Fail(L"the stand-in emulator left no record");
        Sleep(1);
    }
    // The stand-in's rename may still hold the file for a moment after the name appears.
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE file;
    while ((file = CreateFileW(kRecord, GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_SHARING_VIOLATION || Milliseconds(Now() - since) > kGiveUpMs)
            Fail(L"cannot open the stand-in's record");
        Sleep(1);
    }
    char bytes[4096];
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    Record record;
    const DWORD header = sizeof record.started + sizeof record.processId;
    if (!ok || read < header)
        Fail(L"the stand-in's record is too short");
    CopyMemory(&record.started, bytes, sizeof record.started);
    CopyMemory(&record.processId, bytes + sizeof record.started, sizeof record.processId);
    record.commandLine.resize((read - header) / sizeof(wchar_t));
    CopyMemory(record.commandLine.data(), bytes + header,
               record.commandLine.size() * sizeof(wchar_t));
    return record;
}

// Waits until the stand-in has ended, so that the next start does not overlap it.
void AwaitEnd(DWORD processId) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process)
        return; // already gone
    WaitForSingleObject(process, kGiveUpMs);
    CloseHandle(process);
}

// Posted, not sent: a sent click would hold this thread until the program's handler returned.
// The click's time is taken right before it is posted. The launcher takes a Play of the line it
// started last, within the double-click time of that start, for the same gesture once more: the
// click waits until that time has passed, and the wait is not measured.
DWORD lastPlayEnd = GetTickCount() - GetDoubleClickTime();
void AwaitGestureOver() {
    while (GetTickCount() - lastPlayEnd <= GetDoubleClickTime())
        Sleep(10);
}

double TimeViaPlay(HWND play) {
    AwaitGestureOver();
    DeleteFileW(kRecord);
    const LONGLONG clicked = Now();
    PostMessageW(play, BM_CLICK, 0, 0);
    const Record record = AwaitRecord(clicked);
    AwaitEnd(record.processId);
    lastPlayEnd = GetTickCount();
    return Milliseconds(record.started - clicked);
}

// Play's command posted straight to the window: the same start without the button's press
// (capture, focus, drawing), to tell the click's share from the starting program's.
double TimeViaCommand(HWND play) {
    DeleteFileW(kRecord);
    const LONGLONG posted = Now();
    PostMessageW(GetParent(play), WM_COMMAND, MAKEWPARAM(IDC_PLAY, BN_CLICKED),
                 reinterpret_cast<LPARAM>(play));
    const Record record = AwaitRecord(posted);
    AwaitEnd(record.processId);
    return Milliseconds(record.started - posted);
}

double TimeDirect(const std::wstring& commandLine) {
    DeleteFileW(kRecord);
    const LONGLONG started = Now();
    Process standIn = Start(commandLine);
    if (!standIn.started())
        Fail(L"cannot start " + commandLine);
    const Record record = AwaitRecord(started);
    standIn.Finish(kGiveUpMs);
    return Milliseconds(record.started - started);
}

HWND PlayButton(HWND window) {
    HWND play = GetDlgItem(window, IDC_PLAY);
    if (!play)
        Fail(L"a window has no Play button");
    return play;
}

} // namespace

PlaySamples TimePlayInTurn(const WindowProgram& launcher, const WindowProgram& floor, int rounds) {
    Process launcherProcess;
    LONGLONG ready = 0;
    HWND launcherWindow = StartAndAwaitWindow(launcher, L"", launcherProcess, ready);
    HWND launcherPlay = PlayButton(launcherWindow);

    // The launcher's first Play tells the command line it composes.
    DeleteFileW(kRecord);
    PostMessageW(launcherPlay, BM_CLICK, 0, 0);
    const Record first = AwaitRecord(Now());
    AwaitEnd(first.processId);
    lastPlayEnd = GetTickCount();
    const std::wstring commandLine = first.commandLine;

    Process floorProcess;
    HWND floorWindow = StartAndAwaitWindow(floor, commandLine, floorProcess, ready);
    HWND floorPlay = PlayButton(floorWindow);
    TimeViaPlay(floorPlay);
    TimeViaCommand(floorPlay);
    TimeDirect(commandLine);

    PlaySamples samples;
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 4; ++turn) {
            switch ((turn + round) % 4) {
            case 0:
                samples.launcher.push_back(TimeViaPlay(launcherPlay));
                break;
            case 1:
                samples.floor.push_back(TimeViaPlay(floorPlay));
                break;
            case 2:
                samples.floorCommand.push_back(TimeViaCommand(floorPlay));
                break;
            default:
                samples.direct.push_back(TimeDirect(commandLine));
                break;
            }
        }
    }
    CloseAndAwaitEnd(floorWindow, floorProcess);
    CloseAndAwaitEnd(launcherWindow, launcherProcess);
    DeleteFileW(kRecord);
    return samples;
}

} // namespace qennet::bench
