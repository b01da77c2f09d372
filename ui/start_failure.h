#pragma once

namespace qennet::ui {

// Tells the player that the launcher's window could not be created, and returns when the player
// has closed the message.
void ReportStartFailure();

} // namespace qennet::ui
