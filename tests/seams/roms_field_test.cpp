// The ROM folder field's shell conventions on a window of this thread: a folder dropped from
// Explorer fills it as the folder browser would, where the gate lets it; Enter and Esc go to the
// field, not the dialog keys, only while the suggestion list is open.
#include "ui/control_ids.h"
#include "ui/roms_field.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

namespace {

using qennet::ui::Action;

// What Explorer hands a window when a file or folder is dropped on it.
HDROP DropOf(const std::wstring& name) {
    const size_t bytes = sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    wmemcpy(reinterpret_cast<wchar_t*>(drop + 1), name.c_str(), name.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::wstring TextOf(HWND field) {
    wchar_t text[MAX_PATH] = {};
    GetWindowTextW(field, text, MAX_PATH);
    return text;
}

TEST(RomsField, ADroppedFolderFillsTheFieldWhereTheGateLetsIt) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND field = CreateWindowExW(0, L"EDIT", L"Roms", WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, window,
                                 reinterpret_cast<HMENU>(IDC_ROMS), nullptr, nullptr);
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring dropped = folder;
    dropped.pop_back(); // without its closing backslash, as Explorer gives it
    bool lets = false;
    qennet::ui::RomsField roms(
        [&](Action action) { return action == Action::TakeDroppedFolder && lets; });
    roms.OnMessage(window, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(dropped)), 0);
    EXPECT_EQ(TextOf(field), L"Roms") << "taken past the gate";
    lets = true;
    roms.OnMessage(window, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(dropped)), 0);
    EXPECT_EQ(TextOf(field), dropped);
    EXPECT_EQ(GetFocus(), field);
    DWORD start = 1, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, dropped.size());
    DestroyWindow(window);
}

TEST(RomsField, EnterAndEscAreTheOpenSuggestionListsOnly) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 300, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND field = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 200, 20, window,
                                 reinterpret_cast<HMENU>(IDC_ROMS), nullptr, nullptr);
    bool open = false;
    qennet::ui::RomsField roms([](Action) { return true; }, [&] { return open; });
    roms.OnMessage(window, WM_COMMAND, MAKEWPARAM(IDC_ROMS, EN_SETFOCUS),
                   reinterpret_cast<LPARAM>(field));
    for (const bool listOpen : {false, true}) {
        open = listOpen;
        for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}, WPARAM{'A'}}) {
            const MSG pressed = {field, WM_KEYDOWN, key, 0, 0, {}};
            EXPECT_EQ(roms.TakesKey(pressed), listOpen && key != 'A') << key << " " << listOpen;
        }
    }
    DestroyWindow(window);
}

} // namespace
