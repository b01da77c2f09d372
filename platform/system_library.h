#pragma once
#include <windows.h>

namespace qennet::platform {

// Loads a library of the system directory by its full path, so that a file of the same name in
// the working directory can never stand in for it. nullptr on failure (GetLastError tells why).
HMODULE LoadSystemLibrary(const wchar_t* fileName);

} // namespace qennet::platform
