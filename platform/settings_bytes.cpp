#include "platform/settings_bytes.h"

#include "platform/file_exists.h"
#include "platform/paths.h"
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

bool IsMomentaryRead(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// A file held open without FILE_SHARE_DELETE cannot be replaced: ERROR_ACCESS_DENIED on Windows
// and under Wine, or a sharing violation.
bool IsMomentaryReplace(DWORD error) {
    return IsMomentaryRead(error) || error == ERROR_ACCESS_DENIED;
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

// The last error, which some failures leave unset.
DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error ? error : fallback;
}

// The temporary twin is made in the target's own folder, so the final step never crosses volumes.
std::wstring TemporaryNameBeside(const std::wstring& target) {
    const std::wstring folder = target.substr(0, target.find_last_of(L'\\') + 1);
    wchar_t temporary[MAX_PATH];
    if (folder.empty() || !GetTempFileNameW(folder.c_str(), L"qen", 0, temporary))
        return {};
    return temporary;
}

DWORD WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return GetLastError();
    DWORD error = 0;
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get()))
        error = GetLastError();
    if (!file.close() && error == 0)
        error = GetLastError();
    return error;
}

} // namespace

SettingsBytesRead ReadSettingsBytes(const std::string& name, std::size_t largest) {
    SettingsBytesRead result;
    const std::wstring path = Utf8ToWide(name);
    if (FolderExists(path))
        return result; // not a settings file; the save at close reports it
    std::string& bytes = result.bytes;
    const DWORD error = Retried(
        [&]() -> DWORD {
            // Shared every way, so that an editor or sync tool that has it open does not stop us.
            FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
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
        IsMomentaryRead);
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        bytes.clear();
        return result;
    }
    if (error != 0) {
        bytes.clear();
        result.outcome = SettingsBytesRead::Outcome::Unreadable;
        result.error = error;
        return result;
    }
    result.outcome = SettingsBytesRead::Outcome::Read;
    return result;
}

unsigned long WriteSettingsBytes(const std::string& name, const std::string& bytes) {
    const std::wstring target = FullPath(Utf8ToWide(name));
    if (target.empty())
        return LastErrorOr(ERROR_INVALID_NAME);
    // A read-only settings file is the player's wish to keep it as it is; not every file system
    // refuses the replacement by itself. A folder of that name is not ours to replace.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return ERROR_ACCESS_DENIED;
    const std::wstring temporary = TemporaryNameBeside(target);
    if (temporary.empty())
        return LastErrorOr(ERROR_INVALID_NAME);

    // The new file takes the old one's place by a move, and a moved file keeps its own attributes,
    // so it is given the old one's hidden and system attributes first: a hidden qennet.cfg stays
    // hidden. (ReplaceFileW keeps them on Windows, but under Wine it gives the file the new one's
    // and leaves a stray "rf....tmp" file behind at every collision.)
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD kept = attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & kKept;
    DWORD error = WriteWholeFile(temporary, bytes);
    if (error == 0 && kept && !SetFileAttributesW(temporary.c_str(), kept))
        error = GetLastError();
    if (error == 0)
        error = Retried(
            [&]() -> DWORD {
                return MoveFileExW(temporary.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                           ? 0
                           : GetLastError();
            },
            IsMomentaryReplace);
    if (error != 0)
        DeleteFileW(temporary.c_str());
    return error;
}

} // namespace qennet::platform
