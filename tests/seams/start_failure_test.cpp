// The message shown when the window cannot be created stays until the player closes it, even
// though the failed window has posted WM_QUIT.
#include "ui/player_messages.h"
#include "tests/support/wait.h"
#include "tests/support/windows.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct Watch {
    DWORD threadId;
    bool closedByPlayer;
};

// The player: waits for the message box on the launcher's thread, then presses OK.
DWORD WINAPI Player(LPVOID parameter) {
    auto* watch = static_cast<Watch*>(parameter);
    HWND box = nullptr;
    if (e2e::WaitUntil([&] {
            box = e2e::FirstOf(e2e::ThreadWindows(watch->threadId, [](HWND window) {
                wchar_t title[64] = {};
                GetWindowTextW(window, title, 64);
                return e2e::ClassOf(window) == e2e::kDialogClass && wcscmp(title, L"Qennet") == 0 &&
                       IsWindowVisible(window);
            }));
            return box != nullptr;
        })) {
        watch->closedByPlayer = PostMessageW(box, WM_COMMAND, IDOK, 0) != FALSE;
    }
    return 0;
}

TEST(StartFailure, MessageStaysUntilThePlayerClosesIt) {
    PostQuitMessage(1); // what a window destroyed during its creation leaves behind
    Watch watch = {GetCurrentThreadId(), false};
    HANDLE player = CreateThread(nullptr, 0, Player, &watch, 0, nullptr);
    ASSERT_NE(player, nullptr);
    qennet::ui::TellWindowNotCreated();
    WaitForSingleObject(player, INFINITE);
    CloseHandle(player);
    EXPECT_TRUE(watch.closedByPlayer) << "the message vanished by itself";
    // Had the message box's loop met the WM_QUIT, the loop would have ended the box and posted
    // the WM_QUIT again; it must never have had one to meet.
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "a WM_QUIT was waiting for the message box";
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

} // namespace
