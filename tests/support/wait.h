#pragma once
// Waiting in the Windows tests: for a condition, never for a fixed time.
#include <windows.h>

namespace e2e {

// How long any awaited condition may take before the test fails.
constexpr DWORD kDeadlineMs = 10000;

// Polls a condition every few milliseconds until it holds or the time is up.
template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs = kDeadlineMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(5);
    }
}

} // namespace e2e
