#include "core/message_inserts.h"

#include <gtest/gtest.h>

namespace qennet {
namespace {

TEST(FillFirstInsert, PutsTheNameInPlaceOfPercentOne) {
    EXPECT_EQ(FillFirstInsert("Bad EXE format for %1.", "Vresk.exe"),
              "Bad EXE format for Vresk.exe.");
    EXPECT_EQ(FillFirstInsert("%1 is not a valid Win32 application.", "Vresk.exe"),
              "Vresk.exe is not a valid Win32 application.");
    EXPECT_EQ(FillFirstInsert("%1!s! and %1", "a"), "a and a");
}

TEST(FillFirstInsert, LeavesOtherInsertsAndPlainTextAlone) {
    EXPECT_EQ(FillFirstInsert("File not found.", "Vresk.exe"), "File not found.");
    EXPECT_EQ(FillFirstInsert("%2 of %12 at 100%% %", "x"), "%2 of %12 at 100% %");
    EXPECT_EQ(FillFirstInsert("%1!unclosed", "x"), "x!unclosed");
    EXPECT_EQ(FillFirstInsert("", "x"), "");
}

} // namespace
} // namespace qennet
