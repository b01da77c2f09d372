// What the platform reports, in one type: a Win32 code or an HRESULT kept apart, an HRESULT that
// wraps a Win32 code taken as that code, and each shown as Windows shows it where the system has
// no words for it.
#include "platform/system_error.h"
#include "tests/support/system_error_print.h"

#include <gtest/gtest.h>

namespace {

using qennet::platform::SystemError;

TEST(SystemError, Win32CodesAndHResultsKeptApartAndShownAsWindowsShowsThem) {
    const struct {
        SystemError error;
        bool failed;
        std::wstring text;
    } cases[] = {
        {SystemError(), false, L""},
        {SystemError::FromHResult(S_FALSE), false, L""},
        {SystemError::Win32(0x20000001), true, L"Error 536870913."},
        {SystemError::FromHResult(static_cast<HRESULT>(0xA0001234)), true, L"Error 0xA0001234."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<bool>(c.error), c.failed);
        EXPECT_EQ(c.error.Text(), c.text);
    }
    EXPECT_EQ(SystemError::FromHResult(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)),
              SystemError::Win32(ERROR_ACCESS_DENIED));
    EXPECT_NE(SystemError::FromHResult(E_FAIL), SystemError::Win32(static_cast<DWORD>(E_FAIL)));
    EXPECT_EQ(SystemError::FromHResult(E_FAIL).AsHResult(), E_FAIL);
    SetLastError(0);
    EXPECT_EQ(SystemError::LastOr(ERROR_NOT_FOUND), SystemError::Win32(ERROR_NOT_FOUND));
}

} // namespace
