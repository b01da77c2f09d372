#pragma once
// Whether a folder is there, as a program started in the working folder will find it, asked on a
// thread of its own: a share whose server is off, or a drive that does not answer, can hold a file
// call for half a minute, and the window waits for the answer only briefly.
#include "platform/seam.h"

#include <windows.h>

#include <string>

namespace qennet::platform {

enum class FolderLook {
    There,
    Missing, // nothing of that name, a file in its place, or no such drive, share or server
    Unknown, // no answer in time, or one that does not tell (the folder may not be read)
};

// The call the folder is looked for with, and how long the caller waits for its answer; a test
// stands in for a share that does not answer. The double receives the context.
struct FolderLookCalls {
    using AttributesFn = DWORD (*)(void* context, LPCWSTR path);
    void* context = nullptr;
    AttributesFn attributes = SystemCall<&::GetFileAttributesW>::Call;
    DWORD patienceMs = 1000;
};

// The folder of that name, relative to the working folder.
FolderLook LookForFolder(const std::wstring& name, const FolderLookCalls& calls = {});

} // namespace qennet::platform
