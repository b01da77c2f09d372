#pragma once
// Shared help for the end-to-end tests: a fresh emulator folder per test, the launcher started in
// it and driven through its window's controls, and what the stand-in programs recorded.
//
// Everything the launcher does in answer to a message runs on its one thread, so the driver posts
// its input (clicks, keys) and then waits until a marker message posted after it has been
// handled (Flush). Programs the launcher starts are counted through a job object: the launcher
// and everything it starts belong to it, and the job reports each new process and each exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/support/handle.h"
#include "tests/support/registry_override.h"
#include "tests/support/remote_memory.h"
#include "tests/support/wait.h"
#include "tests/support/windows.h"
#include "ui/control_ids.h"

namespace e2e {

// The launcher's own UTF-8 conversions.
using qennet::platform::Utf8ToWide;
using qennet::platform::WideToUtf8;

// The programs this build made, handed over by the test runner as Windows paths.
struct BuildFiles {
    std::wstring launcher;        // qennet.exe
    std::wstring recorder;        // stand-in emulator and text editor
    std::wstring plugin;          // stand-in renderer plug-in with GPUconfigure
    std::wstring noExport;        // a library without GPUconfigure
    std::wstring dependentPlugin; // a plug-in that needs noExport to load
    std::wstring internalError;   // a program that stops on an internal error
    std::wstring work;            // where the tests make their folders
};
const BuildFiles& Build();

// A fresh folder for the running test, under the work folder, named after the test (and an
// optional suffix for a second folder). By default it holds the launcher, the stand-in emulator
// as Vresk.exe and the stand-in editor as NOTEPAD.EXE. The folder is removed when the test
// passed and kept for inspection when it failed.
class EmulatorFolder {
  public:
    enum Contents { Empty, LauncherOnly, Standard };
    explicit EmulatorFolder(Contents contents = Standard, const std::wstring& suffix = L"");
    ~EmulatorFolder();
    EmulatorFolder(const EmulatorFolder&) = delete;
    EmulatorFolder& operator=(const EmulatorFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(const std::wstring& name) const { return path_ + L"\\" + name; }

    void CopyIn(const std::wstring& from, const std::wstring& name) const;
    void AddEmulator() const { CopyIn(Build().recorder, L"Vresk.exe"); }
    void AddEditor() const { CopyIn(Build().recorder, L"NOTEPAD.EXE"); }
    void AddPlugin(const std::wstring& name) const { CopyIn(Build().plugin, name); }
    void AddLibraryWithoutEntry(const std::wstring& name) const { CopyIn(Build().noExport, name); }
    void AddPluginMissingItsLibrary(const std::wstring& name) const {
        CopyIn(Build().dependentPlugin, name);
    }
    void Write(const std::wstring& name, const std::string& bytes) const;
    void MakeDirectory(const std::wstring& name) const;
    void SetAttributes(const std::wstring& name, DWORD attributes) const;
    void Remove(const std::wstring& name) const;

    bool Exists(const std::wstring& name) const;
    std::string Read(const std::wstring& name) const; // empty when missing
    // The lines a stand-in recorded ("Vresk.log", "NOTEPAD.log", "GPUconfigure.log"...).
    std::vector<std::string> Lines(const std::wstring& name) const;
    // The names in the folder, sorted.
    std::vector<std::wstring> List() const;

  private:
    std::wstring path_;
};

// The start every test makes: the launcher started (with the constructor's arguments: its
// emulator folder, and another executable where given), and the test ended when its window was
// not found.
#define ASSERT_LAUNCHED(app, ...)                                                                  \
    ::e2e::Launcher app(__VA_ARGS__);                                                              \
    ASSERT_TRUE(app.Started()) << "the launcher's window was not found"

enum class CloseBy { QuitButton, CloseBox, CloseMessage };
class Launcher;
// Closes the launcher and checks that it ended cleanly (exit code 0).
void CloseAndWait(Launcher& app, CloseBy how = CloseBy::QuitButton);

// The launcher, started in an emulator folder (its working directory) and found by its window.
class Launcher {
  public:
    // Starts the launcher copied into the folder.
    explicit Launcher(const EmulatorFolder& folder);
    // Starts the given launcher executable with the folder as its working directory.
    Launcher(const EmulatorFolder& folder, const std::wstring& executable);
    // Ends whatever is still running (the launcher and the programs it started).
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // True once the window was found; the constructor reports a failure otherwise.
    bool Started() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    HWND Control(int id) const;
    HANDLE Process() const { return process_.Get(); }
    DWORD ThreadId() const { return threadId_; }
    bool Running() const;

    std::wstring Caption() const;
    std::wstring Text(int id) const;
    int GameSelection() const;
    int GameCount() const;
    std::wstring GameTitle(int index) const;
    int ComboSelection(int id) const;
    std::vector<std::wstring> ComboItems(int id) const;
    bool Enabled(int id) const;
    HWND Focus() const;
    // The control's rectangle in the window's client coordinates.
    RECT ControlRect(int id) const;
    // The text field's selection as start and end.
    std::pair<int, int> Selection(int id) const;

