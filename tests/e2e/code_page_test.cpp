// The launcher's own conversions, run inside the driver, as under the ANSI code page 65001
// (Windows 10 1903 and later, "Use Unicode UTF-8 for worldwide language support"). Wine cannot
// give a process that code page from the registry (it takes it from the Unix locale), and its
// WideCharToMultiByte accepts for UTF-8 what Windows refuses, so the code page is handed in with
// a conversion call that refuses as Windows does.
#include "support.h"

#include "platform/text.h"
#include "ui/stored_choices.h"

using namespace e2e;
using namespace qennet;

namespace {

// Windows: for CP_UTF8 the flags must be 0 (or WC_ERR_INVALID_CHARS) and lpDefaultChar and
// lpUsedDefaultChar NULL, or the call fails with ERROR_INVALID_PARAMETER.
int WideCharToMultiByteAsWindows(void*, UINT codePage, DWORD flags, LPCWCH wide, int wideLength,
                                 LPSTR bytes, int byteLength, LPCCH defaultChar,
                                 LPBOOL usedDefaultChar) {
    if (codePage == CP_UTF8 && ((flags & ~static_cast<DWORD>(WC_ERR_INVALID_CHARS)) != 0 ||
                                defaultChar || usedDefaultChar)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return WideCharToMultiByte(codePage, flags, wide, wideLength, bytes, byteLength, defaultChar,
                               usedDefaultChar);
}

const platform::CodePage kUtf8Ansi = {nullptr, CP_UTF8, WideCharToMultiByteAsWindows};
const platform::CodePage kWestern = {nullptr, 1252, WideCharToMultiByteAsWindows};

const char kJapaneseRoms[] = "C:\\\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0 R\xC3\xB6ms";

// Runs in the folder as the launcher's working directory, and goes back afterwards.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::wstring& path) {
        GetCurrentDirectoryW(MAX_PATH, previous_);
        EXPECT_TRUE(SetCurrentDirectoryW(path.c_str()));
    }
    ~WorkingDirectory() { SetCurrentDirectoryW(previous_); }

  private:
    wchar_t previous_[MAX_PATH] = {};
};

} // namespace

TEST(CodePage65001, EveryTextHasAnAnsiForm) {
    EXPECT_EQ(platform::Utf8ToAnsi(kJapaneseRoms, kUtf8Ansi), std::string(kJapaneseRoms));
    EXPECT_EQ(platform::Utf8ToAnsi("Roms", kUtf8Ansi), std::string("Roms"));
    // The Western code page still refuses what it cannot hold, and converts what it can.
    EXPECT_EQ(platform::Utf8ToAnsi(kJapaneseRoms, kWestern), std::nullopt);
    EXPECT_EQ(platform::Utf8ToAnsi("R\xC3\xB6ms", kWestern), std::string("R\xF6ms"));
}

TEST(CodePage65001, TheRendererLabelsCharacterIsSuperscriptThree) {
    EXPECT_EQ(platform::AnsiCharToWide(179, kUtf8Ansi), L"\u00B3");
    EXPECT_EQ(platform::AnsiCharToWide(179, kWestern), L"\u00B3");
}

TEST(CodePage65001, ChoicesAreSavedAsUtf8AndReadBack) {
    EmulatorFolder folder(EmulatorFolder::Empty);
    WorkingDirectory inFolder(folder.Path());
    StoredChoices choices;
    choices.game = 9;
    choices.renderer = 2;
    choices.scope = 1;
    choices.romsDirectory = kJapaneseRoms;
    ASSERT_FALSE(ui::SaveStoredChoices(choices, kUtf8Ansi));
    // The code page's own bytes, which are UTF-8: no byte-order mark needed.
    EXPECT_EQ(folder.Read(L"qennet.cfg"),
              std::string("9\r\n2\r\n1\r\n\"") + kJapaneseRoms + "\"\r\n");
    const ui::ChoicesRead read = ui::LoadStoredChoices(kUtf8Ansi);
    EXPECT_EQ(read.outcome, ui::ChoicesRead::Outcome::Read);
    EXPECT_EQ(read.choices, choices);
    // The same file also reads right once the player switches the option off again.
    EXPECT_EQ(ui::LoadStoredChoices(kWestern).choices, choices);
}
