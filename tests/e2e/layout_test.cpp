// Control rectangles, the fit of their texts, and the window's place on the screen, at 96, 120, 144
// and 192 dots per inch; the window moved to a monitor of another density; a large message font.
#include "support.h"

#include "ui/frmMain_layout.h"

#include <iterator>
#include <memory>
#include <vector>

using namespace e2e;

namespace {

using qennet::ui::ControlLayout;
using qennet::ui::kLayout;

int Scale(int value, int dpi) {
    return MulDiv(value, dpi, 96);
}

// Measures texts in the system's message font as it is at the given density (this driver started
// at another one, so the font is scaled from its own), or in the given font at 96 DPI scaled so.
class TextMeasure {
  public:
    explicit TextMeasure(int dpi, const LOGFONTW* fontAt96 = nullptr) {
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
        HDC screen = GetDC(nullptr);
        driverDpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        LOGFONTW font = fontAt96 ? *fontAt96 : metrics.lfMessageFont;
        font.lfHeight = MulDiv(font.lfHeight, dpi, fontAt96 ? 96 : driverDpi_);
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
// drop-down lists their longest entry beside the arrow, and the rows of every list a text's height.
void ExpectTextsFit(const Launcher& app, int dpi, const LOGFONTW* fontAt96 = nullptr) {
    const TextMeasure measure(dpi, fontAt96);
    for (int id : {IDC_RENDERER_LABEL, IDC_CONTROLLER_LABEL, IDC_ROMS_LABEL}) {
        const SIZE text = measure.Extent(app.Text(id));
        const RECT box = app.ControlRect(id);
        EXPECT_LE(text.cx, Width(box)) << WideToUtf8(app.Text(id)) << " at " << dpi;
        EXPECT_LE(text.cy, Height(box)) << WideToUtf8(app.Text(id)) << " at " << dpi;
    }
    const int buttonMargin = 2 * measure.Metric(SM_CXEDGE, dpi);
    for (int id :
         {IDC_CONFIG_RENDERER, IDC_CONFIG_CONTROLLER, IDC_CONFIG_ROMS, IDC_PLAY, IDC_QUIT}) {
        const SIZE text = measure.Extent(app.Text(id));
        const RECT box = app.ControlRect(id);
        EXPECT_LE(text.cx + buttonMargin, Width(box)) << WideToUtf8(app.Text(id)) << " at " << dpi;
        EXPECT_LE(text.cy, Height(box)) << WideToUtf8(app.Text(id)) << " at " << dpi;
    }
    const int arrow = measure.Metric(SM_CXVSCROLL, dpi);
    const int border = 2 * measure.Metric(SM_CXEDGE, dpi);
    for (int id : {IDC_RENDERER, IDC_CONTROLLER}) {
        const RECT box = app.ControlRect(id);
        for (const std::wstring& item : app.ComboItems(id)) {
            const SIZE text = measure.Extent(item);
            EXPECT_LE(text.cx, Width(box) - arrow - border) << WideToUtf8(item) << " at " << dpi;
            EXPECT_LE(text.cy, Height(box) - border) << WideToUtf8(item) << " at " << dpi;
        }
        const int rowHeight = measure.Extent(L"Default").cy;
        HWND list = app.Control(id);
        EXPECT_GE(SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), rowHeight)
            << "closed field of " << id << " at " << dpi;
        EXPECT_GE(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0), rowHeight)
            << "rows of " << id << " at " << dpi;
    }
    const SIZE title = measure.Extent(app.GameTitle(0));
    const LRESULT rowHeight = SendMessageW(app.Control(IDC_GAMES), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(rowHeight, title.cy) << "game list rows at " << dpi;
    const SIZE roms = measure.Extent(app.Text(IDC_ROMS));
    EXPECT_LE(roms.cy, Height(app.ControlRect(IDC_ROMS)) - border) << "ROM folder field at " << dpi;
}

void ExpectLayoutAt(int dpi) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);

    RECT client = {};
    ASSERT_TRUE(GetClientRect(app.Window(), &client));
    EXPECT_EQ(client.right - client.left, Scale(qennet::kFormClient.width, dpi));
    EXPECT_EQ(client.bottom - client.top, Scale(qennet::kFormClient.height, dpi));

