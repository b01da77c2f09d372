// Stand-in for the emulator and for the text editor. It records how it was started and exits:
// the exact command line (UTF-8, one line) goes to "<own base name>.log" in the current
// directory, and the moment it started (performance counter and frequency) to
// "<own base name>.times". Copied as Vresk.exe it writes Vresk.log, as NOTEPAD.EXE NOTEPAD.log.
#include <windows.h>

#include <string>

namespace {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

// Appends in one write. Another instance may be writing the same file at this moment, so the
// file is opened without write sharing and the open is retried for a while.
void Append(const std::wstring& name, const std::string& bytes) {
    for (int attempt = 0; attempt < 400; ++attempt) {
        HANDLE file = CreateFileW(name.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(file);
            return;
        }
        DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) {
            return;
        }
        Sleep(5);
    }
}

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
    return 0;
}
