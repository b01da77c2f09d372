#include "platform/clipboard.h"

#include <cstring>

namespace qennet::platform {
namespace {

// Another program (a clipboard manager, a remote-desktop client) may hold the clipboard for a
// moment: it is asked again ten times, 100 ms apart.
constexpr int kRetries = 10;
constexpr DWORD kRetryWaitMs = 100;

// The text with its terminator in movable memory, as the clipboard takes it; nullptr on failure.
HGLOBAL TextMemory(const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return nullptr;
    void* bytesAt = GlobalLock(memory);
    if (!bytesAt) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(bytesAt, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

} // namespace

SystemError PutTextOnClipboard(HWND owner, const std::wstring& text, const ClipboardCalls& calls) {
    // Made before the clipboard is opened, so that it is held as briefly as possible.
    HGLOBAL memory = TextMemory(text);
    if (!memory)
        return SystemError::LastOr(ERROR_NOT_ENOUGH_MEMORY);

    bool open = calls.open(calls.context, owner) != FALSE;
    for (int retry = 0; !open && retry < kRetries; ++retry) {
        calls.wait(calls.context, kRetryWaitMs);
        open = calls.open(calls.context, owner) != FALSE;
    }
    if (!open) {
        const SystemError error = SystemError::LastOr(ERROR_ACCESS_DENIED);
        GlobalFree(memory);
        return error;
    }

    SystemError error;
    if (!EmptyClipboard())
        error = SystemError::LastOr(ERROR_ACCESS_DENIED);
    else if (!SetClipboardData(CF_UNICODETEXT, memory))
        error = SystemError::LastOr(ERROR_NOT_ENOUGH_MEMORY);
    if (error)
        GlobalFree(memory); // the clipboard owns it only once it is set
    if (!CloseClipboard() && !error)
        error = SystemError::LastOr(ERROR_ACCESS_DENIED);
    return error;
}

} // namespace qennet::platform