    for (const ControlLayout& control : kLayout) {
        const qennet::Box& at96 = control.design();
        const Box expected = {Scale(at96.left, dpi), Scale(at96.top, dpi), Scale(at96.width, dpi),
                              Scale(at96.height, dpi)};
        EXPECT_EQ(ToBox(app.ControlRect(control.id)), expected) << "control " << control.id;
    }

    RECT workArea = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    ExpectCentredIn(app.Window(), workArea);

    ExpectTextsFit(app, dpi);
}

// No two controls share a pixel, and each lies inside the client area.
void ExpectNoOverlaps(const Launcher& app) {
    RECT client = {};
    ASSERT_TRUE(GetClientRect(app.Window(), &client));
    for (size_t a = 0; a < std::size(kLayout); ++a) {
        const RECT first = app.ControlRect(kLayout[a].id);
        EXPECT_TRUE(first.left >= 0 && first.top >= 0 && first.right <= client.right &&
                    first.bottom <= client.bottom)
            << "control " << kLayout[a].id << " " << ::testing::PrintToString(ToBox(first))
            << " is not inside the client area " << ::testing::PrintToString(ToBox(client));
        for (size_t b = a + 1; b < std::size(kLayout); ++b) {
            const RECT second = app.ControlRect(kLayout[b].id);
            RECT common = {};
            EXPECT_FALSE(IntersectRect(&common, &first, &second))
                << "controls " << kLayout[a].id << " " << ::testing::PrintToString(ToBox(first))
                << " and " << kLayout[b].id << " " << ::testing::PrintToString(ToBox(second));
        }
    }
}

// What the launcher's window shows that depends on the density and the font.
struct Geometry {
    std::vector<Box> controls; // in the order of kLayout
    Box client;
    LRESULT gameRow;
    LRESULT closedField[2], listRow[2]; // renderer and scope lists
};

Geometry GeometryOf(const Launcher& app) {
    Geometry geometry = {};
    for (const ControlLayout& control : kLayout) {
        geometry.controls.push_back(ToBox(app.ControlRect(control.id)));
    }
    RECT client = {};
    GetClientRect(app.Window(), &client);
    geometry.client = ToBox(client);
    geometry.gameRow = SendMessageW(app.Control(IDC_GAMES), LB_GETITEMHEIGHT, 0, 0);
    const int lists[] = {IDC_RENDERER, IDC_CONTROLLER};
    for (int i = 0; i < 2; ++i) {
        HWND list = app.Control(lists[i]);
        geometry.closedField[i] = SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        geometry.listRow[i] = SendMessageW(list, CB_GETITEMHEIGHT, 0, 0);
    }
    return geometry;
}

// Much larger than any standard message font: the labels, fields and drop-down lists need more
// room than the table gives, and the longer captions more width.
LOGFONTW LargeFont() {
    LOGFONTW font = {};
    font.lfHeight = -20;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy(font.lfFaceName, L"Tahoma");
    return font;
}

// A launcher started at one density and then moved to a monitor of another is laid out exactly as
// one started at the other, and goes where the system suggests.
void ExpectDpiChangeLikeFreshStart(int from, int to, const LOGFONTW* fontAt96 = nullptr) {
    std::unique_ptr<MessageFont> font;
    if (fontAt96) {
        font = std::make_unique<MessageFont>(*fontAt96);
    }
    Geometry fresh;
    RECT freshFrame = {};
    {
        SystemDpi dpi(to);
        EmulatorFolder folder(EmulatorFolder::Standard, L"fresh");
        ASSERT_LAUNCHED(app, folder);
        fresh = GeometryOf(app);
        ASSERT_TRUE(GetWindowRect(app.Window(), &freshFrame));
        CloseAndWait(app);
    }

    SystemDpi dpi(from);
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    // Asked first, it names the size a fresh start there has, so that is what the system suggests.
    const SIZE scaled = app.ScaledSizeAt(to);
    EXPECT_EQ(scaled.cx, Width(freshFrame)) << "outer width asked for at " << to;
    EXPECT_EQ(scaled.cy, Height(freshFrame)) << "outer height asked for at " << to;
    const RECT suggested = {40, 30, 40 + Width(freshFrame), 30 + Height(freshFrame)};
    app.ChangeDpi(to, suggested);

    const Geometry moved = GeometryOf(app);
    for (size_t i = 0; i < std::size(kLayout); ++i) {
        EXPECT_EQ(moved.controls[i], fresh.controls[i]) << "control " << kLayout[i].id;
    }
    EXPECT_EQ(moved.client, fresh.client) << "client area";
    EXPECT_EQ(moved.gameRow, fresh.gameRow) << "game list rows";
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(moved.closedField[i], fresh.closedField[i]) << "closed field of list " << i;
        EXPECT_EQ(moved.listRow[i], fresh.listRow[i]) << "rows of list " << i;
    }
    RECT frame = {};
    ASSERT_TRUE(GetWindowRect(app.Window(), &frame));
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
    ExpectTextsFit(app, to, fontAt96);
    CloseAndWait(app);
}

