// The shell's conventions on a window of the test's own thread: a desktop shortcut's limits, the
// clipboard while another program holds it, and the ROM field's folder completion where a piece of
// it is missing. (A drop from Explorer: roms_field_test.cpp.)
#include "platform/clipboard.h"
#include "platform/folder_completion.h"
#include "platform/shell_link.h"
#include "tests/support/system_error_print.h"
#include "tests/support/registry_override.h"

#include <gtest/gtest.h>
#include <shlguid.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace qennet::platform;

// A window with an edit field, of the test's own thread.
struct Field {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200,
                                24, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    ~Field() { DestroyWindow(window); }
};

std::wstring TemporaryFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

// What a shortcut holds is read back end to end (GameMenu); here its limits.
TEST(ShellLink, TheDesktopAsMovedAndALinkRefusedOnlyPastWhatItHolds) {
    const std::wstring moved = TemporaryFolder() + L"Moved Desktop";
    CreateDirectoryW(moved.c_str(), nullptr);
    const e2e::RegistryOverride desktop(
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", L"Desktop",
        REG_SZ, moved.c_str(), static_cast<DWORD>((moved.size() + 1) * sizeof(wchar_t)));
    const DesktopFolderFound found = DesktopFolder();
    EXPECT_EQ(found.path, moved);
    EXPECT_FALSE(found.error);

    const std::wstring program = L"C:\\windows\\notepad.exe";
    const std::wstring arguments = L"5 --roms-directory=\"D:\\R\u00f6ms\\\\\"";
    const std::wstring longest =
        arguments + std::wstring(kLongestShortcutArguments - arguments.size(), L'x');
    const std::wstring longestPath = L"C:\\" + std::wstring(MAX_PATH - 4, L'p');
    const std::wstring file = moved + L"\\Game (2).lnk";
    // The shortcut's own file as long as a path can be (MAX_PATH with the terminator), and one
    // more.
    const std::wstring longestFile =
        moved + L"\\" + std::wstring(MAX_PATH - 1 - moved.size() - 1 - 4, L'g') + L".lnk";
    const struct {
        std::wstring target, arguments, file;
        SystemError result;
    } cases[] = {{longestPath, arguments, file, {}},
                 {program, longest + L'x', file, SystemError::Win32(kShortcutArgumentsTooLong)},
                 {longestPath + L'p', arguments, file, SystemError::Win32(kShortcutPathTooLong)},
                 {program, arguments, longestFile, {}},
                 {program, arguments, longestFile + L'k', SystemError::Win32(kShortcutPathTooLong)},
                 {program, longest, file, {}}};
    for (const auto& c : cases) {
        DeleteFileW(c.file.c_str());
        EXPECT_EQ(SaveShellLink({c.target, c.arguments, L"C:\\Emulator", program, L"Game"}, c.file),
                  c.result);
        EXPECT_EQ(GetFileAttributesW(c.file.c_str()) != INVALID_FILE_ATTRIBUTES, !c.result);
        DeleteFileW(c.file.c_str());
    }
    // A desktop that is not there (on a share that is offline) is still named.
    RemoveDirectoryW(moved.c_str());
    EXPECT_EQ(DesktopFolder().path, moved);
}

// Another program that holds the clipboard for some tries: each try and wait counted.
struct Held {
    int refusals = 0;
    int opened = 0, waited = 0;
};

BOOL OpenAfterRefusals(void* context, HWND owner) {
    Held& held = *static_cast<Held*>(context);
    ++held.opened;
    if (held.refusals-- > 0) {
        SetLastError(ERROR_ACCESS_DENIED); // as the system answers while another program has it
        return FALSE;
    }
    return OpenClipboard(owner);
}

void CountWait(void* context, DWORD) {
    ++static_cast<Held*>(context)->waited;
}

// Read as another window would: a clipboard left open fails it.
std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(not opened)";
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

TEST(Clipboard, AnotherProgramIsWaitedForAboutASecondThenTheTextIsThere) {
    const Field field;
    const std::wstring line = L"Vresk.exe 5 --roms-directory=\"D:\\R\u00f6ms\"";
    const struct {
        int refusals;
        SystemError result;
        int tries;
    } cases[] = {{0, {}, 1}, {10, {}, 11}, {11, SystemError::Win32(ERROR_ACCESS_DENIED), 11}};
    for (const auto& c : cases) {
        ASSERT_FALSE(PutTextOnClipboard(field.window, L"before"));
        Held held{c.refusals, 0, 0};
        EXPECT_EQ(PutTextOnClipboard(field.window, line, {&held, OpenAfterRefusals, CountWait}),
                  c.result);
        EXPECT_EQ(held.opened, c.tries);
        EXPECT_EQ(held.waited, c.tries - 1) << "100 ms before each try after the first";
        EXPECT_EQ(ClipboardText(), !c.result ? line : L"before");
    }
}

HRESULT CreateWithoutSource(void* context, REFCLSID type, REFIID id, void** object) {
    if (!IsEqualCLSID(type, CLSID_ACListISF))
        return CreateComObject(context, type, id, object);
    *object = nullptr;
    return REGDB_E_CLASSNOTREG;
}

// Wine's file-system source lists nothing, so the list itself is not seen here; a field whose
// completion lacks a piece is left as it was.
TEST(FolderCompletion, AttachedWithTheSystemsPiecesAndAFieldWithoutOneLeftAsItWas) {
    const Field attached;
    FolderCompletion system;
    EXPECT_TRUE(system.Attach(attached.edit, TemporaryFolder())) << "Wine 8 has every piece";
    EXPECT_FALSE(system.ListOpen());
    const Field field;
    const LONG_PTR before = GetWindowLongPtrW(field.edit, GWLP_WNDPROC);
    FolderCompletion completion;
    EXPECT_FALSE(completion.Attach(field.edit, TemporaryFolder(), {nullptr, CreateWithoutSource}));
    EXPECT_FALSE(completion.ListOpen());
    EXPECT_EQ(GetWindowLongPtrW(field.edit, GWLP_WNDPROC), before) << "not subclassed";
}

} // namespace
