// Stand-in for the system's xinput1_4.dll: a scripted controller in slot 0. A test writes
// "qennet-pad.txt" beside this library, one controller state a line as two numbers (wButtons
// and the left stick's Y, in C notation: "0x1000 0" is A held, "0 -32768" the stick down). Each
// reading of slot 0 takes the next line, and the last line stays; a new script starts again at
// its first line. Without the file no controller is connected, and the other slots are empty.
// The first reading of each new script is recorded in "qennet-pad-read-PID.txt" beside it (the
// script it has read), so a test knows which process has seen which state.
#include <windows.h>
#include <xinput.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HMODULE self = nullptr;
std::string script;  // the file as last read
size_t nextLine = 0; // where the next reading starts in it

std::wstring Beside(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    const std::wstring own(path, length);
    return own.substr(0, own.find_last_of(L"\\/") + 1) + name;
}

void RecordRead(const std::string& bytes) {
    const std::wstring name =
        Beside(L"qennet-pad-read-" + std::to_wstring(GetCurrentProcessId()) + L".txt");
    if (FILE* file = _wfopen(name.c_str(), L"wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// Read with every kind of sharing, so that the test can replace the file at any moment.
std::string ReadScript() {
    HANDLE file = CreateFileW(Beside(L"qennet-pad.txt").c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    if (file == INVALID_HANDLE_VALUE || !ReadFile(file, bytes.data(), 4096, &read, nullptr))
        read = 0;
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    if (slot != 0)
        return ERROR_DEVICE_NOT_CONNECTED;
    const std::string now = ReadScript();
    if (now != script) {
        script = now;
        nextLine = 0;
        RecordRead(script);
    }
    if (script.empty())
        return ERROR_DEVICE_NOT_CONNECTED;
    size_t end = script.find('\n', nextLine);
    const std::string line =
        script.substr(nextLine, end == std::string::npos ? end : end - nextLine);
    if (end != std::string::npos && end + 1 < script.size())
        nextLine = end + 1;
    char* rest = nullptr;
    ZeroMemory(state, sizeof *state);
    state->Gamepad.wButtons = static_cast<WORD>(std::strtoul(line.c_str(), &rest, 0));
    state->Gamepad.sThumbLY = static_cast<SHORT>(std::strtol(rest, nullptr, 0));
    return ERROR_SUCCESS;
}
