// Lays the main window's controls out for a density and a font: what each text needs is measured
// here, where that puts every control is worked out by the core's window layout.
#include "ui/layout_controls.h"

#include "ui/frmMain_layout.h"

#include "platform/dpi.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace qennet::ui {
namespace {

enum class Kind { List, Label, DropDown, Button, TextField };

Kind KindOf(const ControlLayout& layout) {
    const std::wstring_view windowClass = layout.windowClass;
    if (windowClass == L"LISTBOX")
        return Kind::List;
    if (windowClass == L"STATIC")
        return Kind::Label;
    if (windowClass == L"COMBOBOX")
        return Kind::DropDown;
    if (windowClass == L"EDIT")
        return Kind::TextField;
    return Kind::Button;
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

int ClosedHeight(HWND dropDown) {
    RECT closed{};
    GetWindowRect(dropDown, &closed);
    return closed.bottom - closed.top;
}

// What the needs are made of at one density and font.
struct TextRoom {
    int textHeight; // the font's own height
    int edges;      // both 3-D edges across
    int edgesHigh;  // both 3-D edges down
    int arrow;      // a drop-down list's arrow button
};

TextRoom RoomFor(const platform::TextMeasure& measure, int dpi) {
    // The 3-D edges are 2 pixels at 96 DPI; some systems keep the metric at that but draw the
    // themed edges scaled, so the larger of the two is kept free.
    const int edge = std::max(platform::SystemMetricForDpi(SM_CXEDGE, dpi), ScaleToDpi(2, dpi));
    const int edgeHigh = std::max(platform::SystemMetricForDpi(SM_CYEDGE, dpi), ScaleToDpi(2, dpi));
    return {static_cast<int>(measure.Extent(L"").cy), 2 * edge, 2 * edgeHigh,
            platform::SystemMetricForDpi(SM_CXVSCROLL, dpi)};
}

// The least size at which the control shows its text whole.
Extent Need(HWND control, Kind kind, const platform::TextMeasure& measure, const TextRoom& room) {
    switch (kind) {
    case Kind::Label: {
        const SIZE text = measure.Extent(TextOf(control));
        return {text.cx, text.cy};
    }
    case Kind::Button: {
        const SIZE text = measure.Extent(TextOf(control));
        return {text.cx + room.edges, text.cy + room.edgesHigh};
    }
    case Kind::TextField: // any width: the field scrolls
    case Kind::List:      // at least one whole row
        return {0, room.textHeight + room.edgesHigh};
    case Kind::DropDown: {
        // The longest entry beside the arrow; the closed field as high as it is with an item
        // height of the font's own.
        int widest = 0;
        const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            const int length = static_cast<int>(SendMessageW(control, CB_GETLBTEXTLEN, index, 0));
            if (length <= 0)
                continue;
            std::wstring item(static_cast<size_t>(length) + 1, L'\0');
            const int copied = static_cast<int>(
                SendMessageW(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data())));
            item.resize(static_cast<size_t>(std::max(copied, 0)));
            widest = std::max(widest, static_cast<int>(measure.Extent(item).cx));
        }
        const int itemHeight = static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, -1, 0));
        const int frame = itemHeight > 0 ? ClosedHeight(control) - itemHeight : room.edgesHigh;
        return {widest + room.arrow + room.edges, frame + room.textHeight};
    }
    }
    return {};
}

// The closed field's height follows its item height; bring it to the wanted height without
// making the items lower than the font. The reported item height need not be the one set (some
// systems add a margin), so the field is measured again after each change.
void FitDropDown(HWND dropDown, int wanted, int textHeight) {
    int itemHeight = static_cast<int>(SendMessageW(dropDown, CB_GETITEMHEIGHT, -1, 0));
    for (int attempt = 0; attempt < 3 && itemHeight > 0; ++attempt) {
        const int actual = ClosedHeight(dropDown);
        if (actual == wanted)
            break;
        const int next = std::max(itemHeight + wanted - actual, textHeight);
        if (next == itemHeight)
            break;
        itemHeight = next;
        SendMessageW(dropDown, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    }
}

std::vector<Box> TableBoxes() {
    std::vector<Box> boxes;
    for (const ControlLayout& layout : kLayout)
        boxes.push_back({layout.left, layout.top, layout.width, layout.height});
    return boxes;
}

WindowLayout Plan(HWND window, const platform::TextMeasure& measure, const TextRoom& room,
                  int dpi) {
    std::vector<Extent> needs;
    for (const ControlLayout& layout : kLayout)
        needs.push_back(Need(GetDlgItem(window, layout.id), KindOf(layout), measure, room));
    return LayOutWindow(TableBoxes(), {kClientWidth, kClientHeight}, dpi, needs);
}

} // namespace

std::vector<Box> ScaledTable(int dpi) {
    return LayOutWindow(TableBoxes(), {kClientWidth, kClientHeight}, dpi, {}).controls;
}

SIZE ClientAreaFor(HWND window, HFONT font, int dpi) {
    const platform::TextMeasure measure(font);
    const WindowLayout planned = Plan(window, measure, RoomFor(measure, dpi), dpi);
    return {planned.client.width, planned.client.height};
}

SIZE LayOutControls(HWND window, HFONT font, int dpi, std::vector<Box>& placed) {
    const platform::TextMeasure measure(font);
    const TextRoom room = RoomFor(measure, dpi);
    const WindowLayout planned = Plan(window, measure, room, dpi);

    placed.resize(planned.controls.size());
    for (size_t i = 0; i < planned.controls.size(); ++i) {
        const ControlLayout& layout = kLayout[i];
        HWND control = GetDlgItem(window, layout.id);
        const Box& box = planned.controls[i];
        const bool dropDown = KindOf(layout) == Kind::DropDown;
        const Box& was = placed[i];
        if (box.left != was.left || box.top != was.top || box.width != was.width ||
            box.height != was.height) {
            // A drop-down list's height is its closed field and the list that opens below it.
            const int height =
                dropDown ? box.height + ScaleToDpi(kDropDownListHeight, dpi) : box.height;
            SetWindowPos(control, nullptr, box.left, box.top, box.width, height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            placed[i] = box;
        }
        if (dropDown)
            FitDropDown(control, box.height, room.textHeight);
    }
    return {planned.client.width, planned.client.height};
}

} // namespace qennet::ui
