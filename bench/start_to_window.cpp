#include "bench/start_to_window.h"

#include "bench/window_contents.h"
#include "core/catalogue.h"
#include "ui/control_ids.h"

namespace qennet::bench {
namespace {

constexpr DWORD kGiveUpMs = 30000;

// The program's own visible main window, or nullptr while there is none yet.
HWND VisibleWindow(const WindowProgram& program, DWORD processId) {
    HWND window = FindWindowW(program.windowClass.c_str(), nullptr);
    DWORD owner = 0;
    if (window)
        GetWindowThreadProcessId(window, &owner);
    return owner == processId && IsWindowVisible(window) ? window : nullptr;
}

// True once the window answers; with a game list, once the list answers that it holds them all.
bool Ready(const WindowProgram& program, HWND window) {
    HWND target = program.hasGameList ? GetDlgItem(window, IDC_GAMES) : window;
    const UINT question = program.hasGameList ? LB_GETCOUNT : WM_NULL;
    DWORD_PTR answer = 0;
    if (!target || !SendMessageTimeoutW(target, question, 0, 0, SMTO_NORMAL, kGiveUpMs, &answer))
        return false;
    return !program.hasGameList || answer == static_cast<DWORD_PTR>(kGameCount);
}

} // namespace

HWND StartAndAwaitWindow(const WindowProgram& program, const std::wstring& arguments,
                         Process& process, LONGLONG& readyAt) {
    const LONGLONG started = Now();
    process = Start(L"\"" + program.file + L"\"" + (arguments.empty() ? L"" : L" " + arguments));
    if (!process.started())
        Fail(L"cannot start " + program.file);
    HWND window = nullptr;
    // Polled every millisecond: often enough for the resolution wanted, seldom enough not to
    // take the processor from the program being timed.
    for (;;) {
        if (!window)
            window = VisibleWindow(program, process.id());
        if (window && Ready(program, window)) {
            readyAt = Now();
            return window;
        }
        if (process.Exited())
            Fail(program.file + L" ended before its window was ready");
        if (Milliseconds(Now() - started) > kGiveUpMs)
            Fail(program.file + L" showed no ready window in time");
        Sleep(1);
    }
}

double TimeStartToWindow(const WindowProgram& program, std::vector<std::wstring>* contents) {
    Process process;
    LONGLONG ready = 0;
    const LONGLONG started = Now();
    HWND window = StartAndAwaitWindow(program, L"", process, ready);
    if (contents)
        *contents = DescribeControls(window);
    CloseAndAwaitEnd(window, process);
    return Milliseconds(ready - started);
}

std::vector<std::vector<double>> TimeStartsInTurn(const std::vector<WindowProgram>& programs,
                                                  int rounds) {
    std::vector<std::vector<double>> samples(programs.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t turn = 0; turn < programs.size(); ++turn) {
            const size_t which = (turn + static_cast<size_t>(round)) % programs.size();
            samples[which].push_back(TimeStartToWindow(programs[which]));
        }
    }
    return samples;
}

void CloseAndAwaitEnd(HWND window, Process& process) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    process.Finish(kGiveUpMs);
}

} // namespace qennet::bench
