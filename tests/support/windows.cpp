#include "tests/support/windows.h"

#include <algorithm>

namespace e2e {
namespace {

struct Search {
    const WindowTest& test;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    if (search->test(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(const WindowTest& test) {
    Search search{test, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> TopLevelWindows(DWORD processId, const WindowTest& test) {
    return TopLevelWindows(
        [&](HWND window) { return ProcessOf(window) == processId && test(window); });
}

std::vector<HWND> ThreadWindows(DWORD threadId, const WindowTest& test) {
    Search search{test, {}};
    EnumThreadWindows(threadId, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildWindows(HWND parent, const WindowTest& test) {
    Search search{test, {}};
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(std::max(length, 0)));
}

} // namespace e2e
