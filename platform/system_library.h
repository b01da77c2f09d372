#pragma once
// The system's own libraries, and every call the launcher looks up in them at run time instead of
// importing it. The exe imports only what Windows XP SP3 and 7 have (tests/imports); a call that
// is newer, or whose library is kept off the start-up path, is named in the list below with why,
// and found with LateBound. Nothing else in the program looks a function up by its name.
#include "platform/seam.h"

#include <windows.h>

namespace qennet::platform {

// A call found at run time: its library (the second one where the first is missing) and its name.
struct LateCall {
    const wchar_t* library;
    const wchar_t* fallbackLibrary; // nullptr: none
    const char* name;
};

// Every call the launcher looks up at run time.
namespace late {
// Newer than Windows 7 (USER32 of Windows 10 1607, or as noted): the DPI of the system and of each
// window, and the font, metrics and frame at a DPI; missing before, where the system DPI stands
// in.
inline constexpr LateCall kGetDpiForSystem{L"user32.dll", nullptr, "GetDpiForSystem"};
inline constexpr LateCall kGetDpiForWindow{L"user32.dll", nullptr, "GetDpiForWindow"};
inline constexpr LateCall kSystemParametersInfoForDpi{L"user32.dll", nullptr,
                                                      "SystemParametersInfoForDpi"};
inline constexpr LateCall kGetSystemMetricsForDpi{L"user32.dll", nullptr, "GetSystemMetricsForDpi"};
inline constexpr LateCall kAdjustWindowRectExForDpi{L"user32.dll", nullptr,
                                                    "AdjustWindowRectExForDpi"};
inline constexpr LateCall kEnableNonClientDpiScaling{L"user32.dll", nullptr,
                                                     "EnableNonClientDpiScaling"};
// Newer than Windows 7 (shcore of 8.1): a monitor's DPI, for the window's where GetDpiForWindow
// is missing (8.1, and 10 before 1607). Looked up only there, so that shcore.dll is not loaded at
// start-up where GetDpiForWindow serves.
inline constexpr LateCall kGetDpiForMonitor{L"shcore.dll", nullptr, "GetDpiForMonitor"};
// Newer than Windows 7 (1607): a renderer plug-in runs DPI-unaware.
inline constexpr LateCall kSetThreadDpiAwarenessContext{L"user32.dll", nullptr,
                                                        "SetThreadDpiAwarenessContext"};
// Newer than XP (Vista): where a link to a file points; a larger icon image scaled down (from the
// version-6 common controls the manifest loads).
inline constexpr LateCall kGetFinalPathNameByHandle{L"kernel32.dll", nullptr,
                                                    "GetFinalPathNameByHandleW"};
inline constexpr LateCall kLoadIconWithScaleDown{L"comctl32.dll", nullptr, "LoadIconWithScaleDown"};
// The shell and COM, off the start-up path: loaded when the player first needs them (an
// elevated start, the folder browser, a screen reader's names, a desktop shortcut, a drop from
// Explorer, the ROM field's folder completion). SHGetPathFromIDListEx is newer than XP (Vista).
inline constexpr LateCall kShellExecuteEx{L"shell32.dll", nullptr, "ShellExecuteExW"};
inline constexpr LateCall kSHBrowseForFolder{L"shell32.dll", nullptr, "SHBrowseForFolderW"};
inline constexpr LateCall kSHGetPathFromIDList{L"shell32.dll", nullptr, "SHGetPathFromIDListW"};
inline constexpr LateCall kSHGetPathFromIDListEx{L"shell32.dll", nullptr, "SHGetPathFromIDListEx"};
inline constexpr LateCall kSHGetFolderPath{L"shell32.dll", nullptr, "SHGetFolderPathW"};
inline constexpr LateCall kSHChangeNotify{L"shell32.dll", nullptr, "SHChangeNotify"};
inline constexpr LateCall kDragQueryFile{L"shell32.dll", nullptr, "DragQueryFileW"};
inline constexpr LateCall kDragFinish{L"shell32.dll", nullptr, "DragFinish"};
inline constexpr LateCall kCoInitializeEx{L"ole32.dll", nullptr, "CoInitializeEx"};
inline constexpr LateCall kCoCreateInstance{L"ole32.dll", nullptr, "CoCreateInstance"};
inline constexpr LateCall kCoTaskMemFree{L"ole32.dll", nullptr, "CoTaskMemFree"};
// The game controllers, off the start-up path: loaded at their first reading, well after the
// window is up. XInput 1.4 is Windows 8's; Windows 7 has 9.1.0.
inline constexpr LateCall kXInputGetState{L"xinput1_4.dll", L"xinput9_1_0.dll", "XInputGetState"};
inline constexpr LateCall kJoyGetNumDevs{L"winmm.dll", nullptr, "joyGetNumDevs"};
inline constexpr LateCall kJoyGetDevCaps{L"winmm.dll", nullptr, "joyGetDevCapsW"};
inline constexpr LateCall kJoyGetPosEx{L"winmm.dll", nullptr, "joyGetPosEx"};
} // namespace late

// The loader's calls, so that a test can see which file it is handed and stand in for an older
// system.
struct LibraryCalls {
    using LoadedFn = HMODULE (*)(void* context, LPCWSTR fileName);
    using LoadFn = HMODULE (*)(void* context, LPCWSTR path);
    void* context = nullptr;
    LoadedFn loaded = SystemCall<&::GetModuleHandleW>::Call;
    LoadFn load = SystemCall<&::LoadLibraryW>::Call;
};

// Loads a library of the system directory by its full path, so that a file of the same name in
// the working directory can never stand in for it. nullptr on failure (GetLastError tells why).
HMODULE LoadSystemLibrary(const wchar_t* fileName, const LibraryCalls& calls = {});

// A system library the program has loaded already (USER32, the version-6 common controls, which
// come from the side-by-side store and not the system directory), or else LoadSystemLibrary's.
// The loader never takes a file of the same name from elsewhere for one it knows. A library loaded
// here stays loaded until the program ends, since the calls found in it are kept.
HMODULE OpenSystemLibrary(const wchar_t* fileName, const LibraryCalls& calls = {});

// The call's address; nullptr where its libraries or the function are missing (GetLastError
// tells why).
FARPROC LateBoundAddress(const LateCall& call, const LibraryCalls& calls = {});

// The call as its own type, as LateBoundAddress finds it.
template <typename Function> Function LateBound(const LateCall& call) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(LateBoundAddress(call)));
}

