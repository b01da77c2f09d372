#pragma once
// Lays the main window's controls out for a density and a font.
#include "core/window_layout.h"

#include <windows.h>

#include <vector>

namespace qennet::ui {

// Where the controls are made: the table scaled to the density.
std::vector<Box> ScaledTable(int dpi);

// Each control grows where its text needs more than the table gives, the others move along (see
// core/window_layout.h), and the drop-down lists' closed fields are fitted. `placed` holds where
// the controls are; only those that must move are moved. Returns the client area they need.
SIZE LayOutControls(HWND window, HFONT font, int dpi, std::vector<Box>& placed);

// The client area LayOutControls would need at this density and font, with nothing moved.
SIZE ClientAreaFor(HWND window, HFONT font, int dpi);

} // namespace qennet::ui
