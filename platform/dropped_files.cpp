#include "platform/dropped_files.h"

#include "platform/system_library.h"

#include <utility>

namespace qennet::platform {

std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
    static const auto query = LateBound<decltype(&::DragQueryFileW)>(late::kDragQueryFile);
    static const auto finish = LateBound<decltype(&::DragFinish)>(late::kDragFinish);
    std::vector<std::wstring> names;
    const UINT count = query ? query(drop, 0xFFFFFFFF, nullptr, 0) : 0;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        // A name may be longer than MAX_PATH: asked for its length first.
        const UINT length = query(drop, i, nullptr, 0);
        if (length == 0)
            continue;
        std::wstring name(length + 1, L'\0');
        name.resize(query(drop, i, name.data(), length + 1));
        names.push_back(std::move(name));
    }
    if (finish)
        finish(drop);
    return names;
}

} // namespace qennet::platform
