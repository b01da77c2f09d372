#include "window_layout.h"

#include <algorithm>
#include <cstdint>

namespace qennet {
namespace {

// One axis of a control in the table: where it starts and how long it is there.
struct Span {
    int start, length;
    int end() const { return start + length; }
};

bool Overlap(const Span& a, const Span& b) {
    return a.start < b.end() && b.start < a.end();
}

// The positions and lengths of every control along one axis. A control starts no earlier than
// its scaled table position, nor earlier than each control before it on this axis that shares
// some of the other axis with it allows: past that control's (grown) end by the scaled table gap
// between them, and never over that control's own need.
struct Axis {
    std::vector<int> start, length;
    int client = 0;
};

Axis LayOutAxis(const std::vector<Span>& along, const std::vector<Span>& across, int client96,
                int dpi, const std::vector<int>& need) {
    const size_t count = along.size();
    std::vector<int> scaledStart(count), scaledLength(count);
    Axis axis;
    axis.start.resize(count);
    axis.length.resize(count);
    for (size_t i = 0; i < count; ++i) {
        scaledStart[i] = ScaleToDpi(along[i].start, dpi);
        scaledLength[i] = ScaleToDpi(along[i].length, dpi);
        axis.length[i] = std::max(scaledLength[i], need[i]);
    }
    std::vector<size_t> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return along[a].start < along[b].start; });

    // Controls are placed in groups that start on the same table line; everything a group
    // depends on starts on an earlier line, so it is placed already.
    const auto placeStarts = [&] {
        for (size_t first = 0; first < count;) {
            size_t last = first;
            while (last < count && along[order[last]].start == along[order[first]].start)
                ++last;
            int groupStart = 0;
            for (size_t k = first; k < last; ++k) {
                const size_t c = order[k];
                int start = scaledStart[c];
                for (size_t a = 0; a < count; ++a) {
                    if (along[a].start >= along[c].start || !Overlap(across[a], across[c]))
                        continue;
                    const int gap = scaledStart[c] - (scaledStart[a] + scaledLength[a]);
                    start =
                        std::max(start, axis.start[a] + std::max(axis.length[a] + gap, need[a]));
                }
                groupStart = k == first ? start : std::max(groupStart, start);
            }
            for (size_t k = first; k < last; ++k)
                axis.start[order[k]] = groupStart;
            first = last;
        }
    };
    // Controls that end on the same table line keep ending on one line once one of them moved or
    // grew: the others grow to it (a column stays straight). Growing can move what comes after,
    // so the starts are placed again until nothing changes.
    const auto alignEnds = [&] {
        bool grown = false;
        for (size_t c = 0; c < count; ++c) {
            int end = axis.start[c] + axis.length[c];
            bool changed = false;
            for (size_t a = 0; a < count; ++a) {
                if (along[a].end() != along[c].end())
                    continue;
                changed =
                    changed || axis.start[a] != scaledStart[a] || axis.length[a] != scaledLength[a];
                end = std::max(end, axis.start[a] + axis.length[a]);
            }
            if (changed && axis.start[c] + axis.length[c] < end) {
                axis.length[c] = end - axis.start[c];
                grown = true;
            }
        }
        return grown;
    };
    placeStarts();
    for (size_t round = 0; round < count && alignEnds(); ++round)
        placeStarts();

    // Each control keeps at least its scaled distance to the far edge of the client area.
    const int scaledClient = ScaleToDpi(client96, dpi);
    axis.client = scaledClient;
    for (size_t i = 0; i < count; ++i) {
        const int margin = scaledClient - (scaledStart[i] + scaledLength[i]);
        axis.client = std::max(axis.client, axis.start[i] + axis.length[i] + margin);
    }
    return axis;
}

