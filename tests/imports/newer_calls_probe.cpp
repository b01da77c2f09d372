// A program that imports one function from Windows Vista and one from Windows 10, and otherwise
// only what the launcher's start-up imports, so the import check can show that it rejects them.
#undef WINVER
#undef _WIN32_WINNT
#define WINVER 0x0A00
#define _WIN32_WINNT 0x0A00
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const ULONGLONG started = GetTickCount64();
    const UINT dpi = GetDpiForWindow(nullptr);
    return static_cast<int>(started % 2 + dpi % 2);
}
