// Paths in the long form every file call takes.
#include "platform/paths.h"

#include <gtest/gtest.h>

namespace {

using namespace qennet::platform;

TEST(Paths, LocalAndSharedPathsInTheLongFormAndOthersAsTheyAre) {
    const struct {
        const wchar_t *full, *longForm;
    } cases[] = {
        {L"C:\\Roms", L"\\\\?\\C:\\Roms"},
        {L"\\\\server\\share\\Roms", L"\\\\?\\UNC\\server\\share\\Roms"},
        {L"\\\\?\\C:\\Roms", L"\\\\?\\C:\\Roms"},
        {L"\\\\?\\UNC\\server\\share\\Roms", L"\\\\?\\UNC\\server\\share\\Roms"},
        {L"\\\\.\\COM1", L"\\\\.\\COM1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LongPathForm(c.full), c.longForm);
}

} // namespace
