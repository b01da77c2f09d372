#pragma once
#include <windows.h>

#include <string>

namespace qennet::platform {

// The clipboard calls, so that a test can stand in for another program that holds it.
struct ClipboardCalls {
    decltype(&::OpenClipboard) open = ::OpenClipboard;
};

// Puts the text on the clipboard as Unicode text, owned by the window. Another program that has
// the clipboard open is waited for briefly (about a second). Returns 0, or the system's error
// code (ERROR_ACCESS_DENIED while another program still holds it).
unsigned long PutTextOnClipboard(HWND owner, const std::wstring& text,
                                 const ClipboardCalls& calls = ClipboardCalls());

} // namespace qennet::platform
