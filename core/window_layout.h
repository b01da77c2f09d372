#pragma once
// The window's controls laid out from their table at 96 DPI for a screen of any DPI
// and a font of any size. Every position and size is scaled by dpi/96 on its own (so the table
// holds exactly where the font fits); a control whose text needs more grows just enough, and what
// lies after it in its row or column moves along, so nothing overlaps and the client area grows
// with it.
#include <functional>
#include <vector>

namespace qennet {

// A rectangle as left, top, width and height in pixels.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Extent {
    int width = 0, height = 0;
};

struct WindowLayout {
    std::vector<Box> controls; // in the order of the table
    Extent client;
};

// pixelsAt96 * dpi / 96, rounded to the nearest pixel (halves away from zero), as MulDiv does.
int ScaleToDpi(int pixelsAt96, int dpi);

// Where a length starts when centred between two edges (a window in a work area): half the room
// left over, halves rounded away from zero.
int CentredStart(int from, int to, int length);

// The largest value from `fitting` (taken to fit) up to `tooLarge` (taken not to) that fits, where
// every value up to some one fits and none beyond it: a font height, say, for a window that must
// fit the screen. Halves the range at each question.
int LargestFitting(int fitting, int tooLarge, const std::function<bool(int)>& fits);

// table: the controls at 96 DPI; client: the client area at 96 DPI; needs: for each control the
// least width and height its text takes at dpi (0 where it has no need). Controls whose table
// rectangles overlap (a label reaching under the field it names) may keep overlapping, but never
// over the text of the earlier one. Controls that start on the same line in the table keep
// starting on one line, and those that end on one line keep ending on one once any of them moved.
// Controls of one size side by side in a row (Play and Quit) keep one width.
WindowLayout LayOutWindow(const std::vector<Box>& table, Extent client, int dpi,
                          const std::vector<Extent>& needs);

} // namespace qennet
