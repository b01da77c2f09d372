// The ROM folder field's shell conventions on a window of this thread: a folder dropped from
// Explorer fills it as the folder browser would, where the gate lets it; Enter and Esc go to the
// field, not the dialog keys, only while the suggestion list is open.
#include "tests/seams/actions_double.h"
#include "ui/control_ids.h"
#include "ui/roms_field.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

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

struct Field {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND field =
        CreateWindowExW(0, L"EDIT", L"Roms", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 200, 20,
                        window, reinterpret_cast<HMENU>(IDC_ROMS), nullptr, nullptr);
    ~Field() { DestroyWindow(window); }
    std::wstring Text() const {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), 1024)));
        return text;
    }
};

TEST(RomsField, ADroppedFolderFillsTheFieldWhereTheGateLetsIt) {
    const Field shown;
    wchar_t temporary[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder = std::wstring(temporary).substr(0, wcslen(temporary) - 1);
    const std::wstring longer = folder + L"\\" + std::wstring(290, L'r'); // past MAX_PATH
    // As Windows answers: a folder past MAX_PATH is found by its \\?\ form only.
    struct LongFolder {
        std::wstring path;
    } there{L"\\\\?\\" + longer};
    qennet::ui::RomsFieldCalls look;
    look.context = &there;
    look.attributes = [](void* context, const wchar_t* path) -> DWORD {
        if (static_cast<const LongFolder*>(context)->path == path)
            return FILE_ATTRIBUTE_DIRECTORY;
        return wcslen(path) < MAX_PATH ? GetFileAttributesW(path) : INVALID_FILE_ATTRIBUTES;
    };
    const struct {
        std::wstring dropped;
        bool lets;
        std::wstring text;
    } drops[] = {
        {folder, false, L"Roms"},
        {folder, true, folder},
        {longer + L"\\sfex.zip", true, longer}, // a file gives its folder
        {longer, true, longer},
    };
    qennet::ui::ActionGate gate;
    const qennet::ui::PlayerMessages messages(gate);
    for (const auto& drop : drops) {
        seams::ActionsDouble actions;
        actions.lets = drop.lets;
        qennet::ui::RomsField roms(actions, gate, messages, look);
        roms.Dropped(shown.window, DropOf(drop.dropped));
        EXPECT_EQ(shown.Text(), drop.text);
        EXPECT_EQ(actions.allowed, std::vector<Action>{Action::TakeDroppedFolder});
    }
    EXPECT_EQ(GetFocus(), shown.field);
    DWORD start = 1, end = 0;
    SendMessageW(shown.field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, longer.size()) << "all selected";
}

TEST(RomsField, EnterAndEscAreTheOpenSuggestionListsOnly) {
    const Field shown;
    bool open = false;
    seams::ActionsDouble actions;
    qennet::ui::ActionGate gate;
    const qennet::ui::PlayerMessages messages(gate);
    qennet::ui::RomsFieldCalls calls;
    calls.context = &open;
    calls.listOpen = [](void* context, const qennet::platform::FolderCompletion&) {
        return *static_cast<bool*>(context);
    };
    qennet::ui::RomsField roms(actions, gate, messages, calls);
    roms.Focused(shown.window);
    for (const bool listOpen : {false, true}) {
        open = listOpen;
        for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}, WPARAM{'A'}}) {
            const MSG pressed = {shown.field, WM_KEYDOWN, key, 0, 0, {}};
            EXPECT_EQ(roms.TakesKey(pressed), listOpen && key != 'A') << key << " " << listOpen;
        }
    }
}

} // namespace
