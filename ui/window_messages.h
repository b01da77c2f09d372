#pragma once
// The window's own messages, posted to itself so that a step runs once the message being handled
// is done.
#include <windows.h>

// Windows 10 1703 sends it; the headers show it only to programs for that version.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace qennet::ui {

constexpr UINT kSelectRomsText = WM_APP + 1;     // the ROM field's text, selected after a click
constexpr UINT kShowDefaultButton = WM_APP + 2;  // the default border, after a focus change
constexpr UINT kTellSettingsUnread = WM_APP + 3; // qennet.cfg could not be read
constexpr UINT kLookForStoredRoms = WM_APP + 4;  // the stored ROM folder, once the window is up

} // namespace qennet::ui
