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

std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// Wine reports no processor time for another process, so it is read where Linux keeps it
// (/proc, which Wine shows as Z:\proc). The first field of a Wine process's Linux command line is
// the first word of its Windows command line: started by its full path from a folder of its own,
// the launcher is found by that path, and no other copy on the machine is counted.
class LinuxProcess {
  public:
    // The one Linux process started as `fullPath`; stops the benchmark when there is none or
    // more than one.
    explicit LinuxProcess(const std::wstring& fullPath) : started_(Utf8(fullPath)) {
        int found = 0;
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
        if (search == INVALID_HANDLE_VALUE)
            Fail(L"Z:\\proc cannot be read");
        do {
            const std::wstring folder = std::wstring(L"Z:\\proc\\") + entry.cFileName;
            if (entry.cFileName[0] >= L'0' && entry.cFileName[0] <= L'9' && IsTheOne(folder)) {
                folder_ = folder;
                ++found;
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
        if (found != 1)
            Fail(std::to_wstring(found) + L" Linux processes run " + fullPath + L", not one");
    }

    // Its user and system time so far, in clock ticks of 10 ms. A process that has ended (or
    // whose number another process took) has no such time: then there is no figure.
    double CpuMilliseconds() const {
        const std::string stat = ReadWhole(folder_ + L"\\stat");
        const size_t fields = stat.rfind(')'); // the name may hold blanks
        unsigned long long user = 0, system = 0;
        // After the name: state, then ten fields, then utime and stime.
        if (!IsTheOne(folder_) || fields == std::string::npos ||
            std::sscanf(stat.c_str() + fields + 1,
                        " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user,
                        &system) != 2)
            Fail(L"the launcher ended while it was measured: no figure");
        return static_cast<double>(user + system) * 10.0;
    }

  private:
    bool IsTheOne(const std::wstring& folder) const {
        const std::string commandLine = ReadWhole(folder + L"\\cmdline");
        return commandLine.substr(0, commandLine.find('\0')) == started_;
    }

    std::string started_; // the full path it was started by, UTF-8
    std::wstring folder_; // Z:\proc\<Linux process id>
};

// The processor time the program takes over the span.
double CpuOverSpan(const LinuxProcess& program) {
    const double before = program.CpuMilliseconds();
    Sleep(kSpan);
    const double after = program.CpuMilliseconds();
    if (after < before) // one process's time never goes back
        Fail(L"the launcher's processor time went back: no figure");
    return after - before;
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

void MeasureControllerCpu(WindowProgram launcher) {
    wchar_t fullPath[MAX_PATH];
    const DWORD length = GetFullPathNameW(launcher.file.c_str(), MAX_PATH, fullPath, nullptr);
    if (length == 0 || length >= MAX_PATH)
        Fail(L"no full path for " + launcher.file);
    launcher.file = fullPath;
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
        const LinuxProcess measured(launcher.file);
        const double active = CpuOverSpan(measured);
        HWND other = CreateWindowExW(0, L"STATIC", L"in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                     0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        MakeActive(other);
        const double behind = CpuOverSpan(measured);
        DestroyWindow(other);
        CloseAndAwaitEnd(window, process);
        const wchar_t* what = withController ? L"one controller" : L"no controller";
        std::wprintf(L"  %-34ls %8.1f ms active, %.1f ms behind another window\n", what, active,
                     behind);
    }
    DeleteFileW(script.c_str());
}

} // namespace qennet::bench
