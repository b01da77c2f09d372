#include "platform/text.h"

namespace qennet::platform {
namespace {

constexpr UINT kWesternCodePage = 1252;

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

std::string AnsiToUtf8(std::string_view ansi, const CodePage& codePage) {
    return WideToUtf8(ToWide(codePage.id, ansi));
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8, const CodePage& codePage) {
    const std::wstring wide = Utf8ToWide(utf8);
    if (wide.empty())
        return std::string();
    // No best-fit mapping: "Ü" must not quietly become "U", nor an unknown character "?". For
    // UTF-8 Windows refuses both the flag and the question (ERROR_INVALID_PARAMETER); nothing is
    // lost there anyway, and the comparison below checks it.
    const bool utf8CodePage = codePage.id == CP_UTF8;
    const DWORD flags = utf8CodePage ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* const askLossy = utf8CodePage ? nullptr : &lossy;
    const int length =
        codePage.wideToMultiByte(codePage.context, codePage.id, flags, wide.data(),
                                 static_cast<int>(wide.size()), nullptr, 0, nullptr, askLossy);
    if (length <= 0 || lossy)
        return std::nullopt;
    std::string ansi(static_cast<size_t>(length), '\0');
    if (codePage.wideToMultiByte(codePage.context, codePage.id, flags, wide.data(),
                                 static_cast<int>(wide.size()), ansi.data(), length, nullptr,
                                 askLossy) != length ||
        lossy || AnsiToUtf8(ansi, codePage) != utf8)
        return std::nullopt;
    return ansi;
}

std::wstring AnsiCharToWide(unsigned char c, const CodePage& codePage) {
    const char byte = static_cast<char>(c);
    const UINT page = codePage.id == CP_UTF8 && c >= 0x80 ? kWesternCodePage : codePage.id;
    return ToWide(page, std::string_view(&byte, 1));
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring DecimalText(unsigned long long number) {
    const std::string digits = std::to_string(number);
    return std::wstring(digits.begin(), digits.end());
}

} // namespace qennet::platform
