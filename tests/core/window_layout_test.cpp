#include "core/window_layout.h"

#include "core/form_design.h"

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>

namespace qennet {

bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
void PrintTo(const Box& box, std::ostream* out) {
    *out << "{" << box.left << ", " << box.top << ", " << box.width << ", " << box.height << "}";
}

namespace {

// The launcher's window as designed, its places named by what the cases below do with them: a
// list on the left; on the right labels reaching 3 pixels under the drop-down lists they name,
// with a small button beside each list; and two buttons at the bottom.
const std::vector<Box> kTable(std::begin(kFormDesign), std::end(kFormDesign));
const Extent kClient = kFormClient;
constexpr std::size_t At(FormPlace place) {
    return static_cast<std::size_t>(place);
}
enum : std::size_t {
    List = At(FormPlace::Games),
    Label = At(FormPlace::RendererLabel),
    Field = At(FormPlace::Renderer),
    Button = At(FormPlace::ConfigRenderer),
    Label2 = At(FormPlace::ControllerLabel),
    Field2 = At(FormPlace::Controller),
    Button2 = At(FormPlace::ConfigController),
    Play = At(FormPlace::Play),
    Quit = At(FormPlace::Quit),
    Count = kFormPlaceCount
};

std::vector<Extent> NoNeeds() {
    return std::vector<Extent>(Count);
}

TEST(ScaleToDpi, RoundsAsMulDivDoes) {
    EXPECT_EQ(ScaleToDpi(19, 96), 19);
    EXPECT_EQ(ScaleToDpi(19, 120), 24); // 23.75
    EXPECT_EQ(ScaleToDpi(17, 144), 26); // 25.5, half rounded up
    EXPECT_EQ(ScaleToDpi(441, 192), 882);
}

TEST(CentredStart, HalvesGoAwayFromZeroOnEveryMonitor) {
    struct Case {
        int from, to, length, start;
    } cases[] = {
        {0, 1040, 457, 292},      // 291.5
        {0, 1040, 458, 291},      // even room
        {-1280, 0, 457, -869},    // a monitor left of the primary: -868.5
        {-1280, -200, 100, -790}, // even room, negative
        {0, 300, 457, -79},       // bigger than the area: -78.5
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredStart(c.from, c.to, c.length), c.start) << c.from << ".." << c.to;
}

// The font that fits the screen is the largest: one a pixel larger does not fit.
TEST(LargestFitting, FindsTheLastValueThatFits) {
    const struct {
        int fitting, tooLarge, last;
    } cases[] = {{1, 40, 17}, {1, 40, 1}, {1, 40, 39}, {1, 2, 1}, {5, 6, 5}, {1, 1000, 500}};
    for (const auto& c : cases)
        EXPECT_EQ(LargestFitting(c.fitting, c.tooLarge, [&](int value) { return value <= c.last; }),
                  c.last)
            << c.fitting << ".." << c.tooLarge;
}

TEST(WindowLayout, WithoutNeedsEveryValueIsScaledOnItsOwn) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        const WindowLayout layout = LayOutWindow(kTable, kClient, dpi, NoNeeds());
        ASSERT_EQ(layout.controls.size(), kTable.size());
        for (size_t i = 0; i < kTable.size(); ++i) {
            const Box scaled = {ScaleToDpi(kTable[i].left, dpi), ScaleToDpi(kTable[i].top, dpi),
                                ScaleToDpi(kTable[i].width, dpi),
                                ScaleToDpi(kTable[i].height, dpi)};
            EXPECT_EQ(layout.controls[i], scaled) << "control " << i << " at " << dpi;
        }
        EXPECT_EQ(layout.client.width, ScaleToDpi(441, dpi));
        EXPECT_EQ(layout.client.height, ScaleToDpi(209, dpi));
    }
}

TEST(WindowLayout, NeedsWithinTheTableChangeNothing) {
    std::vector<Extent> needs = NoNeeds();
    needs[Label] = {137, 16}; // its text ends exactly where the field begins
    needs[Field] = {137, 21};
    needs[Button] = {17, 19};
    const WindowLayout layout = LayOutWindow(kTable, kClient, 96, needs);
    EXPECT_EQ(layout.controls, LayOutWindow(kTable, kClient, 96, NoNeeds()).controls);
    EXPECT_EQ(layout.client.height, 209);
}

