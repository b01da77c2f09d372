#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace qennet::platform {

// The names dropped from Explorer on a window made with WS_EX_ACCEPTFILES (WM_DROPFILES), in their
// order; the drop's handle is released. shell32 is loaded at the first drop.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

} // namespace qennet::platform
