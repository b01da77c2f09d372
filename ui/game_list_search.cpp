#include "ui/game_list_search.h"

#include "platform/text.h"

#include <string>

namespace qennet::ui {

LRESULT GameListSearch::Typed(HWND list, wchar_t character, DWORD time) {
    if (character < L' ')
        return -1; // Tab, Enter, Esc and the like are the list's and the dialog keys'
    const auto current = static_cast<ListPosition>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    const std::optional<ListPosition> found =
        search_.Typed(platform::WideToUtf8(std::wstring(1, character)), time, current, Pause());
    return found ? *found : -2;
}

} // namespace qennet::ui
