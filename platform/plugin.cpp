#include "platform/plugin.h"

#include "platform/paths.h"
#include "platform/system_library.h"
#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {
namespace {

using GpuConfigureFn = LONG(WINAPI*)();

// DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED and DPI_AWARENESS_CONTEXT_UNAWARE.
const auto kUnawareGdiScaled = reinterpret_cast<DpiAwarenessContext>(static_cast<INT_PTR>(-5));
const auto kUnaware = reinterpret_cast<DpiAwarenessContext>(static_cast<INT_PTR>(-1));

// The thread unaware of DPI for as long as this lives, then as it was.
class DpiUnawareThread {
  public:
    explicit DpiUnawareThread(const PluginCalls& calls) : calls_(calls) {
        previous_ = calls.setThreadDpiAwareness(calls.context, kUnawareGdiScaled);
        if (!previous_) // before Windows 10 1809, which has no GDI scaling
            previous_ = calls.setThreadDpiAwareness(calls.context, kUnaware);
    }
    ~DpiUnawareThread() {
        if (previous_)
            calls_.setThreadDpiAwareness(calls_.context, previous_);
    }
    DpiUnawareThread(const DpiUnawareThread&) = delete;
    DpiUnawareThread& operator=(const DpiUnawareThread&) = delete;

  private:
    const PluginCalls& calls_;
    DpiAwarenessContext previous_ = nullptr;
};

} // namespace

PluginCall ShowPluginSettings(const std::string& fileName, const PluginCalls& calls) {
    // Its DllMain may make windows too, so the thread is unaware from before the load on.
    const DpiUnawareThread unaware(calls);
    const std::wstring path = FullPath(Utf8ToWide(fileName));
    if (path.empty())
        return {PluginCall::Outcome::NotLoaded, SystemError::LastOr(ERROR_MOD_NOT_FOUND)};

    // A loaded library is counted once per load; loading it again at the next click finds the
    // same module, so the plug-in keeps its state for the whole run. The altered search path lets
    // the plug-in find libraries of its own beside it.
    HMODULE plugin = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!plugin)
        return {PluginCall::Outcome::NotLoaded, SystemError::LastOr(ERROR_MOD_NOT_FOUND)};

    const auto configure = ExportOf<GpuConfigureFn>(plugin, "GPUconfigure");
    if (!configure) {
        FreeLibrary(plugin);
        return {PluginCall::Outcome::NoEntryPoint, SystemError::Win32(ERROR_PROC_NOT_FOUND)};
    }
    // A file dialog inside the plug-in's settings may move the working directory, against which
    // every name the launcher uses is resolved; it is put back as soon as the plug-in returns.
    const std::wstring directory = CurrentDirectory();
    configure(); // its result means nothing to the launcher
    if (!directory.empty())
        SetCurrentDirectoryW(directory.c_str());
    return {PluginCall::Outcome::Called, {}};
}

} // namespace qennet::platform
