// A game controller drives the game list and Play: the stand-in controller (the prefix's
// xinput1_4.dll) replays a script, one state a reading.
#include "support.h"

#include <cstdio>

using namespace e2e;

namespace {

using Lines = std::vector<std::string>;

std::wstring InSystemFolder(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetSystemDirectoryW(path, MAX_PATH)) + L"\\" + name;
}

std::string ReadFile(const std::wstring& name) {
    std::string bytes(4096, '\0');
    FILE* file = _wfopen(name.c_str(), L"rb");
    bytes.resize(file ? std::fread(bytes.data(), 1, bytes.size(), file) : 0);
    if (file)
        std::fclose(file);
    return bytes;
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
        script_.clear();
        for (const std::string& line : lines)
            script_ += line + "\n";
        const std::wstring next = path_ + L".new";
        FILE* file = _wfopen(next.c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(script_.data(), 1, script_.size(), file);
        std::fclose(file);
        ASSERT_TRUE(MoveFileExW(next.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING));
    }
    // Waits until the launcher has read the script now playing.
    bool WaitUntilRead(const Launcher& app) {
        readers_.push_back(GetProcessId(app.Process()));
        return WaitUntil([&] { return ReadFile(ReadRecord(readers_.back())) == script_; });
    }

  private:
    static std::wstring ReadRecord(DWORD process) {
        return InSystemFolder(L"qennet-pad-read-" + std::to_wstring(process) + L".txt");
    }
    const std::wstring path_ = InSystemFolder(L"qennet-pad.txt");
    std::string script_;
    std::vector<DWORD> readers_;
};

const char kRest[] = "0 0", kStickDown[] = "0 -32768", kA[] = "0x1000 0", kBack[] = "0x0020 0",
           kLeftShoulder[] = "0x0100 0", kRightShoulder[] = "0x0200 0";

} // namespace

TEST(GamePad, TheStickMovesTheSelectionAndAPlaysOnce) {
    PadScript pad;
    // The double-click time that makes A and Enter at once one gesture, long enough that no
    // stall of this machine parts them.
    const wchar_t doubleClick[] = L"5000";
    const RegistryOverride gesture(L"Control Panel\\Mouse", L"DoubleClickSpeed", REG_SZ,
                                   doubleClick, sizeof doubleClick);
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
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

    // The right shoulder button pages down, the left one up.
    pad.Play({kRest, kRightShoulder, kRest});
    ASSERT_TRUE(WaitUntil([&] { return app.GameSelection() > 7; }));
    const int paged = app.GameSelection();
    pad.Play({kRest, kLeftShoulder, kRest});
    ASSERT_TRUE(WaitUntil([&] { return app.GameSelection() < paged - 1; }));

    // A pressed while a remapper sends Enter for it starts one emulator; the move after it shows
    // the press was read.
    const int before = app.GameSelection();
    pad.Play({kRest, kA, kRest, kStickDown, kRest});
    app.PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return app.GameSelection() == before + 1; }));
    EXPECT_EQ(app.ProgramsStarted(), 2);

    // Back in passing does nothing; held for about a second it closes the launcher as Quit does.
    pad.Play({kRest, kBack, kRest, kStickDown, kRest});
    ASSERT_TRUE(WaitUntil([&] { return app.GameSelection() == before + 2; }));
    pad.Play({kRest, kBack});
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_EQ(folder.Read(L"qennet.cfg"),
              WideToUtf8(std::to_wstring(before + 2)) + "\r\n0\r\n0\r\n\"Roms\"\r\n");
}

// Activated while minimised (started from a shortcut set to run minimised), the window is driven
// once restored, though Windows sends no second activation then.
TEST(GamePad, AWindowActivatedWhileMinimisedIsDrivenOnceRestored) {
    PadScript pad;
    EmulatorFolder folder;
    ASSERT_LAUNCHED(app, folder);
    SendMessageW(app.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(IsIconic(app.Window()));
    // What Windows sends a minimised window as it activates it, sent by hand: Wine activates a
    // minimised window otherwise.
    SendMessageW(app.Window(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, TRUE), 0);
    ShowWindowAsync(app.Window(), SW_SHOWNOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(app.Window()); }));

    pad.Play({kRest, kStickDown, kRest});
    ASSERT_TRUE(WaitUntil([&] { return app.GameSelection() == 1; }));
}

// A held when the window becomes active (still down from the game) does nothing until it is
// pressed again, and a launcher behind another window is not driven at all.
TEST(GamePad, NeitherAButtonHeldAtActivationNorAWindowBehindActs) {
    PadScript pad;
    pad.Play({kA});
    EmulatorFolder behindFolder(EmulatorFolder::Standard, L"behind");
    ASSERT_LAUNCHED(behind, behindFolder);
    ASSERT_TRUE(pad.WaitUntilRead(behind));
    EmulatorFolder frontFolder(EmulatorFolder::Standard, L"front");
    ASSERT_LAUNCHED(front, frontFolder);
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