// The call C of the list above as a seam's call of the type Fn (seam.h), looked up once, at its
// first use. OrAnswer<kMissing> answers kMissing where the system lacks it, as the system answers
// for what it does not have (no device, not implemented); a piece that tests whether the call is
// there takes WhereFound(): the call, or nullptr where it is missing, looked up when asked.
template <const LateCall& C, typename Fn> struct LateSystemCall;
template <const LateCall& C, typename R, typename... A>
struct LateSystemCall<C, R (*)(void*, A...)> {
    using SystemFn = R(WINAPI*)(A...);
    static SystemFn Found() {
        static const auto found = LateBound<SystemFn>(C);
        return found;
    }
    template <auto kMissing> static R OrAnswer(void*, A... arguments) {
        const SystemFn found = Found();
        return found ? found(arguments...) : static_cast<R>(kMissing);
    }
    static R (*WhereFound())(void*, A...) { return Found() ? Forward : nullptr; }

  private:
    static R Forward(void*, A... arguments) { return Found()(arguments...); }
};

// A function a library of another maker exports (a renderer plug-in's GPUconfigure) as its own
// type; nullptr where it has none of that name.
FARPROC ExportAddress(HMODULE library, const char* name);
template <typename Function> Function ExportOf(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(ExportAddress(library, name)));
}

} // namespace qennet::platform
