#include "platform/folder_look.h"

#include "platform/paths.h"

namespace qennet::platform {
namespace {

// What the looking thread and the caller share; whichever is done with it last frees it, so a
// thread still waiting for a share after the caller gave up finds it there.
struct Look {
    std::wstring path;
    FolderLookCalls calls;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    DWORD error = 0;
    LONG holders = 2;
};

void Release(Look* look) {
    if (InterlockedDecrement(&look->holders) == 0)
        delete look;
}

DWORD WINAPI LookThread(void* parameter) {
    auto* look = static_cast<Look*>(parameter);
    look->attributes = look->calls.attributes(look->calls.context, look->path.c_str());
    look->error = GetLastError();
    Release(look);
    return 0;
}

// The answers that say the folder cannot be there for the emulator either.
constexpr DWORD kNotThere[] = {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_INVALID_DRIVE,
                               ERROR_NOT_READY,      ERROR_BAD_NETPATH,    ERROR_BAD_NET_NAME,
                               ERROR_INVALID_NAME,   ERROR_BAD_PATHNAME};

FolderLook Answer(DWORD attributes, DWORD error) {
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FolderLook::There : FolderLook::Missing;
    for (const DWORD notThere : kNotThere) {
        if (error == notThere)
            return FolderLook::Missing;
    }
    return FolderLook::Unknown;
}

} // namespace

FolderLook LookForFolder(const std::wstring& name, const FolderLookCalls& calls) {
    const std::wstring full = LongPathForm(FullPath(name));
    if (full.empty())
        return FolderLook::Unknown; // a name no path can be made of
    auto* look = new Look{full, calls};
    HANDLE thread = CreateThread(nullptr, 0, LookThread, look, 0, nullptr);
    if (!thread) {
        delete look;
        return FolderLook::Unknown;
    }
    FolderLook answer = FolderLook::Unknown;
    if (WaitForSingleObject(thread, calls.patienceMs) == WAIT_OBJECT_0)
        answer = Answer(look->attributes, look->error);
    CloseHandle(thread);
    Release(look);
    return answer;
}

} // namespace qennet::platform
