#include "platform/plugin.h"

#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {
namespace {

using GpuConfigureFn = LONG(WINAPI*)();

std::wstring FullPath(const std::wstring& name) {
    const DWORD needed = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return {};
    std::wstring path(needed, L'\0');
    const DWORD length = GetFullPathNameW(name.c_str(), needed, path.data(), nullptr);
    if (length == 0 || length >= needed)
        return {};
    path.resize(length);
    return path;
}

std::wstring CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring path(needed, L'\0');
    const DWORD length = needed ? GetCurrentDirectoryW(needed, path.data()) : 0;
    path.resize(length < needed ? length : 0);
    return path;
}

} // namespace

PluginCall ShowPluginSettings(const std::string& fileName) {
    const std::wstring path = FullPath(Utf8ToWide(fileName));
    if (path.empty())
        return {PluginCall::Outcome::NotLoaded, GetLastError()};

    // A loaded library is counted once per load; loading it again at the next click finds the
    // same module, so the plug-in keeps its state for the whole run. The altered search path lets
    // the plug-in find libraries of its own beside it.
    HMODULE plugin = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!plugin)
        return {PluginCall::Outcome::NotLoaded, GetLastError()};

    auto configure = reinterpret_cast<GpuConfigureFn>(
        reinterpret_cast<void*>(GetProcAddress(plugin, "GPUconfigure")));
    if (!configure) {
        FreeLibrary(plugin);
        return {PluginCall::Outcome::NoEntryPoint, ERROR_PROC_NOT_FOUND};
    }
    // A file dialog inside the plug-in's settings may move the working directory, against which
    // every name the launcher uses is resolved; it is put back as soon as the plug-in returns.
    const std::wstring directory = CurrentDirectory();
    configure(); // its result means nothing to the launcher
    if (!directory.empty())
        SetCurrentDirectoryW(directory.c_str());
    return {PluginCall::Outcome::Called, 0};
}

} // namespace qennet::platform
