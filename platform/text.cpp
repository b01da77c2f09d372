#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty())
        return {};
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

} // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}

std::string WideToUtf8(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                        nullptr, nullptr);
    return utf8;
}

std::string AnsiToUtf8(std::string_view ansi) {
    return WideToUtf8(ToWide(CP_ACP, ansi));
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = Utf8ToWide(utf8);
    if (wide.empty())
        return std::string();
    // No best-fit mapping: "Ü" must not quietly become "U", nor an unknown character "?".
    BOOL lossy = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return std::nullopt;
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        ansi.data(), length, nullptr, &lossy);
    if (lossy || AnsiToUtf8(ansi) != utf8)
        return std::nullopt;
    return ansi;
}

std::wstring AnsiCharToWide(unsigned char c) {
    const char byte = static_cast<char>(c);
    return ToWide(CP_ACP, std::string_view(&byte, 1));
}

std::wstring DecimalText(unsigned long long number) {
    const std::string digits = std::to_string(number);
    return std::wstring(digits.begin(), digits.end());
}

} // namespace qennet::platform
