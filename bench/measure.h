#pragma once
// What the benchmark's measurements share: the clock, programs it starts and waits for, and the
// statistics it reports.
#include <windows.h>

#include <string>
#include <vector>

namespace qennet::bench {

// The performance counter: one clock for all processes of the machine.
LONGLONG Now();
double Milliseconds(LONGLONG ticks);

// Median and quartiles of a sample; the sample must not be empty.
struct Summary {
    double median, lower, upper;
};
Summary Summarise(std::vector<double> sample);

// A started program; closes its handles when it goes out of scope.
class Process {
  public:
    Process() = default;
    explicit Process(const PROCESS_INFORMATION& info) : info_(info) {}
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    bool Exited() const;
    // Waits for the end; a program that does not end in time is ended.
    void Finish(DWORD timeoutMs);

  private:
    PROCESS_INFORMATION info_{};
};

// Starts a program with the command line as the launcher starts the emulator: in the current
// folder, its window shown normally. An unstarted Process on failure (GetLastError tells why).
Process Start(std::wstring commandLine);

// Stops the benchmark with a message when something it relies on did not happen.
[[noreturn]] void Fail(const std::wstring& what);

} // namespace qennet::bench
