#pragma once
// The launcher's processor time while it waits for the player: ten seconds with its window
// active and ten behind another window, without a game controller and with one connected.
#include "bench/start_to_window.h"

namespace qennet::bench {

// Prints the four figures. The controller is the end-to-end tests' stand-in XInput (in the
// prefix's system folder), which reads its script file at every reading: an upper bound for a
// real controller's cost. The launcher is started by its full path (its file in the current
// folder), by which its own Linux process is found.
void MeasureControllerCpu(WindowProgram launcher);

} // namespace qennet::bench
