#include "platform/start_program.h"

#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {

unsigned long StartProgram(const std::string& commandLine) {
    // The wide form keeps a ROM folder name outside the ANSI code page intact; CreateProcessW
    // may write into the buffer, so it gets a copy of its own.
    std::wstring buffer = Utf8ToWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return GetLastError();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

} // namespace qennet::platform
