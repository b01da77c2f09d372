// Stand-in for the emulator and for the text editor. It records how it was started and exits:
// the exact command line (UTF-8, one line) goes to "<own base name>.log" in the current
// directory, and the moment it started (performance counter and frequency) to
// "<own base name>.times", and the error mode it was given to "<own base name>.errormode".
// Copied as Vresk.exe it writes Vresk.log, as NOTEPAD.EXE NOTEPAD.log.
#include "record.h"

#include <windows.h>

#include <string>

namespace {

using standin::Append;
using standin::ToUtf8;

std::wstring OwnBaseName() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        name.erase(0, slash + 1);
    }
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) {
        name.erase(dot);
    }
    return name;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    LARGE_INTEGER started;
    QueryPerformanceCounter(&started);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);

    const std::wstring base = OwnBaseName();
    Append(base + L".log", ToUtf8(GetCommandLineW()) + "\n");
    Append(base + L".times",
           std::to_string(started.QuadPart) + " " + std::to_string(frequency.QuadPart) + "\n");
    const UINT errorMode = SetErrorMode(0);
    SetErrorMode(errorMode);
    Append(base + L".errormode", std::to_string(errorMode) + "\n");
    return 0;
}
