// The main window's geometry: what each text needs is measured here, where that puts every
// control is worked out by the core's window layout.
#include "ui/form_layout.h"

#include "ui/frmMain_layout.h"

#include "platform/screen.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

namespace qennet::ui {
namespace {

int ClosedHeight(HWND dropDown) {
    RECT closed{};
    GetWindowRect(dropDown, &closed);
    return closed.bottom - closed.top;
}

// What the needs are made of at one DPI and font.
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
Extent Need(HWND control, ControlKind kind, const platform::TextMeasure& measure,
            const TextRoom& room) {
    switch (kind) {
    case ControlKind::Label: {
        const SIZE text = measure.Extent(platform::WindowText(control));
        return {text.cx, text.cy};
    }
    case ControlKind::PushButton: {
        const SIZE text = measure.Extent(platform::WindowText(control));
        return {text.cx + room.edges, text.cy + room.edgesHigh};
    }
    case ControlKind::TextField: // any width: the field scrolls
    case ControlKind::List:      // at least one whole row
        return {0, room.textHeight + room.edgesHigh};
    case ControlKind::DropDown: {
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
        boxes.push_back(layout.design());
    return boxes;
}

WindowLayout Plan(HWND window, const platform::TextMeasure& measure, const TextRoom& room,
                  int dpi) {
    std::vector<Extent> needs;
    for (const ControlLayout& layout : kLayout)
        needs.push_back(Need(GetDlgItem(window, layout.id), layout.kind, measure, room));
    return LayOutWindow(TableBoxes(), kFormClient, dpi, needs);
}

// A window's height for its box: a drop-down list's is its closed field and the list that opens
// below it.
int WindowHeight(const ControlLayout& layout, const Box& box, int dpi) {
    if (layout.kind != ControlKind::DropDown)
        return box.height;
    return box.height + ScaleToDpi(kDropDownListHeight, dpi);
}

SIZE ClientAreaFor(HWND window, HFONT font, int dpi) {
    const platform::TextMeasure measure(font);
    const WindowLayout planned = Plan(window, measure, RoomFor(measure, dpi), dpi);
    return {planned.client.width, planned.client.height};
}

} // namespace

FormLayout::~FormLayout() {
    if (font_)
        DeleteObject(font_);
}

SIZE FormLayout::OpeningSize(DWORD style) {
    const int dpi = platform::SystemDpi();
    RECT frame{0, 0, ScaleToDpi(kFormClient.width, dpi), ScaleToDpi(kFormClient.height, dpi)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

bool FormLayout::CreateControls(HWND window) {
    window_ = window;
    dpi_ = platform::WindowDpi(window, calls_); // the DPI of the monitor it was made on
    placed_ = LayOutWindow(TableBoxes(), kFormClient, dpi_, {}).controls;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (size_t i = 0; i < std::size(kLayout); ++i) {
        const ControlLayout& layout = kLayout[i];
        const Box& box = placed_[i];
        if (!CreateWindowExW(
                layout.extendedStyle, WindowClassOf(layout.kind), layout.caption, layout.style,
                box.left, box.top, box.width, WindowHeight(layout, box, dpi_), window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr))
            return false;
    }
    UseFont(platform::CreateMessageFont(dpi_, calls_));
    return true;
}

void FormLayout::ShareFont(HWND window) {
    sharing_.push_back(window);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

void FormLayout::UseFont(HFONT font) {
    for (const ControlLayout& layout : kLayout)
        SendMessageW(GetDlgItem(window_, layout.id), WM_SETFONT, reinterpret_cast<WPARAM>(font),
                     TRUE);
    for (HWND window : sharing_)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_)
        DeleteObject(font_);
    font_ = font;
}

void FormLayout::LayOut(int dpi, const RECT* suggested) {
    if (dpi <= 0)
        return;
    if (dpi != dpi_) {
        dpi_ = dpi;
        UseFont(platform::CreateMessageFont(dpi, calls_));
    }
    int textHeight = 0;
    WindowLayout planned = PlanWithFontThatFits(textHeight);
    placed_.resize(planned.controls.size());
    for (size_t i = 0; i < planned.controls.size(); ++i) {
        const ControlLayout& layout = kLayout[i];
        HWND control = GetDlgItem(window_, layout.id);
        const Box& box = planned.controls[i];
        const Box& was = placed_[i];
        if (box.left != was.left || box.top != was.top || box.width != was.width ||
            box.height != was.height) {
            SetWindowPos(control, nullptr, box.left, box.top, box.width,
                         WindowHeight(layout, box, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
            placed_[i] = box;
        }
        if (layout.kind == ControlKind::DropDown)
            FitDropDown(control, box.height, textHeight);
    }

    const SIZE client{planned.client.width, planned.client.height};
    if (IsIconic(window_)) {
        // A minimised window is restored to its normal placement, not to what SetWindowPos
        // sets: that is where the new size goes (a monitor's scale changed while it was on the
        // task bar).
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        if (GetWindowPlacement(window_, &placement)) {
            const SIZE outer = platform::OuterSizeForClientAt(window_, client, dpi_);
            placement.rcNormalPosition.right = placement.rcNormalPosition.left + outer.cx;
            placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + outer.cy;
            SetWindowPlacement(window_, &placement);
        }
        return;
    }
    const SIZE outer = platform::OuterSizeForClient(window_, client);
    const RECT now = platform::OuterRect(window_);
    if (!suggested && outer.cx == now.right - now.left && outer.cy == now.bottom - now.top)
        return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!suggested)
        flags |= SWP_NOMOVE;
    SetWindowPos(window_, nullptr, suggested ? suggested->left : 0, suggested ? suggested->top : 0,
                 outer.cx, outer.cy, flags);
}

WindowLayout FormLayout::PlanWithFontThatFits(int& textHeight) {
    const auto planWith = [&](HFONT font) {
        const platform::TextMeasure measure(font);
        const TextRoom room = RoomFor(measure, dpi_);
        textHeight = room.textHeight;
        return Plan(window_, measure, room, dpi_);
    };
    WindowLayout planned = planWith(font_);
    // The table's own size is the window's design at this DPI: only a font that made it grow can
    // have made it too large (and only then is the monitor asked).
    if (planned.client.width <= ScaleToDpi(kFormClient.width, dpi_) &&
        planned.client.height <= ScaleToDpi(kFormClient.height, dpi_))
        return planned;
    const RECT work = platform::WorkAreaOf(window_);
    const auto fits = [&](const WindowLayout& trial) {
        const SIZE outer = platform::OuterSizeForClientAt(
            window_, {trial.client.width, trial.client.height}, dpi_, calls_);
        return outer.cx <= work.right - work.left && outer.cy <= work.bottom - work.top;
    };
    LOGFONTW font{};
    if (fits(planned) || !GetObjectW(font_, sizeof font, &font))
        return planned;
    // The largest height that fits, between the smallest and the one now.
    const int sign = font.lfHeight < 0 ? -1 : 1;
    font.lfHeight = sign * LargestFitting(1, std::abs(font.lfHeight), [&](int height) {
                        LOGFONTW trying = font;
                        trying.lfHeight = sign * height;
                        HFONT trial = CreateFontIndirectW(&trying);
                        const bool fit = trial && fits(planWith(trial));
                        if (trial)
                            DeleteObject(trial);
                        return fit;
                    });
    if (HFONT smaller = CreateFontIndirectW(&font))
        UseFont(smaller);
    return planWith(font_);
}

void FormLayout::FontChanged() {
    const RECT before = platform::OuterRect(window_);
    UseFont(platform::CreateMessageFont(dpi_, calls_));
    LayOut(dpi_);
    const RECT after = platform::OuterRect(window_);
    SetWindowPos(window_, nullptr,
                 CentredStart(before.left, before.right, after.right - after.left),
                 CentredStart(before.top, before.bottom, after.bottom - after.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE FormLayout::OuterSizeAt(int dpi) const {
    HFONT font = platform::CreateMessageFont(dpi, calls_);
    const SIZE client = ClientAreaFor(window_, font, dpi);
    DeleteObject(font);
    return platform::OuterSizeForClientAt(window_, client, dpi);
}

BOOL FormLayout::ScaledSizeAt(int dpi, SIZE* size) const {
    if (placed_.empty() || dpi <= 0)
        return FALSE;
    *size = OuterSizeAt(dpi);
    return TRUE;
}

void FormLayout::DpiChanged(int dpi, const RECT* suggested) {
    if (!placed_.empty())
        LayOut(dpi, suggested);
}

void FormLayout::SettingChanged(WPARAM setting) {
    if (!placed_.empty() && setting == SPI_SETNONCLIENTMETRICS)
        FontChanged();
}

void FormLayout::Centre() const {
    // The monitor it was made on (where Windows puts a new window: the one the launcher was
    // started from), not always the primary one: a move there would change its DPI mid-start.
    const RECT work = platform::WorkAreaOf(window_);
    const RECT window = platform::OuterRect(window_);
    SetWindowPos(window_, nullptr, CentredStart(work.left, work.right, window.right - window.left),
                 CentredStart(work.top, work.bottom, window.bottom - window.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace qennet::ui