// Controls of one size side by side in a row of the table (Play and Quit), each row's in the order
// of the row.
std::vector<std::vector<size_t>> RowsOfLikeControls(const std::vector<Span>& along,
                                                    const std::vector<Span>& across) {
    const size_t count = along.size();
    std::vector<std::vector<size_t>> rows;
    std::vector<bool> inRow(count, false);
    for (size_t first = 0; first < count; ++first) {
        if (inRow[first])
            continue;
        std::vector<size_t> row;
        for (size_t c = first; c < count; ++c) {
            if (across[c].start == across[first].start &&
                across[c].length == across[first].length &&
                along[c].length == along[first].length) {
                row.push_back(c);
                inRow[c] = true;
            }
        }
        std::stable_sort(row.begin(), row.end(),
                         [&](size_t a, size_t b) { return along[a].start < along[b].start; });
        if (row.size() > 1)
            rows.push_back(row);
    }
    return rows;
}

// Such a row keeps one width: each needs what the widest of them needs (see LayOutWindow), and
// once one has grown to line up with the controls above it, they share the row from the first
// one's start to the last one's end, the gaps between them kept. Each was at least its need wide,
// so each still is.
void EvenOutRow(const std::vector<size_t>& row, const std::vector<Span>& along, int dpi,
                Axis& axis) {
    const auto gapBefore = [&](size_t k) {
        return ScaleToDpi(along[row[k]].start, dpi) - ScaleToDpi(along[row[k - 1]].end(), dpi);
    };
    bool even = true;
    int gaps = 0;
    for (size_t k = 1; k < row.size(); ++k) {
        even = even && axis.length[row[k]] == axis.length[row[0]];
        gaps += gapBefore(k);
    }
    if (even)
        return;
    const size_t last = row.back();
    const int room = axis.start[last] + axis.length[last] - axis.start[row[0]] - gaps;
    const int width = room / static_cast<int>(row.size());
    int spare = room - width * static_cast<int>(row.size()); // to the first gap: the ends stay
    int start = axis.start[row[0]];
    for (size_t k = 0; k < row.size(); ++k) {
        if (k > 0) {
            start += gapBefore(k) + spare;
            spare = 0;
        }
        axis.start[row[k]] = start;
        axis.length[row[k]] = width;
        start += width;
    }
}

} // namespace

int ScaleToDpi(int pixelsAt96, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(pixelsAt96) * dpi;
    const std::int64_t half = product >= 0 ? 48 : -48;
    return static_cast<int>((product + half) / 96);
}

int CentredStart(int from, int to, int length) {
    const std::int64_t twice = static_cast<std::int64_t>(from) + to - length;
    return static_cast<int>(twice >= 0 ? (twice + 1) / 2 : -((1 - twice) / 2));
}

int LargestFitting(int fitting, int tooLarge, const std::function<bool(int)>& fits) {
    while (tooLarge - fitting > 1) {
        const int middle = fitting + (tooLarge - fitting) / 2;
        (fits(middle) ? fitting : tooLarge) = middle;
    }
    return fitting;
}

WindowLayout LayOutWindow(const std::vector<Box>& table, Extent client, int dpi,
                          const std::vector<Extent>& needs) {
    const size_t count = table.size();
    std::vector<Span> horizontal(count), vertical(count);
    std::vector<int> needWidth(count, 0), needHeight(count, 0);
    for (size_t i = 0; i < count; ++i) {
        horizontal[i] = {table[i].left, table[i].width};
        vertical[i] = {table[i].top, table[i].height};
        if (i < needs.size()) {
            needWidth[i] = needs[i].width;
            needHeight[i] = needs[i].height;
        }
    }
    const std::vector<std::vector<size_t>> rows = RowsOfLikeControls(horizontal, vertical);
    for (const std::vector<size_t>& row : rows) {
        int widest = 0;
        for (size_t c : row)
            widest = std::max(widest, needWidth[c]);
        for (size_t c : row)
            needWidth[c] = widest;
    }
    Axis x = LayOutAxis(horizontal, vertical, client.width, dpi, needWidth);
    for (const std::vector<size_t>& row : rows)
        EvenOutRow(row, horizontal, dpi, x);
    const Axis y = LayOutAxis(vertical, horizontal, client.height, dpi, needHeight);

    WindowLayout layout;
    layout.controls.resize(count);
    for (size_t i = 0; i < count; ++i)
        layout.controls[i] = {x.start[i], y.start[i], x.length[i], y.length[i]};
    layout.client = {x.client, y.client};
    return layout;
}

} // namespace qennet
