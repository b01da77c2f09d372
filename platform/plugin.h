#pragma once
#include "platform/system_error.h"
#include "platform/system_library.h"

#include <windows.h>

#include <string>

namespace qennet::platform {

struct PluginCall {
    enum class Outcome { Called, NotLoaded, NoEntryPoint } outcome;
    SystemError error; // when NotLoaded
};

// A thread's DPI awareness context (DPI_AWARENESS_CONTEXT, Windows 10 1607 and later).
using DpiAwarenessContext = HANDLE;

// The system calls ShowPluginSettings makes, so that a test can stand in for them: USER32's
// SetThreadDpiAwarenessContext, looked up at its first call; where the system has none it sets
// nothing and returns nullptr.
struct PluginCalls {
    using SetAwarenessFn = DpiAwarenessContext (*)(void* context, DpiAwarenessContext awareness);
    void* context = nullptr;
    SetAwarenessFn setThreadDpiAwareness =
        LateSystemCall<late::kSetThreadDpiAwarenessContext, SetAwarenessFn>::OrAnswer<nullptr>;
};

// Loads the renderer plug-in of that name from the working directory (by its full path, never
// from elsewhere on the search path) and calls its settings dialog, GPUconfigure. Returns when
// the dialog is closed; the working directory is then what it was before the call, whatever the
// plug-in did to it. A loaded plug-in stays loaded until the program ends. The plug-ins were made
// for screens of one scale: the thread is DPI-unaware while the plug-in loads and runs (GDI-scaled
// from Windows 10 1809, plain unaware from 1607), so Windows scales its dialog as a whole, and the
// awareness is put back afterwards.
PluginCall ShowPluginSettings(const std::string& fileName, const PluginCalls& calls = {});

} // namespace qennet::platform
