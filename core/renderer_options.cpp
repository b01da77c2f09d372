// The six renderers, in list order. Only the D3D and OpenGL entries name a settings file on the
// emulator's command line; Glide's file is edited here but the emulator finds it by itself.
#include "renderer_options.h"

namespace qennet {
namespace {

// 179 is the superscript three of the ANSI code page; the list adds it when it is filled.
constexpr unsigned char kSuperscriptThree = 179;

constexpr RendererOption kRenderers[kRendererCount] = {
    {"Default", 0, "", RendererSettings::None, ""},
    {"Vuldra's 3dfx Glide", kSuperscriptThree, " --renderer=glide_renderer.vrk",
     RendererSettings::Editor, "glide_renderer.cfg"},
    {"Omrik Soft", 0, " --renderer=soft_renderer.vrk", RendererSettings::Plugin,
     "soft_renderer.vrk"},
    {"Velk's D3D", 0, " --renderer=d3d_renderer.vrk --use-renderer-cfg-file=d3d_renderer.cfg",
     RendererSettings::Editor, "d3d_renderer.cfg"},
    {"Velk's OpenGL", 0, " --renderer=ogl_renderer.vrk --use-renderer-cfg-file=ogl_renderer.cfg",
     RendererSettings::Editor, "ogl_renderer.cfg"},
    {"Velk's OpenGL2", 0, " --renderer=ogl2_renderer.vrk", RendererSettings::Plugin,
     "ogl2_renderer.vrk"},
};

} // namespace

const RendererOption* RendererAt(ListPosition index) {
    if (index < 0 || index >= kRendererCount) {
        return nullptr;
    }
    return &kRenderers[index];
}

std::optional<bool> RendererSettingsEnabled(ListPosition index, const FileExistsFn& exists) {
    const RendererOption* renderer = RendererAt(index);
    if (!renderer) {
        return std::nullopt;
    }
    switch (renderer->settings) {
    case RendererSettings::Editor:
        return true;
    case RendererSettings::Plugin:
        // The plug-in may have been added or removed since the last look.
        return exists(std::string(renderer->settingsFile));
    case RendererSettings::None:
        break;
    }
    return false;
}

} // namespace qennet
