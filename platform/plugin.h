#pragma once
#include <string>

namespace qennet::platform {

struct PluginCall {
    enum class Outcome { Called, NotLoaded, NoEntryPoint } outcome;
    unsigned long error; // when NotLoaded: the system's error code
};

// Loads the renderer plug-in of that name from the working directory (by its full path, never
// from elsewhere on the search path) and calls its settings dialog, GPUconfigure. Returns when
// the dialog is closed; the working directory is then what it was before the call, whatever the
// plug-in did to it. A loaded plug-in stays loaded until the program ends.
PluginCall ShowPluginSettings(const std::string& fileName);

} // namespace qennet::platform
