#include "platform/system_error.h"

#include "platform/text.h"

namespace qennet::platform {
namespace {

std::wstring Hexadecimal(DWORD value) {
    std::wstring digits(8, L'0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        digits[static_cast<size_t>(i)] = L"0123456789ABCDEF"[value & 0xF];
    return L"0x" + digits;
}

} // namespace

SystemError SystemError::FromHResult(HRESULT result) {
    if (SUCCEEDED(result))
        return {};
    if (HRESULT_FACILITY(result) == FACILITY_WIN32)
        return Win32(static_cast<DWORD>(HRESULT_CODE(result)));
    return {Kind::HResult, static_cast<DWORD>(result)};
}

SystemError SystemError::LastOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return Win32(error ? error : fallback);
}

HRESULT SystemError::AsHResult() const {
    if (!*this)
        return S_OK;
    return kind_ == Kind::HResult ? static_cast<HRESULT>(code_) : HRESULT_FROM_WIN32(code_);
}

std::wstring SystemError::Number() const {
    return kind_ == Kind::HResult ? Hexadecimal(code_) : DecimalText(code_);
}

std::wstring SystemError::Text() const {
    if (!*this)
        return {};
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code_, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (length > 0 && buffer) {
        text.assign(buffer, length);
        while (!text.empty() &&
               (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
            text.pop_back();
    }
    if (buffer)
        LocalFree(buffer);
    if (text.empty())
        text = L"Error " + Number() + L".";
    return text;
}

} // namespace qennet::platform
