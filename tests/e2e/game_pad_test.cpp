// A game controller drives the game list and Play: the stand-in controller (the prefix's
// xinput1_4.dll) replays a script, one state a reading.
#include "support.h"

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

std::wstring SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetSystemDirectoryW(path, MAX_PATH));
}

std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string ReadFile(const std::wstring& name) {
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    char buffer[4096];
    DWORD read = 0;
    const BOOL done = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return done ? std::string(buffer, read) : std::string();
}

// The controller's script, replaced whole (the stand-in reads the new one from its first line);
// no controller once the test ends.
class PadScript {
  public:
    ~PadScript() {
        DeleteFileW(path_.c_str());
        for (DWORD process : readers_)
            DeleteFileW(ReadRecord(process).c_str());
    }
    void Play(const Lines& lines) {
        script_ = Joined(lines);
        const std::wstring next = path_ + L".new";
        HANDLE file = CreateFileW(next.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, script_.data(), static_cast<DWORD>(script_.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_TRUE(MoveFileExW(next.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING));
    }
    // Waits until the launcher has read the script now playing.
    bool WaitUntilRead(const Launcher& app) {
        const DWORD process = GetProcessId(app.Process());
        readers_.push_back(process);
        return WaitUntil([&] { return ReadFile(ReadRecord(process)) == script_; });
    }

  private:
    static std::wstring ReadRecord(DWORD process) {
        return SystemFolder() + L"\\qennet-pad-read-" + std::to_wstring(process) + L".txt";
    }
    const std::wstring path_ = SystemFolder() + L"\\qennet-pad.txt";
    std::string script_;
    std::vector<DWORD> readers_;
};

const char kRest[] = "0 0", kStickDown[] = "0 -32768", kA[] = "0x1000 0";

} // namespace

TEST(GamePad, TheStickMovesTheSelectionAndAPlaysOnce) {
    PadScript pad;
    EmulatorFolder folder;
    Launcher app(folder);
    ASSERT_TRUE(app.Started());
    app.ClickGame(4);

    pad.Play({kRest, kStickDown, kRest});
    ASSERT_TRUE(WaitUntil([&] { return app.GameSelection() == 5; }));
    EXPECT_EQ(app.Caption(), L"Vresk: " + app.GameTitle(5));

    // A held for several readings starts one emulator; the move after it shows the hold is over.
    pad.Play({kRest, kA, kA, kA, kA, kRest, kStickDown, kRest});
    ASSERT_TRUE(WaitUntil([&] { return app.GameSelection() == 6; }));
    EXPECT_EQ(app.ProgramsStarted(), 1);
    app.WaitForPrograms();
    EXPECT_EQ(folder.Lines(L"Vresk.log"), Lines{"Vresk.exe 6 --roms-directory=Roms"});
}

// A held when the window becomes active (still down from the game) does nothing until it is
// pressed again, and a launcher behind another window is not driven at all.
TEST(GamePad, NeitherAButtonHeldAtActivationNorAWindowBehindActs) {
    PadScript pad;
    pad.Play({kA});
    EmulatorFolder behindFolder(EmulatorFolder::Standard, L"behind");
    Launcher behind(behindFolder);
    ASSERT_TRUE(behind.Started());
    ASSERT_TRUE(pad.WaitUntilRead(behind));
    EmulatorFolder frontFolder(EmulatorFolder::Standard, L"front");
    Launcher front(frontFolder);
    ASSERT_TRUE(front.Started());
    ASSERT_TRUE(pad.WaitUntilRead(front)) << "the launcher in front reads no controller";
    const int behindSelection = behind.GameSelection();
    const int frontSelection = front.GameSelection();

    Lines lines = {kRest, kStickDown};
    lines.insert(lines.end(), 30, kRest); // the launcher behind would have read these too
    lines.insert(lines.end(), {kStickDown, kRest});
    pad.Play(lines);
    ASSERT_TRUE(WaitUntil([&] { return front.GameSelection() == frontSelection + 2; }));
    EXPECT_EQ(front.ProgramsStarted(), 0) << "A held at activation played";
    EXPECT_EQ(behind.GameSelection(), behindSelection);
    EXPECT_EQ(behind.ProgramsStarted(), 0);
}
