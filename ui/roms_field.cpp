#include "ui/roms_field.h"

#include "core/command_line.h"
#include "core/dropped_folder.h"
#include "platform/dropped_files.h"
#include "platform/file_exists.h"
#include "platform/folder_browser.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/control_ids.h"
#include "ui/player_texts.h"
#include "ui/window_messages.h"

#include <vector>

namespace qennet::ui {

void RomsField::Focused(HWND window) {
    HWND field = GetDlgItem(window, IDC_ROMS);
    if (!field_) {
        field_ = field;
        // Where the system cannot, the field works as before.
        completion_.Attach(field_, platform::CurrentDirectory());
    }
    SendMessageW(field, EM_SETSEL, 0, -1);
    // A mouse click places the caret after the focus arrives; select again once it has.
    PostMessageW(window, kSelectRomsText, 0, 0);
}

void RomsField::SelectAllIfFocused(HWND window) const {
    HWND field = GetDlgItem(window, IDC_ROMS);
    if (GetFocus() == field)
        SendMessageW(field, EM_SETSEL, 0, -1);
}

void RomsField::Browse(HWND window) {
    const platform::FolderChoice choice = [&] {
        const ActionGate::OwnDialog open(gate_);
        return platform::BrowseForFolder(window);
    }();
    if (choice.outcome == platform::FolderChoice::Outcome::Chosen)
        SetWindowTextW(GetDlgItem(window, IDC_ROMS), choice.path.c_str());
    else if (choice.outcome == platform::FolderChoice::Outcome::Failed)
        messages_.Tell(window, kFolderBrowserFailedText, choice.error);
    SetFocus(GetDlgItem(window, IDC_ROMS));
}

void RomsField::Dropped(HWND window, HDROP drop) {
    std::vector<std::string> names;
    for (const std::wstring& name : platform::TakeDroppedFiles(drop))
        names.push_back(platform::WideToUtf8(name));
    const std::string folder = DroppedFolder(names, [this](const std::string& name) {
        return platform::FolderExists(platform::Utf8ToWide(name), calls_);
    });
    if (!folder.empty() && window_.Allows(Action::TakeDroppedFolder))
        Fill(window, platform::Utf8ToWide(folder));
}

void RomsField::Fill(HWND window, const std::wstring& folder) {
    HWND field = GetDlgItem(window, IDC_ROMS);
    SetWindowTextW(field, folder.c_str());
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

bool RomsField::WarnIfMissing(HWND window) {
    HWND field = GetDlgItem(window, IDC_ROMS);
    const std::wstring folder =
        platform::Utf8ToWide(RomsFolderNamed(platform::WideToUtf8(platform::WindowText(field))));
    if (folder.empty() || platform::LookForFolder(folder, calls_) != platform::FolderLook::Missing)
        return false;
    const std::wstring full = platform::FullPath(folder);
    balloon_.Show(field, kRomsFolderMissingTitle,
                  RomsFolderMissingText(full.empty() ? folder : full));
    return true;
}

bool RomsField::TakesKey(const MSG& message) const {
    return field_ && message.hwnd == field_ && message.message == WM_KEYDOWN &&
           (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) &&
           calls_.listOpen(calls_.context, completion_);
}

} // namespace qennet::ui
