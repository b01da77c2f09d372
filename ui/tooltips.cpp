#include "ui/tooltips.h"

#include <commctrl.h>

namespace qennet::ui {
namespace {

struct Forward {
    HWND owner;
    UINT message;
};

BOOL CALLBACK ForwardIfTooltip(HWND window, LPARAM parameter) {
    const auto* forward = reinterpret_cast<const Forward*>(parameter);
    wchar_t name[32] = {};
    if (GetWindow(window, GW_OWNER) == forward->owner && GetClassNameW(window, name, 32) &&
        lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
        SendMessageW(window, forward->message, 0, 0);
    return TRUE;
}

} // namespace

void ForwardToTooltips(HWND window, UINT message) {
    Forward forward{window, message};
    EnumThreadWindows(GetCurrentThreadId(), ForwardIfTooltip, reinterpret_cast<LPARAM>(&forward));
}

} // namespace qennet::ui
