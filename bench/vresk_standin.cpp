// Stands in for Vresk.exe in the Play benchmark. Its entry point replaces the C runtime's start-up,
// so reading the clock is the program's first instruction. The performance counter is one clock
// for every process on the machine, so the benchmark can subtract its own reading from this one.
// It writes vresk-start.bin in its working folder: the counter (8 bytes), its process id (4 bytes)
// and then its command line in UTF-16. The file appears whole (written aside, then renamed).
#include <windows.h>

extern "C" [[noreturn]] void WINAPI VreskStart() {
    LARGE_INTEGER started;
    QueryPerformanceCounter(&started);

    const DWORD processId = GetCurrentProcessId();
    const wchar_t* commandLine = GetCommandLineW();
    DWORD commandBytes = 0;
    while (commandLine[commandBytes / sizeof(wchar_t)])
        commandBytes += sizeof(wchar_t);

    UINT exitCode = 1;
    HANDLE file = CreateFileW(L"vresk-start.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        BOOL ok = WriteFile(file, &started.QuadPart, sizeof started.QuadPart, &written, nullptr);
        ok = ok && WriteFile(file, &processId, sizeof processId, &written, nullptr);
        ok = ok && WriteFile(file, commandLine, commandBytes, &written, nullptr);
        ok = CloseHandle(file) && ok;
        if (ok && MoveFileExW(L"vresk-start.tmp", L"vresk-start.bin", MOVEFILE_REPLACE_EXISTING))
            exitCode = 0;
    }
    ExitProcess(exitCode);
}
