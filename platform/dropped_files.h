#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace qennet::platform {

// The names dropped on a window from Explorer (WM_DROPFILES), in their order; the drop's handle is
// released. shell32 is loaded at the first drop.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

// A window takes files dropped from Explorer (WS_EX_ACCEPTFILES, without loading the shell).
void AcceptDroppedFiles(HWND window);

} // namespace qennet::platform
