#pragma once
#include "platform/seam.h"
#include "platform/system_error.h"

#include <windows.h>

#include <string>

namespace qennet::platform {

// The clipboard calls, so that a test can stand in for another program that holds it, and the
// wait between two tries.
struct ClipboardCalls {
    using OpenFn = BOOL (*)(void* context, HWND owner);
    using WaitFn = void (*)(void* context, DWORD milliseconds);
    void* context = nullptr;
    OpenFn open = SystemCall<&::OpenClipboard>::Call;
    WaitFn wait = SystemCall<&::Sleep>::Call;
};

// Puts the text on the clipboard as Unicode text, owned by the window. Another program that has
// the clipboard open is waited for briefly (about a second: ten more tries, 100 ms apart).
// Returns what failed, if anything (ERROR_ACCESS_DENIED while another program still holds it,
// also where the system names no reason).
SystemError PutTextOnClipboard(HWND owner, const std::wstring& text,
                               const ClipboardCalls& calls = {});

} // namespace qennet::platform