// A monitor's scale changed while the launcher is on the task bar: restored, it is the size of a
// fresh start at the new DPI, with nothing cut off.
TEST(Layout, DpiChangeWhileMinimisedRestoresAtTheNewSize) {
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    const SIZE fresh = app.ScaledSizeAt(144);
    SendMessageW(app.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(IsIconic(app.Window()));
    app.ChangeDpi(144, RECT{40, 30, 40 + fresh.cx, 30 + fresh.cy});
    SendMessageW(app.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(app.Flush());
    RECT frame = {};
    ASSERT_TRUE(GetWindowRect(app.Window(), &frame));
    EXPECT_EQ(Width(frame), fresh.cx);
    EXPECT_EQ(Height(frame), fresh.cy);
}

void ExpectLargeFontWholeAt(int dpi) {
    const LOGFONTW large = LargeFont();
    SystemDpi density(dpi);
    MessageFont font(large);
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    RECT client = {};
    ASSERT_TRUE(GetClientRect(app.Window(), &client));
    EXPECT_GT(client.bottom, Scale(209, dpi)) << "the window grew with its controls";
    ExpectTextsFit(app, dpi, &large);
    ExpectNoOverlaps(app);
    EXPECT_EQ(Width(app.ControlRect(IDC_PLAY)), Width(app.ControlRect(IDC_QUIT)));
    RECT workArea = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    ExpectCentredIn(app.Window(), workArea);
    CloseAndWait(app);
}

// A message font so large that the layout would not fit the screen: the window is made with the
// largest font that fits, whole and inside the work area.
TEST(Layout, MessageFontTooLargeForTheScreenIsMadeToFit) {
    LOGFONTW huge = LargeFont();
    huge.lfHeight = -80;
    SystemDpi density(96);
    MessageFont font(huge);
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    RECT frame = {}, workArea = {};
    ASSERT_TRUE(GetWindowRect(app.Window(), &frame));
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    EXPECT_TRUE(frame.left >= workArea.left && frame.top >= workArea.top &&
                frame.right <= workArea.right && frame.bottom <= workArea.bottom)
        << ::testing::PrintToString(ToBox(frame)) << " is not inside the work area "
        << ::testing::PrintToString(ToBox(workArea));
    EXPECT_GT(Height(app.ControlRect(IDC_PLAY)), 3 * Scale(25, 96)) << "still a large font";
    ExpectNoOverlaps(app);
    EXPECT_EQ(Width(app.ControlRect(IDC_PLAY)), Width(app.ControlRect(IDC_QUIT)));
    CloseAndWait(app);
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

TEST(Layout, MovedFrom96To144DpiAsIfStartedThere) {
    ExpectDpiChangeLikeFreshStart(96, 144);
}

TEST(Layout, MovedFrom144To96DpiAsIfStartedThere) {
    ExpectDpiChangeLikeFreshStart(144, 96);
}

TEST(Layout, MovedFrom96To192DpiAsIfStartedThere) {
    ExpectDpiChangeLikeFreshStart(96, 192);
}

TEST(Layout, MovedFrom96To144DpiWithALargeMessageFont) {
    const LOGFONTW large = LargeFont();
    ExpectDpiChangeLikeFreshStart(96, 144, &large);
}

TEST(Layout, LargeMessageFontWholeAt96Dpi) {
    ExpectLargeFontWholeAt(96);
}

TEST(Layout, LargeMessageFontWholeAt144Dpi) {
    ExpectLargeFontWholeAt(144);
}
