#pragma once
// The system's own libraries, and the calls the launcher looks up in them at run time: those
// newer than Windows 7 (absent on older systems) and those kept off the start-up path (the shell
// and COM, loaded when the player first needs them).
#include <windows.h>

namespace qennet::platform {

// Loads a library of the system directory by its full path, so that a file of the same name in
// the working directory can never stand in for it. nullptr on failure (GetLastError tells why).
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// The address of a function of a system library; nullptr where the library or the function is
// missing (GetLastError tells why).
FARPROC SystemCallAddress(const wchar_t* library, const char* name);

// A function of a loaded library as its own type; nullptr where the library has none of that name.
template <typename Function> Function FunctionOf(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// A function of a system library as its own type, as SystemCallAddress finds it.
template <typename Function> Function SystemCall(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemCallAddress(library, name)));
}

// COM for the window's thread, apartment-threaded, as the shell and the accessibility calls ask.
// Initialised at the first call and kept until the program ends; 0 when COM is ready, otherwise
// the failure (an HRESULT).
unsigned long InitialiseCom();

} // namespace qennet::platform
