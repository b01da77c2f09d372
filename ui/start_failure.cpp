#include "ui/start_failure.h"

#include "ui/player_texts.h"

#include <windows.h>

namespace qennet::ui {

void ReportStartFailure() {
    // A window destroyed during its creation has posted WM_QUIT already; left in the queue, it
    // would end the message box's own loop before the player could read it.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    MessageBoxW(nullptr, kWindowNotCreatedText, kMessageCaption, MB_OK | MB_ICONERROR);
}

} // namespace qennet::ui
