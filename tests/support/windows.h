#pragma once
// Finding the windows of other processes and threads.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Whether a window is one of those sought.
using WindowTest = std::function<bool(HWND)>;

// The top-level windows that pass the test, in z-order (topmost first).
std::vector<HWND> TopLevelWindows(const WindowTest& test);
// Those of one process.
std::vector<HWND> TopLevelWindows(DWORD processId, const WindowTest& test);
// The top-level windows of one thread that pass the test.
std::vector<HWND> ThreadWindows(DWORD threadId, const WindowTest& test);
// Every window below the parent (children and theirs) that passes the test.
std::vector<HWND> ChildWindows(HWND parent, const WindowTest& test);
// The first of the windows found, or nullptr.
inline HWND FirstOf(const std::vector<HWND>& windows) {
    return windows.empty() ? nullptr : windows.front();
}

DWORD ProcessOf(HWND window);
std::wstring ClassOf(HWND window);
// The class of dialog boxes, message boxes among them.
constexpr wchar_t kDialogClass[] = L"#32770";

} // namespace e2e
