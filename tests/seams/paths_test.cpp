// Paths in the long form every file call takes, and a folder looked for on a thread of its own,
// with the file call stood in for: what each answer tells, and a share that does not answer.
#include "platform/folder_look.h"
#include "platform/paths.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

namespace {

using namespace qennet::platform;

TEST(Paths, LocalAndSharedPathsInTheLongFormAndOthersAsTheyAre) {
    const struct {
        const wchar_t *full, *longForm;
    } cases[] = {
        {L"C:\\Roms", L"\\\\?\\C:\\Roms"},
        {L"\\\\server\\share\\Roms", L"\\\\?\\UNC\\server\\share\\Roms"},
        {L"\\\\?\\C:\\Roms", L"\\\\?\\C:\\Roms"},
        {L"\\\\?\\UNC\\server\\share\\Roms", L"\\\\?\\UNC\\server\\share\\Roms"},
        {L"\\\\.\\COM1", L"\\\\.\\COM1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LongPathForm(c.full), c.longForm);
}

// The file call's answer, and what it tells.
struct Answer {
    DWORD attributes, error;
    FolderLook look;
};

TEST(FolderLook, TheAnswerSaysWhetherTheFolderIsThere) {
    constexpr DWORD kNone = INVALID_FILE_ATTRIBUTES;
    const Answer answers[] = {
        {FILE_ATTRIBUTE_DIRECTORY, 0, FolderLook::There},
        {FILE_ATTRIBUTE_ARCHIVE, 0, FolderLook::Missing}, // a file of that name
        {kNone, ERROR_FILE_NOT_FOUND, FolderLook::Missing},
        {kNone, ERROR_PATH_NOT_FOUND, FolderLook::Missing},
        {kNone, ERROR_INVALID_DRIVE, FolderLook::Missing},
        {kNone, ERROR_NOT_READY, FolderLook::Missing},
        {kNone, ERROR_BAD_NETPATH, FolderLook::Missing},
        {kNone, ERROR_BAD_NET_NAME, FolderLook::Missing},
        {kNone, ERROR_INVALID_NAME, FolderLook::Missing},
        {kNone, ERROR_BAD_PATHNAME, FolderLook::Missing},
        {kNone, ERROR_ACCESS_DENIED, FolderLook::Unknown}, // it may be there
    };
    for (const Answer& answer : answers) {
        FolderLookCalls calls;
        calls.context = const_cast<Answer*>(&answer);
        calls.attributes = [](void* context, LPCWSTR) {
            SetLastError(static_cast<const Answer*>(context)->error);
            return static_cast<const Answer*>(context)->attributes;
        };
        calls.patienceMs = e2e::kDeadlineMs; // a loaded machine still answers in time
        EXPECT_EQ(LookForFolder(L"Roms", calls), answer.look)
            << answer.attributes << " " << answer.error;
    }
}

// The share answers only once the caller has given up on it, and then as a folder: too late.
TEST(FolderLook, AShareThatDoesNotAnswerInTimeIsUnknown) {
    struct Share {
        HANDLE released = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE asked = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE looking = nullptr; // the thread that asks, waited for at the end
    } share;
    FolderLookCalls calls;
    calls.context = &share;
    calls.attributes = [](void* context, LPCWSTR) -> DWORD {
        Share& share = *static_cast<Share*>(context);
        DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(),
                        &share.looking, SYNCHRONIZE, FALSE, 0);
        SetEvent(share.asked);
        WaitForSingleObject(share.released, e2e::kDeadlineMs);
        return FILE_ATTRIBUTE_DIRECTORY;
    };
    calls.patienceMs = 50;
    EXPECT_EQ(LookForFolder(L"\\\\server\\share\\Roms", calls), FolderLook::Unknown);
    SetEvent(share.released);
    ASSERT_EQ(WaitForSingleObject(share.asked, e2e::kDeadlineMs), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(share.looking, e2e::kDeadlineMs), WAIT_OBJECT_0);
    for (HANDLE handle : {share.released, share.asked, share.looking})
        CloseHandle(handle);
}

} // namespace
