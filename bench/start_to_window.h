#pragma once
// Start-to-window: from CreateProcessW of a program until its window is visible, answers and,
// for the programs with a game list, holds all 71 games.
#include "bench/measure.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qennet::bench {

struct WindowProgram {
    std::wstring name;        // as reported
    std::wstring file;        // the exe, in the current folder
    std::wstring windowClass; // its main window's class
    bool hasGameList;         // the window holds the game list (IDC_GAMES)
};

// Starts the program with the arguments and waits until its window is ready; returns the window
// and the moment it was found ready. Stops the benchmark when that does not happen in time.
HWND StartAndAwaitWindow(const WindowProgram& program, const std::wstring& arguments,
                         Process& process, LONGLONG& readyAt);

// Milliseconds for one start; the window is closed and the program waited for afterwards. When
// asked, what the window showed is described (see window_contents.h) before it is closed.
double TimeStartToWindow(const WindowProgram& program,
                         std::vector<std::wstring>* contents = nullptr);

// Runs the programs in turn, rotating which goes first each round; one sample per program each
// round, in the order of programs.
std::vector<std::vector<double>> TimeStartsInTurn(const std::vector<WindowProgram>& programs,
                                                  int rounds);

// Closes a window politely and waits for its program to end.
void CloseAndAwaitEnd(HWND window, Process& process);

} // namespace qennet::bench
