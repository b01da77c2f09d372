#include "ui/list_items.h"

namespace qennet::ui {

int ItemAt(HWND list, POINT screen) {
    POINT client = screen;
    ScreenToClient(list, &client);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    RECT item{};
    if (HIWORD(hit) ||
        SendMessageW(list, LB_GETITEMRECT, LOWORD(hit), reinterpret_cast<LPARAM>(&item)) ==
            LB_ERR ||
        !PtInRect(&item, client))
        return -1;
    return LOWORD(hit);
}

} // namespace qennet::ui
