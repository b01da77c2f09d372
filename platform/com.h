#pragma once
// COM as the platform code uses it: interfaces held in the toolchain's typed pointer
// (Microsoft::WRL::ComPtr: released when it goes; IID_PPV_ARGS takes the interface's id from the
// pointer's own type, so a mismatched id does not compile), and objects made in one place, which
// loads COM at its first call, never at start-up.
#include "platform/system_error.h"

#include <windows.h>
#include <objbase.h>
#include <wrl/client.h>

namespace qennet::platform {

using Microsoft::WRL::ComPtr;

// COM for the window's thread, apartment-threaded, as the shell and the accessibility calls ask.
// Initialised at the first call and kept until the program ends; what failed, if anything.
SystemError InitialiseCom();

// An in-process object of the class, as the interface IID_PPV_ARGS(&pointer) names, COM
// initialised first. In the seams' shape (seam.h), so that a piece can take it as its default.
HRESULT CreateComObject(void* context, REFCLSID type, REFIID interfaceId, void** object);

} // namespace qennet::platform