TEST(WindowLayout, ATallerLabelPushesItsFieldRowAndEverythingBelow) {
    std::vector<Extent> needs = NoNeeds();
    needs[Label] = {0, 22}; // 6 more than the 16 pixels above the field
    const WindowLayout layout = LayOutWindow(kTable, kClient, 96, needs);
    EXPECT_EQ(layout.controls[Label], (Box{264, 16, 137, 22}));
    EXPECT_EQ(layout.controls[Field], (Box{264, 38, 137, 21})) << "starts below the label's text";
    EXPECT_EQ(layout.controls[Button], (Box{408, 38, 17, 19})) << "stays beside its field";
    EXPECT_EQ(layout.controls[Label2].top, 70);
    EXPECT_EQ(layout.controls[Play].top, 174);
    EXPECT_EQ(layout.controls[Quit].top, 174);
    EXPECT_EQ(layout.controls[List], (Box{16, 16, 233, 183}))
        << "beside the column, not in it, and ending with its bottom row";
    EXPECT_EQ(layout.client.height, 215);
    EXPECT_EQ(layout.client.width, 441);
}

TEST(WindowLayout, ATallerFieldMovesTheRowsBelowByItsGrowth) {
    std::vector<Extent> needs = NoNeeds();
    needs[Field] = {0, 30};
    const WindowLayout layout = LayOutWindow(kTable, kClient, 144, needs);
    const Box scaledField = {396, 48, 206, 32};
    EXPECT_EQ(layout.controls[Field], scaledField) << "already tall enough at 144 DPI";

    needs[Field] = {0, 40};
    const WindowLayout grown = LayOutWindow(kTable, kClient, 144, needs);
    EXPECT_EQ(grown.controls[Field].height, 40);
    EXPECT_EQ(grown.controls[Label2].top, ScaleToDpi(64, 144) + 8);
    EXPECT_EQ(grown.controls[Quit].top, ScaleToDpi(168, 144) + 8);
    EXPECT_EQ(grown.client.height, ScaleToDpi(209, 144) + 8);
}

TEST(WindowLayout, AWiderLabelPushesTheButtonsBesideItsRowsButNotTheRowBelow) {
    std::vector<Extent> needs = NoNeeds();
    needs[Label2] = {150, 0}; // 13 wider than the table
    const WindowLayout layout = LayOutWindow(kTable, kClient, 96, needs);
    EXPECT_EQ(layout.controls[Label2].width, 150);
    EXPECT_EQ(layout.controls[Button2].left, 421) << "the label reaches into its field's row";
    EXPECT_EQ(layout.controls[Button].left, 421) << "buttons that lined up still do";
    // No row of their own is shared with the label; Quit ends with the buttons above it, and
    // Play keeps its width.
    EXPECT_EQ(layout.controls[Play], (Box{264, 168, 79, 25}));
    EXPECT_EQ(layout.controls[Quit], (Box{359, 168, 79, 25})) << "the odd pixel in the gap";
    for (int inColumn : {Label, Field, Field2})
        EXPECT_EQ(layout.controls[inColumn].width, 150) << "ends with the label: " << inColumn;
    EXPECT_EQ(layout.client.width, 454);
}

// Buttons side by side keep one width, also when one caption needs more than the other.
TEST(WindowLayout, PlayAndQuitKeepOneWidth) {
    std::vector<Extent> needs = NoNeeds();
    needs[Play] = {120, 0};
    const WindowLayout layout = LayOutWindow(kTable, kClient, 96, needs);
    EXPECT_EQ(layout.controls[Play], (Box{264, 168, 120, 25}));
    EXPECT_EQ(layout.controls[Quit], (Box{399, 168, 120, 25}));
    EXPECT_EQ(layout.controls[Button].left + layout.controls[Button].width, 519)
        << "the buttons above still end with Quit";
    EXPECT_EQ(layout.client.width, 535);
}

TEST(WindowLayout, LargeNeedsEverywhereLeaveNoTwoControlsOverlapping) {
    std::vector<Extent> needs(Count, Extent{0, 40});
    needs[Label] = needs[Label2] = {200, 40};
    needs[List] = {0, 0};
    const WindowLayout layout = LayOutWindow(kTable, kClient, 120, needs);
    for (size_t a = 0; a < kTable.size(); ++a) {
        for (size_t b = a + 1; b < kTable.size(); ++b) {
            const Box& p = layout.controls[a];
            const Box& q = layout.controls[b];
            const bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left ||
                               p.top + p.height <= q.top || q.top + q.height <= p.top;
            EXPECT_TRUE(apart) << "controls " << a << " and " << b;
        }
        const Box& c = layout.controls[a];
        EXPECT_LE(c.left + c.width, layout.client.width) << "control " << a;
        EXPECT_LE(c.top + c.height, layout.client.height) << "control " << a;
        EXPECT_GE(c.height, needs[a].height);
        EXPECT_GE(c.width, needs[a].width);
    }
}

} // namespace
} // namespace qennet
