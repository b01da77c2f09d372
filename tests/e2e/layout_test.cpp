// Control rectangles, the fit of their texts, and the window's place on the screen, at 96, 120, 144
// and 192 dots per inch.
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

// Measures texts in the system's message font as it is at the given density (this driver started
// at another one, so the font is scaled from its own).
class TextMeasure {
  public:
    explicit TextMeasure(int dpi) {
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
        HDC screen = GetDC(nullptr);
        driverDpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        LOGFONTW font = metrics.lfMessageFont;
        font.lfHeight = MulDiv(font.lfHeight, dpi, driverDpi_);
        font_ = CreateFontIndirectW(&font);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, font_);
    }
    ~TextMeasure() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(font_);
    }
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    SIZE Extent(const std::wstring& text) const {
        SIZE size = {};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }
    // A system metric of this driver's density, at the given one.
    int Metric(int index, int dpi) const {
        return MulDiv(GetSystemMetrics(index), dpi, driverDpi_);
    }

  private:
    int driverDpi_ = 96;
    HFONT font_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

// Every caption and list text is shown whole: labels and buttons hold their captions, the
// drop-down lists their longest entry beside the arrow, and the game list's rows a title's height.
void ExpectTextsFit(const Launcher& app, int dpi) {
    const TextMeasure measure(dpi);
    for (int id : {IDC_RENDERER_LABEL, IDC_CONTROLLER_LABEL, IDC_ROMS_LABEL}) {
        const SIZE text = measure.Extent(app.Text(id));
        const RECT box = app.ControlRect(id);
        EXPECT_LE(text.cx, Width(box)) << Narrow(app.Text(id)) << " at " << dpi;
        EXPECT_LE(text.cy, Height(box)) << Narrow(app.Text(id)) << " at " << dpi;
    }
    const int buttonMargin = 2 * measure.Metric(SM_CXEDGE, dpi);
    for (int id :
         {IDC_CONFIG_RENDERER, IDC_CONFIG_CONTROLLER, IDC_CONFIG_ROMS, IDC_PLAY, IDC_QUIT}) {
        const SIZE text = measure.Extent(app.Text(id));
        const RECT box = app.ControlRect(id);
        EXPECT_LE(text.cx + buttonMargin, Width(box)) << Narrow(app.Text(id)) << " at " << dpi;
        EXPECT_LE(text.cy, Height(box)) << Narrow(app.Text(id)) << " at " << dpi;
    }
    const int arrow = measure.Metric(SM_CXVSCROLL, dpi);
    const int border = 2 * measure.Metric(SM_CXEDGE, dpi);
    for (int id : {IDC_RENDERER, IDC_CONTROLLER}) {
        const RECT box = app.ControlRect(id);
        for (const std::wstring& item : app.ComboItems(id)) {
            const SIZE text = measure.Extent(item);
            EXPECT_LE(text.cx, Width(box) - arrow - border) << Narrow(item) << " at " << dpi;
            EXPECT_LE(text.cy, Height(box) - border) << Narrow(item) << " at " << dpi;
        }
    }
    const SIZE title = measure.Extent(app.GameTitle(0));
    const LRESULT rowHeight = SendMessageW(app.Control(IDC_GAMES), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(rowHeight, title.cy) << "game list rows at " << dpi;
    const SIZE roms = measure.Extent(app.Text(IDC_ROMS));
    EXPECT_LE(roms.cy, Height(app.ControlRect(IDC_ROMS)) - border) << "ROM folder field at " << dpi;
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

    ExpectTextsFit(app, dpi);
}

} // namespace

TEST(Layout, ControlsAt96Dpi) {
    SystemDpi dpi(96);
    ExpectLayoutAt(96);
}

TEST(Layout, ControlsAt120Dpi) {
    SystemDpi dpi(120);
    ExpectLayoutAt(120);
}

TEST(Layout, ControlsAt144Dpi) {
    SystemDpi dpi(144);
    ExpectLayoutAt(144);
}

TEST(Layout, ControlsAt192Dpi) {
    SystemDpi dpi(192);
    ExpectLayoutAt(192);
}
