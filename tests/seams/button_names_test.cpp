// The "..." buttons tell screen readers what they do: named when an assistive technology first
// asks for a button's accessible object, never before (naming loads COM). Wine's accessibility
// proxy ignores names given this way, so the naming call itself is observed here.
#include "ui/button_names.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Each control's name as given, and how many were given.
struct Names {
    std::map<HWND, std::wstring> named;
    int namings = 0;
};

bool RecordName(void* context, HWND control, const wchar_t* name) {
    Names& names = *static_cast<Names*>(context);
    ++names.namings;
    names.named[control] = name ? name : L"(none)";
    return true;
}

std::wstring TextOf(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

TEST(ButtonNames, EachButtonIsNamedByWhatItDoesWhenFirstAskedFor) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const struct {
        int id;
        const wchar_t* name;
    } buttons[] = {{IDC_CONFIG_RENDERER, L"Renderer settings"},
                   {IDC_CONFIG_CONTROLLER, L"Controller settings"},
                   {IDC_CONFIG_ROMS, L"Browse for the ROM folder"},
                   {IDC_PLAY, nullptr}};
    // The game list has no label before it: it is named "Games", with nothing shown.
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_GAMES)),
                                GetModuleHandleW(nullptr), nullptr);
    for (const auto& button : buttons) {
        CreateWindowExW(0, L"BUTTON", button.name ? L"..." : L"Play",
                        WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 17, 19, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)),
                        GetModuleHandleW(nullptr), nullptr);
    }
    Names names;
    qennet::ui::NameControlsForScreenReaders(window, {&names, RecordName});
    EXPECT_EQ(names.namings, 0) << "named before any assistive technology asked";

    for (int round = 0; round < 2; ++round) {
        for (const auto& button : buttons) {
            SendMessageW(GetDlgItem(window, button.id), WM_GETOBJECT, 0,
                         static_cast<LPARAM>(OBJID_CLIENT));
        }
        SendMessageW(list, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    }
    EXPECT_EQ(names.namings, 4) << "each control is named once";
    EXPECT_EQ(names.named[list], L"Games");
    EXPECT_EQ(qennet::ui::ButtonName(IDC_GAMES), nullptr) << "the list has no tooltip";
    for (const auto& button : buttons) {
        HWND control = GetDlgItem(window, button.id);
        if (button.name) {
            EXPECT_EQ(names.named[control], button.name);
            EXPECT_EQ(TextOf(control), L"...") << "the caption stays";
        } else {
            EXPECT_EQ(names.named.count(control), 0u) << "Play says what it does itself";
        }
    }
    DestroyWindow(window);
}

} // namespace
