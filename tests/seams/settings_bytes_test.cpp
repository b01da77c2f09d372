// The settings file's bytes read and written with the file calls stood in for where Wine differs
// from Windows: it reports every file as archived, has no links to files, takes paths past
// MAX_PATH without the \\?\ prefix, never refuses a folder to its user, and another program
// rarely holds a file at the right moment.
#include "platform/settings_bytes.h"
#include "tests/support/system_error_print.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace qennet::platform;

// What the stand-ins do, and what they saw, in one case.
struct Files {
    std::wstring reportedFor; // the file whose attributes the stand-in reports
    DWORD reported = 0;
    DWORD setOnTemporary = 0; // what the new file was given before its move
    int heldOpens = 0;        // opens of an existing file refused as held by another program
    bool refuseNew = false;   // the folder takes no new files
    int newFiles = 0;         // new files asked for
    bool plant = false;       // a file is planted under the name the next new file is to have
    std::wstring planted;
    std::wstring pointed; // where a link points
};
Files& Of(void* context) {
    return *static_cast<Files*>(context);
}

// As Windows does, a path of MAX_PATH characters or more is refused without the \\?\ prefix.
bool Refused(LPCWSTR path) {
    const bool refused = wcslen(path) >= MAX_PATH && wcsncmp(path, L"\\\\?\\", 4) != 0;
    if (refused)
        SetLastError(ERROR_PATH_NOT_FOUND);
    return refused;
}

DWORD Attributes(void* context, LPCWSTR path) {
    if (Refused(path))
        return INVALID_FILE_ATTRIBUTES;
    const Files& files = Of(context);
    return _wcsicmp(path, files.reportedFor.c_str()) == 0 ? files.reported
                                                          : GetFileAttributesW(path);
}

BOOL SetAttributes(void* context, LPCWSTR path, DWORD attributes) {
    Of(context).setOnTemporary = attributes;
    return !Refused(path) && SetFileAttributesW(path, attributes);
}

HANDLE Create(void* context, LPCWSTR path, DWORD access, DWORD share,
              LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags, HANDLE model) {
    if (Refused(path))
        return INVALID_HANDLE_VALUE;
    Files& files = Of(context);
    files.newFiles += disposition == CREATE_NEW;
    if (disposition == CREATE_NEW && files.plant) {
        files.plant = false;
        files.planted = path;
        HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "planted", 7, &written, nullptr);
        CloseHandle(file);
    }
    const DWORD refusal = disposition == CREATE_NEW && files.refuseNew ? ERROR_ACCESS_DENIED
                          : disposition == OPEN_EXISTING && files.heldOpens && files.heldOpens--
                              ? ERROR_SHARING_VIOLATION
                              : 0;
    SetLastError(refusal);
    return refusal ? INVALID_HANDLE_VALUE
                   : CreateFileW(path, access, share, security, disposition, flags, model);
}

BOOL Move(void*, LPCWSTR from, LPCWSTR to, DWORD flags) {
    return !Refused(from) && !Refused(to) && MoveFileExW(from, to, flags);
}

BOOL Remove(void*, LPCWSTR path) {
    return !Refused(path) && DeleteFileW(path);
}

std::string Read(const std::wstring& path) {
    char bytes[64] = {};
    DWORD read = 0;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    return std::string(bytes, read);
}

class WritingTheSettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temporary[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temporary);
        folder_ =
            temporary + std::wstring(L"qennet-bytes-") + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        calls_.context = &files_;
        calls_.getAttributes = Attributes;
        calls_.setAttributes = SetAttributes;
        calls_.create = Create;
        calls_.move = Move;
        calls_.remove = Remove;
        ASSERT_FALSE(WriteSettingsBytes(Name(L"qennet.cfg"), "old"));
    }
    void TearDown() override {
        for (const std::wstring& name :
             {folder_ + L"\\qennet.cfg", folder_ + L"\\kept.cfg", files_.planted})
            DeleteFileW(name.c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::string Name(const wchar_t* name) const { return WideToUtf8(folder_ + L"\\" + name); }

    std::wstring folder_;
    Files files_;
    SettingsFileCalls calls_;
};

TEST_F(WritingTheSettingsFile, TheReplacedFileKeepsHiddenAndSystemAndIsMarkedAsChanged) {
    const struct {
        DWORD before, given;
    } cases[] = {
        {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE}, // backed up
        {FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE,
         FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE},
        {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, FILE_ATTRIBUTE_ARCHIVE},
        {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_ARCHIVE},
        {INVALID_FILE_ATTRIBUTES, FILE_ATTRIBUTE_ARCHIVE}, // a first file
    };
    files_.reportedFor = L"\\\\?\\" + folder_ + L"\\qennet.cfg";
    for (const auto& c : cases) {
        files_.reported = c.before;
        files_.setOnTemporary = 0;
        EXPECT_FALSE(WriteSettingsBytes(Name(L"qennet.cfg"), "new", calls_));
        EXPECT_EQ(files_.setOnTemporary, c.given) << "before: " << c.before;
    }
}

TEST_F(WritingTheSettingsFile, ALinkIsWrittenWhereItPoints) {
    ASSERT_FALSE(WriteSettingsBytes(Name(L"kept.cfg"), "old"));
    files_.pointed = folder_ + L"\\kept.cfg";
    calls_.linkTarget = [](void* context, const std::wstring&) { return Of(context).pointed; };
    files_.reportedFor = L"\\\\?\\" + folder_ + L"\\qennet.cfg";
    files_.reported = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE;
    EXPECT_FALSE(WriteSettingsBytes(Name(L"qennet.cfg"), "new", calls_));
    EXPECT_EQ(Read(files_.pointed), "new");
    EXPECT_EQ(Read(files_.reportedFor), "old") << "the link was replaced";
}

// From about 239 characters the temporary file's path passes MAX_PATH before qennet.cfg's does;
// from 249 qennet.cfg's own path is 260 characters or more.
TEST_F(WritingTheSettingsFile, AFolderOfAnyLengthIsSavedAndReadBack) {
    for (size_t length : {240, 245, 248, 249, 250, 259, 260}) {
        const std::wstring folder =
            L"\\\\?\\" + folder_ + L"\\" + std::wstring(length - folder_.size() - 1, L'x');
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << length;
        const std::string name = WideToUtf8(folder.substr(4) + L"\\qennet.cfg");
        EXPECT_FALSE(WriteSettingsBytes(name, std::to_string(length), calls_)) << length;
        EXPECT_EQ(ReadSettingsBytes(name, 64, calls_).bytes, std::to_string(length)) << length;
        files_.refuseNew = true; // the obstacle's probe reaches the folder too
        EXPECT_EQ(WriteObstacleOf(name, SystemError::Win32(ERROR_ACCESS_DENIED), calls_),
                  WriteObstacle::NoPermission)
            << length;
        files_.refuseNew = false;
        DeleteFileW((folder + L"\\qennet.cfg").c_str());
        RemoveDirectoryW(folder.c_str());
    }
}

TEST_F(WritingTheSettingsFile, AFileHeldForAMomentIsReadAfterAWait) {
    files_.heldOpens = 3;
    const SettingsBytesRead read = ReadSettingsBytes(Name(L"qennet.cfg"), 64, calls_);
    EXPECT_EQ(read.outcome, SettingsBytesRead::Outcome::Read);
    EXPECT_EQ(read.bytes, "old");
}

TEST_F(WritingTheSettingsFile, AFileUnderTheTemporaryNameIsNeverReplaced) {
    files_.plant = true;
    EXPECT_FALSE(WriteSettingsBytes(Name(L"qennet.cfg"), "new", calls_));
    EXPECT_EQ(Read(files_.planted), "planted");
    EXPECT_EQ(Read(folder_ + L"\\qennet.cfg"), "new");
}

// The folder refuses new files, with qennet.cfg there (and writable) or not: told at once.
TEST_F(WritingTheSettingsFile, AFolderThatTakesNoNewFilesIsToldAtOnceAsNoPermission) {
    for (bool there : {true, false}) {
        if (!there)
            DeleteFileW((folder_ + L"\\qennet.cfg").c_str());
        files_.refuseNew = true;
        files_.newFiles = 0;
        const SystemError error = WriteSettingsBytes(Name(L"qennet.cfg"), "new", calls_);
        EXPECT_EQ(error, SystemError::Win32(ERROR_ACCESS_DENIED)) << there;
        EXPECT_EQ(files_.newFiles, 1) << "waited for a folder that refuses: " << there;
        EXPECT_EQ(WriteObstacleOf(Name(L"qennet.cfg"), error, calls_), WriteObstacle::NoPermission)
            << there;
    }
}

TEST_F(WritingTheSettingsFile, AFileHeldOpenIsToldForEveryErrorItCanCause) {
    const struct {
        DWORD error;
        WriteObstacle obstacle;
    } cases[] = {
        {ERROR_SHARING_VIOLATION, WriteObstacle::HeldOpen},
        {ERROR_LOCK_VIOLATION, WriteObstacle::HeldOpen},
        {ERROR_ACCESS_DENIED, WriteObstacle::HeldOpen},
        {ERROR_DISK_FULL, WriteObstacle::Unknown}, // a cause of its own
    };
    HANDLE held = CreateFileW((folder_ + L"\\qennet.cfg").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (const auto& c : cases)
        EXPECT_EQ(WriteObstacleOf(Name(L"qennet.cfg"), SystemError::Win32(c.error), calls_),
                  c.obstacle)
            << c.error;
    CloseHandle(held);
}

} // namespace
