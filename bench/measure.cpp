#include "bench/measure.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace qennet::bench {

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
    static const double perMillisecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    return static_cast<double>(ticks) / perMillisecond;
}

namespace {

// Linear interpolation between the two nearest ranks of a sorted sample.
double Quantile(const std::vector<double>& sorted, double q) {
    const double position = q * static_cast<double>(sorted.size() - 1);
    const size_t below = static_cast<size_t>(position);
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] +
           (sorted[above] - sorted[below]) * (position - static_cast<double>(below));
}

} // namespace

Summary Summarise(std::vector<double> sample) {
    std::sort(sample.begin(), sample.end());
    return {Quantile(sample, 0.5), Quantile(sample, 0.25), Quantile(sample, 0.75)};
}

Process::~Process() {
    if (info_.hThread)
        CloseHandle(info_.hThread);
    if (info_.hProcess)
        CloseHandle(info_.hProcess);
}

Process::Process(Process&& other) noexcept : info_(std::exchange(other.info_, {})) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Process old(std::move(*this));
        info_ = std::exchange(other.info_, {});
    }
    return *this;
}

bool Process::Exited() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
}

void Process::Finish(DWORD timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, INFINITE);
    }
}

Process Start(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return Process();
    return Process(info);
}

void Fail(const std::wstring& what) {
    std::fwprintf(stderr, L"benchmark: %ls (error %lu)\n", what.c_str(), GetLastError());
    std::exit(2);
}

} // namespace qennet::bench
