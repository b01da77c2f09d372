#pragma once
// Play-to-process: from the Play click in a running program until the stand-in emulator's first
// instruction, against this program starting the same command line itself.
#include "bench/start_to_window.h"

#include <string>
#include <vector>

namespace qennet::bench {

struct PlaySamples {
    std::vector<double> launcher;     // ms, Play in qennet.exe to the stand-in's first instruction
    std::vector<double> floor;        // ms, the same in the floor, whose Play only starts the line
    std::vector<double> floorCommand; // ms, the floor's Play command posted, no button press
    std::vector<double> direct;       // ms, CreateProcessW here to the same
};

// Starts the launcher and the floor (their exes in the current folder, beside the stand-in
// Vresk.exe), learns the command line from one Play in the launcher, gives the floor that line
// to start, and times the four ways in turn, after one unmeasured start of each.
PlaySamples TimePlayInTurn(const WindowProgram& launcher, const WindowProgram& floor, int rounds);

} // namespace qennet::bench
