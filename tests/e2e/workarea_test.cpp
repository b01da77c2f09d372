// Centring in a work area that a task bar on the left or at the top makes smaller than the screen.
// The test runner announces the work area on the X root window before the run and tells the
// driver which rectangle to expect.
#include "support.h"

#include <cstdio>

using namespace e2e;

TEST(WorkArea, WindowCentredInTheAnnouncedWorkArea) {
    wchar_t value[64] = {};
    if (!GetEnvironmentVariableW(L"QENNET_E2E_WORKAREA", value, 64)) {
        GTEST_SKIP() << "runs only when the test runner has changed the work area";
    }
    RECT expected = {};
    ASSERT_EQ(swscanf(value, L"%ld,%ld,%ld,%ld", &expected.left, &expected.top, &expected.right,
                      &expected.bottom),
              4);

    RECT workArea = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    ASSERT_EQ(ToBox(workArea), ToBox(expected)) << "Wine did not take over the work area";

    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    ExpectCentredIn(app.Window(), expected);
}
