#pragma once
// What the system reports when a call fails, in one type: a Win32 error code (GetLastError's, and
// the application-defined ones of the launcher's own, bit 29 set) or an HRESULT (COM's and the
// shell's), kept apart. An HRESULT that only wraps a Win32 code (HRESULT_FROM_WIN32) is that code.
#include <windows.h>

#include <string>

namespace qennet::platform {

class SystemError {
  public:
    // None: the call succeeded.
    constexpr SystemError() = default;
    static constexpr SystemError Win32(DWORD code) { return {Kind::Win32, code}; }
    static SystemError FromHResult(HRESULT result);
    // The thread's last error (GetLastError), or the fallback where the failed call left none.
    static SystemError LastOr(DWORD fallback);

    explicit constexpr operator bool() const { return kind_ != Kind::None && code_ != 0; }
    // The Win32 error of that code.
    constexpr bool Is(DWORD win32) const { return kind_ == Kind::Win32 && code_ == win32; }
    constexpr bool operator==(const SystemError& other) const {
        return (!*this && !other) || (kind_ == other.kind_ && code_ == other.code_);
    }
    constexpr bool operator!=(const SystemError& other) const { return !(*this == other); }

    // As an HRESULT (a Win32 code wrapped by HRESULT_FROM_WIN32; S_OK for none), for a COM
    // caller.
    HRESULT AsHResult() const;

    // The system's own words for it, without the trailing line break; where it has none, the
    // number as Windows shows it: "Error 1234." for a Win32 code, "Error 0x80040154." for an
    // HRESULT. Empty for none.
    std::wstring Text() const;
    // The number alone, as Text shows it where the system has no words.
    std::wstring Number() const;

  private:
    enum class Kind : unsigned char { None, Win32, HResult };
    constexpr SystemError(Kind kind, DWORD code) : kind_(kind), code_(code) {}
    Kind kind_ = Kind::None;
    DWORD code_ = 0;
};

} // namespace qennet::platform
