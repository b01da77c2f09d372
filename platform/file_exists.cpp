#include "platform/file_exists.h"

#include "platform/paths.h"
#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {

bool FileExists(const std::string& name) {
    if (name.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    constexpr DWORD kNotAPlainFile =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & kNotAPlainFile) == 0;
}

bool FolderExists(const std::wstring& name, const FolderLookCalls& calls) {
    if (name.empty())
        return false;
    // In the long form, so that a folder of MAX_PATH characters or more is found too.
    const std::wstring full = LongPathForm(FullPath(name));
    const DWORD attributes =
        calls.attributes(calls.context, full.empty() ? name.c_str() : full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::wstring& name) {
    return !name.empty() && GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace qennet::platform
