#include "platform/settings_bytes.h"

#include "platform/paths.h"
#include "platform/system_library.h"
#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {
namespace {

// Another program (an editor, a sync tool, antivirus, the indexer) holding the file usually lets
// go within a second.
constexpr int kAttempts = 10;
constexpr DWORD kPauseMs = 100;

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Closes now and tells whether the close went through.
    bool close() {
        const bool closed = valid() && CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

// Another program has the file open (a sharing or lock violation), or it is pending deletion (an
// editor that saves by deleting and renaming), which reads as ERROR_ACCESS_DENIED; a file held
// open without FILE_SHARE_DELETE cannot be replaced either, also ERROR_ACCESS_DENIED.
bool IsMomentary(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

// Runs the step until it succeeds, fails for a lasting reason, or the attempts are used up.
template <typename Step, typename Momentary> DWORD Retried(Step step, Momentary momentary) {
    for (int attempt = 1;; ++attempt) {
        const DWORD error = step();
        if (error == 0 || !momentary(error) || attempt == kAttempts)
            return error;
        Sleep(kPauseMs);
    }
}

// The name's full path in the long form: the temporary file's is longer than the target's. Empty on
// failure (GetLastError tells why).
std::wstring ExtendedFullPath(const std::string& name) {
    return LongPathForm(FullPath(Utf8ToWide(name)));
}

// A name of the launcher's own beside the file, never used twice in a run.
std::wstring NewNameBeside(const std::wstring& file) {
    static unsigned made = 0;
    return file.substr(0, file.find_last_of(L'\\') + 1) + L"~qennet-" +
           DecimalText(GetCurrentProcessId()) + L"-" + DecimalText(++made) + L".tmp";
}

// The new file, made beside the target under a name of the launcher's own with CREATE_NEW (so it
// is never another file), written whole and flushed, with the attributes it is to keep. A virus
// scanner or indexer that opens the new file for a moment is waited for as the move is.
DWORD WriteTemporaryBeside(const std::wstring& target, const std::string& bytes, DWORD attributes,
                           const SettingsFileCalls& calls, std::wstring& temporary) {
    bool refused = false;
    return Retried(
        [&]() -> DWORD {
            HANDLE handle = INVALID_HANDLE_VALUE;
            DWORD error = 0;
            for (int tries = 0; tries < 16 && handle == INVALID_HANDLE_VALUE; ++tries) {
                temporary = NewNameBeside(target);
                handle = calls.create(calls.context, temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
                error = handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
                // Denied a name that is not there, the folder takes no new files, and waiting
                // changes nothing. A name left over from an earlier run that ended at the wrong
                // moment (denied while pending deletion): the next one.
                refused = error == ERROR_ACCESS_DENIED &&
                          calls.getAttributes(calls.context, temporary.c_str()) ==
                              INVALID_FILE_ATTRIBUTES &&
                          GetLastError() == ERROR_FILE_NOT_FOUND;
                if (refused || (error != ERROR_FILE_EXISTS && error != ERROR_ACCESS_DENIED))
                    break;
            }
            FileHandle file(handle);
            if (!file.valid())
                return error;
            DWORD written = 0;
            if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                           nullptr) ||
                written != bytes.size() || !FlushFileBuffers(file.get()))
                error = GetLastError();
            if (!file.close() && error == 0)
                error = GetLastError();
            if (error == 0 && !calls.setAttributes(calls.context, temporary.c_str(), attributes))
                error = GetLastError();
            if (error != 0)
                calls.remove(calls.context, temporary.c_str());
            return error;
        },
        [&](DWORD error) { return !refused && IsMomentary(error); });
}

// The error of opening the path for writing and deleting, sharing everything (0: it opened).
DWORD ProbeError(const std::wstring& path, DWORD disposition, DWORD flags,
                 const SettingsFileCalls& calls) {
    FileHandle probe(calls.create(calls.context, path.c_str(), GENERIC_WRITE | DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  disposition, flags, nullptr));
    return probe.valid() ? 0 : GetLastError();
}

} // namespace

SettingsBytesRead ReadSettingsBytes(const std::string& name, std::size_t largest,
                                    const SettingsFileCalls& calls) {
    SettingsBytesRead result;
    const std::wstring full = ExtendedFullPath(name);
    const std::wstring path = full.empty() ? Utf8ToWide(name) : full;
    const DWORD attributes = calls.getAttributes(calls.context, path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return result; // not a settings file; the save at close reports it
    std::string& bytes = result.bytes;
    const DWORD error = Retried(
        [&]() -> DWORD {
            // Shared every way, so that an editor or sync tool that has it open does not stop us.
            FileHandle file(calls.create(calls.context, path.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file.valid())
                return GetLastError();
            bytes.assign(largest, '\0');
            DWORD read = 0;
            if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(largest), &read, nullptr))
                return GetLastError();
            bytes.resize(read);
            return 0;
        },
        IsMomentary);
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        bytes.clear();
        return result;
    }
    if (error != 0) {
        bytes.clear();
        result.outcome = SettingsBytesRead::Outcome::Unreadable;
        result.error = SystemError::Win32(error);
        return result;
    }
    result.outcome = SettingsBytesRead::Outcome::Read;
    return result;
}

