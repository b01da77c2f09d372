#pragma once
// Conversions at the Win32 edge: UTF-8 inside the program, UTF-16 for the W APIs, and the ANSI
// code page only where a file format demands it.
#include <optional>
#include <string>
#include <string_view>

namespace qennet::platform {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Text in the ANSI code page (8-bit) to UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 to the ANSI code page; nullopt when a character has no exact ANSI form.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

// One character of the ANSI code page, as the window shows it.
std::wstring AnsiCharToWide(unsigned char c);

// A number in decimal digits, for messages (std::to_wstring would bring in the wide printf
// family, a quarter of the exe).
std::wstring DecimalText(unsigned long long number);

} // namespace qennet::platform
