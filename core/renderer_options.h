#pragma once
// The renderer list: what each entry shows, what Play passes and what its "..." button does.
#include "types.h"

#include <optional>
#include <string>
#include <string_view>

namespace qennet {

constexpr int kRendererCount = 6;

enum class RendererSettings {
    None,   // nothing to configure
    Editor, // a text file opened in the editor
    Plugin  // the plug-in's own dialog, through its GPUconfigure export
};

struct RendererOption {
    std::string_view label;         // text shown in the list (see labelAnsiSuffix)
    unsigned char labelAnsiSuffix;  // 0, or one ANSI code-page character appended at fill time
    std::string_view commandOption; // piece of the emulator command line, with its leading blank
    RendererSettings settings;
    std::string_view settingsFile; // the editor's file, or the plug-in library to call
};

// The entry at a list position, or nullptr outside 0..5.
const RendererOption* RendererAt(ListPosition index);

// Whether the renderer's "..." button is enabled for the selected index; nullopt for an index
// outside 0..5, where the button keeps its state. Plug-in renderers test their library afresh.
std::optional<bool> RendererSettingsEnabled(ListPosition index, const FileExistsFn& exists);

} // namespace qennet