std::wstring LinkTargetOf(const std::wstring& link) {
    using FinalPathFn = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    static const auto finalPath = LateBound<FinalPathFn>(late::kGetFinalPathNameByHandle);
    if (!finalPath)
        return {};
    // Opened through the link, the handle is the file it points to.
    FileHandle file(CreateFileW(link.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return {};
    std::wstring target(finalPath(file.get(), nullptr, 0, 0), L'\0');
    const DWORD length = finalPath(file.get(), target.data(), static_cast<DWORD>(target.size()), 0);
    if (length == 0 || length >= target.size())
        return {};
    target.resize(length);
    return target;
}

SystemError WriteSettingsBytes(const std::string& name, const std::string& bytes,
                               const SettingsFileCalls& calls) {
    std::wstring target = ExtendedFullPath(name);
    if (target.empty())
        return SystemError::LastOr(ERROR_INVALID_NAME);
    DWORD attributes = calls.getAttributes(calls.context, target.c_str());
    // A qennet.cfg that is a symbolic link (to a file in a synced folder, say) is written where it
    // points; replaced, it would become a plain file.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const std::wstring pointed = calls.linkTarget(calls.context, target);
        if (!pointed.empty()) {
            target = LongPathForm(pointed);
            attributes = calls.getAttributes(calls.context, target.c_str());
        }
    }
    // A read-only settings file is the player's wish to keep it as it is; not every file system
    // refuses the replacement by itself. A folder of that name is not ours to replace.
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return SystemError::Win32(ERROR_ACCESS_DENIED);

    // The new file takes the old one's place by a move, and a moved file keeps its own attributes,
    // so it is given the old one's hidden and system first: a hidden qennet.cfg stays hidden.
    // (ReplaceFileW keeps them on Windows, but under Wine it gives the file the new one's and
    // leaves a stray "rf....tmp" file behind at every collision.) Archive always, as Windows marks
    // every file written: backups that copy only changed files take the new choices.
    DWORD kept = FILE_ATTRIBUTE_ARCHIVE;
    if (attributes != INVALID_FILE_ATTRIBUTES)
        kept |= attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    std::wstring temporary;
    DWORD error = WriteTemporaryBeside(target, bytes, kept, calls, temporary);
    if (error != 0)
        return SystemError::Win32(error);
    error = Retried(
        [&]() -> DWORD {
            return calls.move(calls.context, temporary.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                       ? 0
                       : GetLastError();
        },
        IsMomentary);
    if (error != 0)
        calls.remove(calls.context, temporary.c_str());
    return SystemError::Win32(error);
}

WriteObstacle WriteObstacleOf(const std::string& name, SystemError error,
                              const SettingsFileCalls& calls) {
    // The system says "Access is denied." or names a violation for each obstacle the file system
    // can tell apart.
    if (!error.Is(ERROR_ACCESS_DENIED) && !error.Is(ERROR_SHARING_VIOLATION) &&
        !error.Is(ERROR_LOCK_VIOLATION))
        return WriteObstacle::Unknown;
    const std::wstring file = ExtendedFullPath(name);
    const DWORD attributes = calls.getAttributes(calls.context, file.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return WriteObstacle::Folder;
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return WriteObstacle::ReadOnly;
    // Opened as a replacement needs it (written and deleted), sharing everything: only another
    // program's handle or the permissions can refuse that. Then the folder is asked with a new file
    // made and removed again (the file itself where it is missing), as the save makes one.
    DWORD refusal = exists ? ProbeError(file, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, calls) : 0;
    if (refusal == ERROR_SHARING_VIOLATION || refusal == ERROR_LOCK_VIOLATION)
        return WriteObstacle::HeldOpen;
    if (refusal == 0)
        refusal = ProbeError(exists ? NewNameBeside(file) : file, CREATE_NEW,
                             FILE_FLAG_DELETE_ON_CLOSE, calls);
    return refusal == ERROR_ACCESS_DENIED ? WriteObstacle::NoPermission : WriteObstacle::Unknown;
}

} // namespace qennet::platform
