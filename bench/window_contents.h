#pragma once
// What a window shows, read from another process through the standard controls' messages, so the
// benchmark can check that the structural floor shows what qennet.exe shows.
#include <windows.h>

#include <string>
#include <vector>

namespace qennet::bench {

// One line per child control in z-order: class, id, style, rectangle in the parent's client
// area, and its text, list entries and selection.
std::vector<std::wstring> DescribeControls(HWND window);

} // namespace qennet::bench
