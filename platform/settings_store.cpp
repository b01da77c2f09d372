#include "platform/settings_store.h"

#include "platform/text.h"

#include <windows.h>

namespace qennet::platform {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr DWORD kLargestSettingsFile = 64 * 1024; // four short lines; anything bigger is not ours

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

// The settings file lives in the working directory; its temporary twin is made there too, so the
// final move never crosses volumes.
std::wstring TemporaryNameInWorkingDirectory() {
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(L".", L"qen", 0, temporary))
        return {};
    return temporary;
}

} // namespace

std::optional<std::string> ReadTextFile(const std::string& name) {
    FileHandle file(CreateFileW(Utf8ToWide(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return std::nullopt;
    std::string bytes(kLargestSettingsFile, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), kLargestSettingsFile, &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    if (bytes.compare(0, 3, kUtf8Mark) == 0)
        return bytes.substr(3);
    return AnsiToUtf8(bytes);
}

unsigned long ReplaceTextFile(const std::string& name, const std::string& text) {
    const std::optional<std::string> ansi = Utf8ToAnsi(text);
    if (!ansi)
        return ERROR_NO_UNICODE_TRANSLATION;
    const std::wstring target = Utf8ToWide(name);
    // A read-only settings file is the player's wish to keep it as it is; not every file system
    // refuses the replacement by itself.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return ERROR_ACCESS_DENIED;
    const std::wstring temporary = TemporaryNameInWorkingDirectory();
    if (temporary.empty())
        return GetLastError();

    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD error = 0;
    if (!file.valid()) {
        error = GetLastError();
    } else {
        DWORD written = 0;
        if (!WriteFile(file.get(), ansi->data(), static_cast<DWORD>(ansi->size()), &written,
                       nullptr) ||
            written != ansi->size() || !FlushFileBuffers(file.get()))
            error = GetLastError();
        if (!file.close() && error == 0)
            error = GetLastError();
    }
    if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != 0)
        DeleteFileW(temporary.c_str());
    return error;
}

std::optional<std::string> AnsiStorableText(const std::string& text) {
    if (Utf8ToAnsi(text))
        return text;
    const std::wstring wide = Utf8ToWide(text);
    const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::wstring shortPath(needed, L'\0');
    const DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed)
        return std::nullopt;
    shortPath.resize(length);
    std::string utf8 = WideToUtf8(shortPath);
    if (!Utf8ToAnsi(utf8))
        return std::nullopt;
    return utf8;
}

} // namespace qennet::platform