    // Input, each followed by a Flush.
    void ClickGame(int index);
    void DoubleClickGame(int index);
    // A right-click on a game, which opens the game list's menu; returns once the menu is open
    // (or the test failed).
    void RightClickGame(int index);
    void SelectCombo(int id, int index);
    void SetText(int id, const std::wstring& text);
    void Type(int id, const std::wstring& text);
    void Click(int id);
    // A mouse click into a text field, as Windows' edit control handles it: it takes the focus,
    // then places the caret at the click (Wine's places the caret first).
    void ClickTextField(int id);
    void PressKey(UINT key);
    // What the system sends a window moved to a monitor of another density: WM_DPICHANGED with
    // the rectangle it suggests, written into the launcher's memory (the message's pointer is
    // not carried across processes). Returns once the launcher has handled it.
    void ChangeDpi(int dpi, const RECT& suggested);
    // What the system asks before such a move (WM_GETDPISCALEDSIZE): the window's outer size at
    // that density. {0, 0} when the launcher leaves it to the system.
    SIZE ScaledSizeAt(int dpi);
    // Clicks the game list's selected item (or the first one) to put the focus there, then
    // presses Tab the given number of times.
    void FocusByTab(int tabs);

    // Waits until everything posted to the launcher so far has been handled. Returns false when
    // the window is gone.
    bool Flush();
    // Waits until the system's double-click time has passed since the input handled last: a Play
    // then is a new gesture, not the same one once more.
    void WaitOutTheGesture();

    // Programs the launcher started so far (not counting itself).
    int ProgramsStarted();
    // Waits until every program it started has ended, so their records are complete.
    void WaitForPrograms();
    // Clicks a button that starts one program (Play, an editor's "..."), checks that exactly one
    // started, and waits until it has ended. Programs started back to back append to a shared
    // record in whatever order they happen to run; waiting for each keeps the order of the clicks.
    // (Play with the line it started last is the same gesture until WaitOutTheGesture.)
    void ClickAndWaitForProgram(int id);

    void Close(CloseBy how);
    // Waits for the launcher to end and returns its exit code; a launcher still running after the
    // deadline is killed and the test fails.
    DWORD WaitForExit();

    // Top-level dialogs ("#32770") owned by the launcher's window: message boxes and the folder
    // browser.
    std::vector<HWND> OwnedDialogs() const;
    // Waits for exactly one owned dialog and returns it (nullptr and a failure otherwise).
    HWND WaitForDialog();
    // Every text of a dialog's static controls, joined by line ends.
    static std::wstring DialogText(HWND dialog);
    static std::wstring WindowTitle(HWND window);
    // Waits for a dialog of the launcher's process with that title, owned or not (a plug-in's
    // settings dialog), and returns it (nullptr and a failure otherwise).
    HWND WaitForDialogTitled(const std::wstring& title);
    // Presses one of a dialog's buttons and waits until the dialog is gone.
    void CloseDialog(HWND dialog, int button = IDOK);

  private:
    void Start(const std::wstring& directory, const std::wstring& executable);
    bool OwnsDialog(HWND window) const;
    void DrainJob(DWORD waitMs);
    void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    POINT GameItemCentre(int index);

    Handle process_;
    Handle job_;
    Handle port_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    std::vector<DWORD> started_; // processes started by the launcher
    std::vector<DWORD> ended_;
    DWORD handledAt_ = 0; // when Flush saw the input handled
};

// The rectangle of a control as left, top, width and height, for readable comparisons.
struct Box {
    int left, top, width, height;
    bool operator==(const Box& other) const {
        return left == other.left && top == other.top && width == other.width &&
               height == other.height;
    }
};
Box ToBox(const RECT& rect);
void PrintTo(const Box& box, std::ostream* out);

// The window is centred in the work area, within one pixel.
void ExpectCentredIn(HWND window, const RECT& workArea);

// Exactly one message box owned by the launcher's window, captioned "Qennet", whose text names
// the given file or program; it is closed, and the launcher is still running afterwards.
void ExpectOneMessageNaming(Launcher& app, const std::wstring& name);

// A recorded command line split into its arguments as the emulator's C runtime splits it
// (CommandLineToArgvW gives the same split), each argument as UTF-8.
std::vector<std::string> Arguments(const std::string& commandLine);
// Each recorded line split so.
std::vector<std::vector<std::string>> ArgumentsOfEach(const std::vector<std::string>& lines);

// Waits for exactly one message box owned by the launcher's window, captioned "Qennet", closes it
// and returns its text.
std::wstring CloseOneMessage(Launcher& app);

// The control ID of the window that has the keyboard focus, or 0.
int FocusId(const Launcher& app);

// The text of the balloon the launcher shows at a field, or empty while none is shown.
std::wstring BalloonText(const Launcher& app);

} // namespace e2e
