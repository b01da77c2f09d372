// The settings file's bytes written with the attribute and link calls observed: Wine reports
// every file as archived and has no links to files, so what a replaced file keeps on Windows is
// seen here.
#include "platform/settings_bytes.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using qennet::platform::SettingsFileCalls;
using qennet::platform::WriteSettingsBytes;

std::wstring reportedFor; // the file whose attributes the stand-in reports
DWORD reported = 0;
DWORD setOnTemporary = 0; // what the new file was given before its move

DWORD WINAPI ReportedAttributes(LPCWSTR path) {
    return _wcsicmp(path, reportedFor.c_str()) == 0 ? reported : GetFileAttributesW(path);
}

BOOL WINAPI RecordAttributes(LPCWSTR path, DWORD attributes) {
    setOnTemporary = attributes;
    return SetFileAttributesW(path, attributes);
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
        calls_.getAttributes = ReportedAttributes;
        calls_.setAttributes = RecordAttributes;
        ASSERT_EQ(WriteSettingsBytes(Name(L"qennet.cfg"), "old"), 0u);
        reportedFor = folder_ + L"\\qennet.cfg";
    }
    void TearDown() override {
        for (const wchar_t* name : {L"qennet.cfg", L"kept.cfg"})
            DeleteFileW((folder_ + L"\\" + name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::string Name(const wchar_t* name) const {
        return qennet::platform::WideToUtf8(folder_ + L"\\" + name);
    }

    std::wstring folder_;
    SettingsFileCalls calls_;
};

TEST_F(WritingTheSettingsFile, TheReplacedFileKeepsItsHiddenSystemAndArchiveAttributes) {
    const struct {
        DWORD before, given;
    } cases[] = {
        {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN}, // no archive stays no archive
        {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE,
         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
        {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, FILE_ATTRIBUTE_ARCHIVE},
        {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL},
    };
    for (const auto& c : cases) {
        reported = c.before;
        setOnTemporary = 0;
        EXPECT_EQ(WriteSettingsBytes(Name(L"qennet.cfg"), "new", calls_), 0u);
        EXPECT_EQ(setOnTemporary, c.given) << "before: " << c.before;
    }
}

TEST_F(WritingTheSettingsFile, ALinkIsWrittenWhereItPoints) {
    ASSERT_EQ(WriteSettingsBytes(Name(L"kept.cfg"), "old"), 0u);
    static std::wstring pointed;
    pointed = folder_ + L"\\kept.cfg";
    calls_.linkTarget = [](const std::wstring&) { return pointed; };
    reported = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE;
    EXPECT_EQ(WriteSettingsBytes(Name(L"qennet.cfg"), "new", calls_), 0u);
    EXPECT_EQ(Read(pointed), "new");
    EXPECT_EQ(Read(reportedFor), "old") << "the link was replaced";
}

} // namespace
