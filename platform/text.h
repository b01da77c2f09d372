#pragma once
// Conversions at the Win32 edge: UTF-8 inside the program, UTF-16 for the W APIs, and the ANSI
// code page only where a file format demands it.
#include "platform/seam.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace qennet::platform {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// The ANSI code page the conversions use, and the system call that converts into it. The program
// always runs with the system's; a test passes another code page (65001, Windows 10 and 11 with
// "Use Unicode UTF-8 for worldwide language support") or a call that behaves as another Windows.
struct CodePage {
    using WideToMultiByteFn = int (*)(void* context, UINT codePage, DWORD flags, LPCWCH wide,
                                      int wideLength, LPSTR bytes, int byteLength,
                                      LPCCH defaultChar, LPBOOL usedDefaultChar);
    void* context = nullptr;
    UINT id = GetACP();
    WideToMultiByteFn wideToMultiByte = SystemCall<&::WideCharToMultiByte>::Call;
};

// Text in the ANSI code page (8-bit) to UTF-8.
std::string AnsiToUtf8(std::string_view ansi, const CodePage& codePage = {});

// UTF-8 to the ANSI code page; nullopt when a character has no exact ANSI form. Under code page
// 65001 every text has one.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8, const CodePage& codePage = {});

// One character of the ANSI code page, as the window shows it. A code page 65001 has no
// one-byte characters beyond ASCII; there the byte is taken as the Western code page's (1252).
std::wstring AnsiCharToWide(unsigned char c, const CodePage& codePage = {});

// The text a window or control shows.
std::wstring WindowText(HWND window);

// A number in decimal digits, for messages (std::to_wstring would bring in the wide printf
// family, a quarter of the exe).
std::wstring DecimalText(unsigned long long number);

} // namespace qennet::platform
