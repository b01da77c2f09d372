// The shell's conventions on a window of the test's own thread: a desktop shortcut's limits, the
// clipboard while another program holds it, and the ROM field's folder completion where a piece of
// it is missing. (A drop from Explorer: roms_field_test.cpp.)
#include "platform/clipboard.h"
#include "platform/folder_completion.h"
#include "platform/shell_link.h"
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
    unsigned long error = 1;
    EXPECT_EQ(DesktopFolder(error), moved);
    EXPECT_EQ(error, 0u);

    const std::wstring program = L"C:\\windows\\notepad.exe";
    const std::wstring arguments = L"5 --roms-directory=\"D:\\R\u00f6ms\\\\\"";
    const std::wstring longest =
        arguments + std::wstring(kLongestShortcutArguments - arguments.size(), L'x');
    const std::wstring longestPath = L"C:\\" + std::wstring(MAX_PATH - 4, L'p');
    const struct {
        std::wstring target, arguments;
        unsigned long result;
    } cases[] = {{longestPath, arguments, 0},
                 {program, longest + L'x', kShortcutArgumentsTooLong},
                 {longestPath + L'p', arguments, kShortcutPathTooLong},
                 {program, longest, 0}};
    const std::wstring file = moved + L"\\Game (2).lnk";
    for (const auto& c : cases) {
        DeleteFileW(file.c_str());
        EXPECT_EQ(SaveShellLink({c.target, c.arguments, L"C:\\Emulator", program, L"Game"}, file),
                  c.result);
        EXPECT_EQ(GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES, c.result == 0);
    }
    DeleteFileW(file.c_str());
    RemoveDirectoryW(moved.c_str());
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
        unsigned long result;
        int tries;
    } cases[] = {{0, 0, 1}, {10, 0, 11}, {11, ERROR_ACCESS_DENIED, 11}};
    for (const auto& c : cases) {
        ASSERT_EQ(PutTextOnClipboard(field.window, L"before"), 0u);
        Held held{c.refusals, 0, 0};
        EXPECT_EQ(PutTextOnClipboard(field.window, line, {&held, OpenAfterRefusals, CountWait}),
                  c.result);
        EXPECT_EQ(held.opened, c.tries);
        EXPECT_EQ(held.waited, c.tries - 1) << "100 ms before each try after the first";
        EXPECT_EQ(ClipboardText(), c.result == 0 ? line : L"before");
    }
}

HRESULT CreateWithoutSource(void* context, REFCLSID type, IUnknown* outer, DWORD server, REFIID id,
                            void** object) {
    if (!IsEqualCLSID(type, CLSID_ACListISF))
        return CreateInstanceFromOle32(context, type, outer, server, id, object);
    *object = nullptr;
    return REGDB_E_CLASSNOTREG;
}

// Wine's file-system source lists nothing, so the list itself is not seen here; a field whose
// completion lacks a piece is left as it was.
TEST(FolderCompletion, AttachedWithTheSystemsPiecesAndAFieldWithoutOneLeftAsItWas) {
    const Field attached;
    FolderCompletion system;
    EXPECT_TRUE(system.Attach(attached.edit)) << "Wine 8 has every piece";
    EXPECT_FALSE(system.ListOpen());
    const Field field;
    const LONG_PTR before = GetWindowLongPtrW(field.edit, GWLP_WNDPROC);
    FolderCompletion completion;
    EXPECT_FALSE(completion.Attach(field.edit, {nullptr, CreateWithoutSource}));
    EXPECT_FALSE(completion.ListOpen());
    EXPECT_EQ(GetWindowLongPtrW(field.edit, GWLP_WNDPROC), before) << "not subclassed";
}

} // namespace
