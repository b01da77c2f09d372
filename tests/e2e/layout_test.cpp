// Control rectangles and the window's place on the screen, at 96 and 144 dots per inch.
#include "support.h"

using namespace e2e;

namespace {

struct Placed {
    int id;
    const char* name;
    Box at96; // left, top, width, height in client pixels at 96 dots per inch
};

const Placed kLayout[] = {
    {IDC_GAMES, "game list", {16, 16, 233, 177}},
    {IDC_RENDERER_LABEL, "renderer label", {264, 16, 137, 19}},
    {IDC_RENDERER, "renderer list", {264, 32, 137, 21}},
    {IDC_CONFIG_RENDERER, "renderer ...", {408, 32, 17, 19}},
    {IDC_CONTROLLER_LABEL, "controller label", {264, 64, 137, 19}},
    {IDC_CONTROLLER, "scope list", {264, 80, 137, 21}},
    {IDC_CONFIG_CONTROLLER, "scope ...", {408, 80, 17, 19}},
    {IDC_ROMS_LABEL, "ROM folder label", {264, 112, 137, 19}},
    {IDC_ROMS, "ROM folder field", {264, 128, 137, 19}},
    {IDC_CONFIG_ROMS, "ROM folder ...", {408, 128, 17, 19}},
    {IDC_PLAY, "Play", {264, 168, 73, 25}},
    {IDC_QUIT, "Quit", {352, 168, 73, 25}},
};

int Scale(int value, int dpi) {
    return MulDiv(value, dpi, 96);
}

void ExpectLayoutAt(int dpi) {
    EmulatorFolder folder;
    Launcher app(folder);
    ASSERT_TRUE(app.Started());

    RECT client = {};
    ASSERT_TRUE(GetClientRect(app.Window(), &client));
    EXPECT_EQ(client.right - client.left, Scale(441, dpi)) << "client width";
    EXPECT_EQ(client.bottom - client.top, Scale(209, dpi)) << "client height";

    for (const Placed& control : kLayout) {
        const Box expected = {Scale(control.at96.left, dpi), Scale(control.at96.top, dpi),
                              Scale(control.at96.width, dpi), Scale(control.at96.height, dpi)};
        EXPECT_EQ(ToBox(app.ControlRect(control.id)), expected) << control.name;
    }

    RECT workArea = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    ExpectCentredIn(app.Window(), workArea);
}

} // namespace

TEST(Layout, ControlsAt96Dpi) {
    SystemDpi dpi(96);
    ExpectLayoutAt(96);
}

TEST(Layout, ControlsAt144Dpi) {
    SystemDpi dpi(144);
    ExpectLayoutAt(144);
}
