#pragma once
// The launcher window's design: its client area and where each of its controls is, in pixels at
// 96 DPI, in the window's z-order (each label right before the field it names, the fields in tab
// order). The layout (window_layout.h) scales it and grows it for a screen and a font; the window
// (ui/frmMain_layout.h) gives each place its control.
#include "core/window_layout.h"

#include <cstddef>

namespace qennet {

enum class FormPlace {
    Games,
    RendererLabel,
    Renderer,
    ConfigRenderer,
    ControllerLabel,
    Controller,
    ConfigController,
    RomsLabel,
    Roms,
    ConfigRoms,
    Play,
    Quit,
};

constexpr Extent kFormClient{441, 209};

// Each place's box, in the order of FormPlace.
constexpr Box kFormDesign[] = {
    {16, 16, 233, 177},  // the game list
    {264, 16, 137, 19},  // "Renderer"
    {264, 32, 137, 21},  // the renderer list
    {408, 32, 17, 19},   // its "..."
    {264, 64, 137, 19},  // "Controller Config File"
    {264, 80, 137, 21},  // the scope list
    {408, 80, 17, 19},   // its "..."
    {264, 112, 137, 19}, // "Roms Directory"
    {264, 128, 137, 19}, // the ROM folder field
    {408, 128, 17, 19},  // its "..."
    {264, 168, 73, 25},  // Play
    {352, 168, 73, 25},  // Quit
};
constexpr std::size_t kFormPlaceCount = sizeof kFormDesign / sizeof kFormDesign[0];

constexpr const Box& DesignOf(FormPlace place) {
    return kFormDesign[static_cast<std::size_t>(place)];
}

} // namespace qennet
