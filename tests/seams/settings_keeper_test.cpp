// The settings file's rules over a run, with the file calls observed: every save goes to the file
// of the folder the launcher started in, a file there that could not be read is never written,
// and the session's end saves once.
#include "platform/text.h"
#include "ui/settings_keeper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qennet::ui::SettingsKeeper;

// The disk as the keeper's calls find it: the file unreadable or not, and where each save went.
struct Disk {
    bool unreadable;
    std::vector<std::wstring> saves;
};

std::wstring TemporaryFolder(const wchar_t* name) {
    wchar_t temporary[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder =
        temporary + std::wstring(name) + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

TEST(SettingsKeeper, SavesWhereTheLauncherStartedOnceAtTheSessionsEndAndNeverAnUnreadFile) {
    // The steps, one letter each: P a plug-in's call, E the session's end, N an end that was
    // cancelled, C the close.
    const struct {
        const char* steps;
        bool unreadable;
        size_t saves;
    } cases[] = {
        {"P", false, 1},  {"EC", false, 1}, // once at the session's end, not again at the close
        {"N", false, 0},                    // a cancelled end changes nothing
        {"NC", false, 1}, {"PEC", true, 0}, // the choices in it are never overwritten
    };
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    const std::wstring started = TemporaryFolder(L"qennet-started-"),
                       moved = TemporaryFolder(L"qennet-moved-");
    const std::wstring file = L"\\\\?\\" + started + L"\\qennet.cfg";
    qennet::platform::SettingsFileCalls calls;
    calls.create = [](void* context, LPCWSTR path, DWORD access, DWORD share,
                      LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                      HANDLE model) -> HANDLE {
        if (static_cast<Disk*>(context)->unreadable && access == GENERIC_READ) {
            SetLastError(ERROR_CRC); // a disk that cannot read it
            return INVALID_HANDLE_VALUE;
        }
        return CreateFileW(path, access, share, security, disposition, flags, model);
    };
    calls.move = [](void* context, LPCWSTR from, LPCWSTR to, DWORD flags) {
        static_cast<Disk*>(context)->saves.push_back(to);
        return MoveFileExW(from, to, flags);
    };
    for (const auto& c : cases) {
        Disk disk{c.unreadable, {}};
        calls.context = &disk;
        ASSERT_TRUE(SetCurrentDirectoryW(started.c_str()));
        SettingsKeeper keeper(calls);
        keeper.Load();
        ASSERT_TRUE(SetCurrentDirectoryW(moved.c_str())); // as a plug-in may
        const qennet::StoredChoices choices;
        for (const char* step = c.steps; *step; ++step) {
            if (*step == 'P')
                keeper.SaveBeforePlugin(choices);
            else if (*step == 'C')
                keeper.SaveAtClose(choices);
            else
                keeper.SessionEnds(*step == 'E', choices);
        }
        EXPECT_EQ(disk.saves, std::vector<std::wstring>(c.saves, file)) << c.steps;
    }
    SetCurrentDirectoryW(previous);
    DeleteFileW(file.c_str());
    DeleteFileW((moved + L"\\qennet.cfg").c_str());
    RemoveDirectoryW(started.c_str());
    RemoveDirectoryW(moved.c_str());
}

} // namespace
