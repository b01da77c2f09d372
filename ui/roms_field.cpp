#include "ui/roms_field.h"

#include "core/command_line.h"
#include "core/dropped_folder.h"
#include "platform/dropped_files.h"
#include "platform/file_exists.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/control_ids.h"
#include "ui/player_texts.h"

#include <vector>

namespace qennet::ui {

std::optional<LRESULT> RomsField::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_ROMS && HIWORD(wParam) == EN_SETFOCUS &&
        !field_) {
        field_ = GetDlgItem(window, IDC_ROMS);
        completion_.Attach(field_); // where the system cannot, the field works as before
    } else if (message == WM_DROPFILES) {
        std::vector<std::string> names;
        for (const std::wstring& name : platform::TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)))
            names.push_back(platform::WideToUtf8(name));
        const std::string folder = DroppedFolder(names, [](const std::string& name) {
            return platform::FolderExists(platform::Utf8ToWide(name));
        });
        if (!folder.empty() && perform_(Action::TakeDroppedFolder))
            TakeDroppedFolder(window, platform::Utf8ToWide(folder));
        return 0;
    }
    return std::nullopt;
}

void RomsField::TakeDroppedFolder(HWND window, const std::wstring& folder) {
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
