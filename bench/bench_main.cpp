// The launcher's start-up and Play benchmark; scripts/bench.sh prepares its folder and runs it:
//   qennet_bench [ROUNDS]
//   qennet_bench --cpu        (only the processor time while waiting, with and without a
//                              game controller)
// Run in a folder holding qennet.exe, the two comparison programs and the stand-in Vresk.exe.
// Prints medians (with quartiles) and ratios, and writes every sample to samples.csv.
#include "bench/controller_cpu.h"
#include "bench/measure.h"
#include "bench/play_to_process.h"
#include "bench/start_to_window.h"
#include "ui/control_ids.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cwchar>

using namespace qennet::bench;

namespace {

constexpr int kLeastRounds = 15;
constexpr double kGoal = 1.05;

void PrintRow(const wchar_t* name, const std::vector<double>& sample) {
    const Summary s = Summarise(sample);
    std::wprintf(L"  %-34ls %8.1f ms  (quartiles %.1f .. %.1f)\n", name, s.median, s.lower,
                 s.upper);
}

// The ratio of the medians, and as a check on drift during the run the median of the ratios
// of runs made in the same round.
void PrintRatio(const wchar_t* name, const std::vector<double>& over,
                const std::vector<double>& under, bool hasGoal) {
    std::vector<double> paired;
    for (size_t i = 0; i < over.size() && i < under.size(); ++i)
        paired.push_back(over[i] / under[i]);
    const double ratio = Summarise(over).median / Summarise(under).median;
    std::wprintf(L"  %-34ls %8.3f     (per round %.3f)", name, ratio, Summarise(paired).median);
    if (hasGoal)
        std::wprintf(L"  goal <= %.2f: %ls", kGoal, ratio <= kGoal ? L"met" : L"MISSED");
    std::wprintf(L"\n");
}

void WriteSamples(FILE* csv, const wchar_t* measure, const std::wstring& program,
                  const std::vector<double>& sample) {
    for (size_t run = 0; run < sample.size(); ++run)
        std::fwprintf(csv, L"%ls,%ls,%u,%.3f\n", measure, program.c_str(),
                      static_cast<unsigned>(run + 1), sample[run]);
}

// The floor only means something while it shows what qennet.exe shows.
bool SameWindows(const std::vector<std::wstring>& floor, const std::vector<std::wstring>& qennet) {
    if (floor == qennet)
        return true;
    std::fwprintf(stderr, L"The structural floor does not show what qennet.exe shows:\n");
    for (size_t i = 0; i < floor.size() || i < qennet.size(); ++i) {
        const wchar_t* a = i < floor.size() ? floor[i].c_str() : L"(nothing)";
        const wchar_t* b = i < qennet.size() ? qennet[i].c_str() : L"(nothing)";
        if (std::wcscmp(a, b) != 0)
            std::fwprintf(stderr, L"  floor:  %ls\n  qennet: %ls\n", a, b);
    }
    return false;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const WindowProgram empty{L"empty window", L"bench_empty.exe", L"QennetBenchEmpty", false};
    const WindowProgram floor{L"structural floor", L"bench_floor.exe", L"QennetBenchFloor", true};
    const WindowProgram qennet{L"qennet.exe", L"qennet.exe", QENNET_WINDOW_CLASS, true};
    const WindowProgram before{L"qennet.exe before", L"qennet_before.exe", QENNET_WINDOW_CLASS,
                               true};
    std::vector<WindowProgram> programs = {empty, floor, qennet};
    // An earlier version beside it (scripts/bench.sh with QENNET_BENCH_BEFORE).
    const bool withBefore = GetFileAttributesW(before.file.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (withBefore)
        programs.push_back(before);
    if (argc > 1 && std::wcscmp(argv[1], L"--cpu") == 0) {
        MeasureControllerCpu(qennet);
        return 0;
    }
    const int rounds = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 31;
    if (rounds < kLeastRounds) {
        std::fwprintf(stderr, L"usage: qennet_bench [ROUNDS], at least %d rounds\n", kLeastRounds);
        return 2;
    }

    // Sleep(1) sleeps one millisecond, not one scheduler tick, while the benchmark runs.
    timeBeginPeriod(1);
    // One unmeasured start of each fills the caches; qennet.exe also writes its qennet.cfg on
    // closing, so every measured start reads one, as every start but a player's first does.
    std::vector<std::wstring> floorShows, qennetShows;
    TimeStartToWindow(empty);
    TimeStartToWindow(floor, &floorShows);
    TimeStartToWindow(qennet, &qennetShows);
    if (withBefore)
        TimeStartToWindow(before);
    if (!SameWindows(floorShows, qennetShows))
        return 1;
    const auto starts = TimeStartsInTurn(programs, rounds);
    const PlaySamples plays = TimePlayInTurn(qennet, floor, rounds);
    timeEndPeriod(1);

    std::wprintf(L"start-to-window, median of %d alternating runs each\n", rounds);
    for (size_t i = 0; i < programs.size(); ++i)
        PrintRow(programs[i].name.c_str(), starts[i]);
    PrintRatio(L"qennet / structural floor", starts[2], starts[1], true);
    PrintRatio(L"qennet / empty window", starts[2], starts[0], false);
    PrintRatio(L"structural floor / empty window", starts[1], starts[0], false);
    if (withBefore) {
        PrintRatio(L"qennet before / structural floor", starts[3], starts[1], false);
        PrintRatio(L"qennet / qennet before", starts[2], starts[3], false);
    }
    std::wprintf(L"play-to-process, median of %d alternating runs each\n", rounds);
    PrintRow(L"Play in qennet.exe", plays.launcher);
    PrintRow(L"Play in the structural floor", plays.floor);
    PrintRow(L"floor's Play command, no press", plays.floorCommand);
    PrintRow(L"CreateProcessW by the benchmark", plays.direct);
    PrintRatio(L"qennet Play / CreateProcessW", plays.launcher, plays.direct, true);
    PrintRatio(L"qennet Play / floor Play", plays.launcher, plays.floor, false);

    if (FILE* csv = _wfopen(L"samples.csv", L"w")) {
        std::fwprintf(csv, L"measure,program,run,milliseconds\n");
        for (size_t i = 0; i < programs.size(); ++i)
            WriteSamples(csv, L"start-to-window", programs[i].name, starts[i]);
        WriteSamples(csv, L"play-to-process", L"Play in qennet.exe", plays.launcher);
        WriteSamples(csv, L"play-to-process", L"Play in the structural floor", plays.floor);
        WriteSamples(csv, L"play-to-process", L"floor's Play command", plays.floorCommand);
        WriteSamples(csv, L"play-to-process", L"CreateProcessW", plays.direct);
        std::fclose(csv);
    }
    return 0;
}
