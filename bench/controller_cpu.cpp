#include "bench/controller_cpu.h"

#include <cstdio>
#include <string>

namespace qennet::bench {
namespace {

constexpr DWORD kSpan = 10000;

std::string ReadWhole(const std::wstring& name) {
    std::string bytes;
    if (FILE* file = _wfopen(name.c_str(), L"rb")) {
        char buffer[4096];
        size_t read;
        while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, read);
        std::fclose(file);
    }
    return bytes;
}

// Wine reports no processor time for another process, so it is read where Linux keeps it
// (/proc, which Wine shows as Z:\proc): the user and system time of every Linux process whose
// command line names the program, in clock ticks of 10 ms.
double CpuMilliseconds(const std::wstring& program) {
    const std::string name(program.begin(), program.end());
    double total = 0;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        Fail(L"Z:\\proc cannot be read");
    do {
        if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9')
            continue;
        const std::wstring folder = std::wstring(L"Z:\\proc\\") + entry.cFileName;
        const std::string commandLine = ReadWhole(folder + L"\\cmdline");
        if (commandLine.find(name) == std::string::npos)
            continue;
        const std::string stat = ReadWhole(folder + L"\\stat");
        const size_t fields = stat.rfind(')'); // the name may hold blanks
        if (fields == std::string::npos)
            continue;
        unsigned long long user = 0, system = 0;
        // After the name: state, then ten fields, then utime and stime.
        if (std::sscanf(stat.c_str() + fields + 1,
                        " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user,
                        &system) == 2)
            total += static_cast<double>(user + system) * 10.0;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return total;
}

// The processor time the program takes over the span.
double CpuOverSpan(const std::wstring& program) {
    const double before = CpuMilliseconds(program);
    Sleep(kSpan);
    return CpuMilliseconds(program) - before;
}

void MakeActive(HWND window) {
    SetForegroundWindow(window);
    if (GetForegroundWindow() != window)
        Fail(L"a window could not be made the active one");
}

std::wstring ScriptFile() {
    wchar_t folder[MAX_PATH] = {};
    return std::wstring(folder, GetSystemDirectoryW(folder, MAX_PATH)) + L"\\qennet-pad.txt";
}

} // namespace

void MeasureControllerCpu(const WindowProgram& launcher) {
    std::wprintf(L"processor time over %lu s, waiting for the player\n", kSpan / 1000);
    const std::wstring script = ScriptFile();
    for (const bool withController : {false, true}) {
        DeleteFileW(script.c_str());
        if (withController) { // connected, nothing pressed
            FILE* file = _wfopen(script.c_str(), L"wb");
            if (!file)
                Fail(L"the stand-in controller's script could not be written");
            std::fputs("0 0\n", file);
            std::fclose(file);
        }
        Process process;
        LONGLONG readyAt = 0;
        HWND window = StartAndAwaitWindow(launcher, L"", process, readyAt);
        MakeActive(window);
        Sleep(1000); // the first readings load the controller libraries
        const double active = CpuOverSpan(launcher.file);
        HWND other = CreateWindowExW(0, L"STATIC", L"in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                     0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        MakeActive(other);
        const double behind = CpuOverSpan(launcher.file);
        DestroyWindow(other);
        CloseAndAwaitEnd(window, process);
        const wchar_t* what = withController ? L"one controller" : L"no controller";
        std::wprintf(L"  %-34ls %8.1f ms active, %.1f ms behind another window\n", what, active,
                     behind);
    }
    DeleteFileW(script.c_str());
}

} // namespace qennet::bench
