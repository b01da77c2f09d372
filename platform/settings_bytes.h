#pragma once
// The settings file's bytes on disk (core/settings_encoding.h says what text they hold).
#include "platform/seam.h"
#include "platform/system_error.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace qennet::platform {

// Where a symbolic link points; empty where the system cannot say (Windows XP has no links to
// files, and no GetFinalPathNameByHandleW, which is looked up at the first call).
std::wstring LinkTargetOf(const std::wstring& link);

// The file calls the settings file's read, save and obstacle probe make, each on the \\?\ form of
// a full path, so that a test can stand in for what Wine cannot show: it reports every file as
// archived, its links to files are not links to Windows programs, it takes paths past MAX_PATH
// without the prefix, and a folder that refuses new files (the tests run as root) or a file held
// at the right moment cannot be set up there.
struct SettingsFileCalls {
    using GetAttributesFn = DWORD (*)(void* context, LPCWSTR path);
    using SetAttributesFn = BOOL (*)(void* context, LPCWSTR path, DWORD attributes);
    using LinkTargetFn = std::wstring (*)(void* context, const std::wstring& link);
    using CreateFn = HANDLE (*)(void* context, LPCWSTR path, DWORD access, DWORD share,
                                LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                                HANDLE model);
    using MoveFn = BOOL (*)(void* context, LPCWSTR from, LPCWSTR to, DWORD flags);
    using RemoveFn = BOOL (*)(void* context, LPCWSTR path);
    void* context = nullptr;
    GetAttributesFn getAttributes = SystemCall<&::GetFileAttributesW>::Call;
    SetAttributesFn setAttributes = SystemCall<&::SetFileAttributesW>::Call;
    LinkTargetFn linkTarget = [](void*, const std::wstring& link) { return LinkTargetOf(link); };
    CreateFn create = SystemCall<&::CreateFileW>::Call;
    MoveFn move = SystemCall<&::MoveFileExW>::Call;
    RemoveFn remove = SystemCall<&::DeleteFileW>::Call;
};

struct SettingsBytesRead {
    enum class Outcome { Read, Missing, Unreadable } outcome = Outcome::Missing;
    std::string bytes; // when Read: the file's contents
    SystemError error; // when Unreadable
};

// Reads the file whatever its attributes (hidden, system, read-only). Missing: there is no file
// of that name (or a folder has it). Unreadable: it is there but cannot be read, also after
// waiting about a second for another program that holds it open. Only the first `largest` bytes
// of a bigger file are read.
SettingsBytesRead ReadSettingsBytes(const std::string& name, std::size_t largest,
                                    const SettingsFileCalls& calls = {});

// Replaces the file with the bytes in one step: a temporary file in the same folder is written
// and flushed, then takes the old one's place, so a failure never leaves a truncated file or a
// stray temporary one. The new file keeps the old one's hidden and system attributes and is
// marked as changed (archive), as every file written on Windows is; a symbolic link is written
// where it points and stays a link. A collision with another program that holds the file for a
// moment is retried for about a second; a folder that takes no new files is not waited for. A
// read-only file is never replaced. Returns what failed, if anything.
SystemError WriteSettingsBytes(const std::string& name, const std::string& bytes,
                               const SettingsFileCalls& calls = {});

// What keeps the file from being written or replaced, as far as the file system tells.
enum class WriteObstacle {
    Unknown,      // nothing the file system shows
    Folder,       // a folder has its name
    ReadOnly,     // the file is read-only
    HeldOpen,     // another program has it open and lets nobody else change it
    NoPermission, // the player may not change it, or make files in its folder
};
// Why WriteSettingsBytes failed with `error`: Unknown for an error no obstacle explains (0, a full
// disk), else what the file and its folder show now.
WriteObstacle WriteObstacleOf(const std::string& name, SystemError error,
                              const SettingsFileCalls& calls = {});

} // namespace qennet::platform
