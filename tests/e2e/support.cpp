#include "support.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <ostream>

// Windows 10 1703 sends it; the headers show it only to programs for that version.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace e2e {
namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[2048] = {};
    DWORD length = GetEnvironmentVariableW(name, value, 2048);
    if (length == 0 || length >= 2048) {
        ADD_FAILURE() << "The environment variable " << WideToUtf8(name)
                      << " is not set; run the tests through ctest.";
        return {};
    }
    std::wstring path(value, length);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// A message sent to the launcher's thread, answered within the deadline or reported.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kDeadlineMs, &result)) {
        if (IsWindow(window)) {
            ADD_FAILURE() << "The launcher did not answer message 0x" << std::hex << message
                          << " within " << std::dec << kDeadlineMs << " ms.";
        }
        return 0;
    }
    return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND window) {
    if (!window) {
        return {};
    }
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

} // namespace

const BuildFiles& Build() {
    static const BuildFiles files = {Environment(L"QENNET_E2E_LAUNCHER"),
                                     Environment(L"QENNET_E2E_RECORDER"),
                                     Environment(L"QENNET_E2E_PLUGIN"),
                                     Environment(L"QENNET_E2E_NO_EXPORT"),
                                     Environment(L"QENNET_E2E_DEPENDENT_PLUGIN"),
                                     Environment(L"QENNET_E2E_INTERNAL_ERROR"),
                                     Environment(L"QENNET_E2E_WORK")};
    return files;
}

// ---------------------------------------------------------------------------------------------

EmulatorFolder::EmulatorFolder(Contents contents, const std::wstring& suffix) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring name = test ? Utf8ToWide(std::string(test->test_suite_name()) + "." + test->name())
                             : std::wstring(L"folder");
    if (!suffix.empty()) {
        name += L"." + suffix;
    }
    path_ = Build().work + L"\\" + name;
    RemoveTree(path_);
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        ADD_FAILURE() << "Cannot make the folder " << WideToUtf8(path_) << " (error "
                      << GetLastError() << ").";
    }
    if (contents != Empty) {
        CopyIn(Build().launcher, L"qennet.exe");
    }
    if (contents == Standard) {
        AddEmulator();
        AddEditor();
    }
}

EmulatorFolder::~EmulatorFolder() {
    if (!::testing::Test::HasFailure()) {
        RemoveTree(path_);
    }
}

void EmulatorFolder::CopyIn(const std::wstring& from, const std::wstring& name) const {
    if (!CopyFileW(from.c_str(), PathOf(name).c_str(), FALSE)) {
        ADD_FAILURE() << "Cannot copy " << WideToUtf8(from) << " to " << WideToUtf8(PathOf(name))
                      << " (error " << GetLastError() << ").";
    }
}

void EmulatorFolder::Write(const std::wstring& name, const std::string& bytes) const {
    Handle file(CreateFileW(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.Valid() ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        ADD_FAILURE() << "Cannot write " << WideToUtf8(PathOf(name)) << ".";
    }
}

void EmulatorFolder::MakeDirectory(const std::wstring& name) const {
    if (!CreateDirectoryW(PathOf(name).c_str(), nullptr)) {
        ADD_FAILURE() << "Cannot make the folder " << WideToUtf8(PathOf(name)) << ".";
    }
}

void EmulatorFolder::SetAttributes(const std::wstring& name, DWORD attributes) const {
    if (!SetFileAttributesW(PathOf(name).c_str(), attributes)) {
        ADD_FAILURE() << "Cannot set the attributes of " << WideToUtf8(PathOf(name)) << ".";
    }
}

void EmulatorFolder::Remove(const std::wstring& name) const {
    const std::wstring path = PathOf(name);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        RemoveTree(path);
    } else if (!DeleteFileW(path.c_str())) {
        ADD_FAILURE() << "Cannot remove " << WideToUtf8(path) << ".";
    }
}

bool EmulatorFolder::Exists(const std::wstring& name) const {
    return GetFileAttributesW(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string EmulatorFolder::Read(const std::wstring& name) const {
    Handle file(CreateFileW(PathOf(name).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return {};
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

std::vector<std::string> EmulatorFolder::Lines(const std::wstring& name) const {
    const std::string bytes = Read(name);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::wstring> EmulatorFolder::List() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                names.push_back(name);
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// ---------------------------------------------------------------------------------------------

Launcher::Launcher(const EmulatorFolder& folder) {
    Start(folder.Path(), folder.PathOf(L"qennet.exe"));
}

Launcher::Launcher(const EmulatorFolder& folder, const std::wstring& executable) {
    Start(folder.Path(), executable);
}

void Launcher::Start(const std::wstring& directory, const std::wstring& executable) {
    // The job holds the launcher and everything it starts; closing it ends them all.
    job_.Reset(CreateJobObjectW(nullptr, nullptr));
    port_.Reset(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    if (!job_.Valid() || !port_.Valid()) {
        ADD_FAILURE() << "Cannot make a job object.";
        return;
    }
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association = {};
    association.CompletionKey = job_.Get();
    association.CompletionPort = port_.Get();
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job_.Get(), JobObjectAssociateCompletionPortInformation,
                                 &association, sizeof association) ||
        !SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &limits,
                                 sizeof limits)) {
        ADD_FAILURE() << "Cannot set up the job object.";
        return;
    }

    std::wstring commandLine = L"\"" + executable + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessW(executable.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr, directory.c_str(), &startup, &created)) {
        ADD_FAILURE() << "Cannot start " << WideToUtf8(executable) << " (error " << GetLastError()
                      << ").";
        return;
    }
    process_.Reset(created.hProcess);
    Handle thread(created.hThread);
    processId_ = created.dwProcessId;
    if (!AssignProcessToJobObject(job_.Get(), process_.Get())) {
        ADD_FAILURE() << "Cannot put the launcher into the job object.";
    }
    ResumeThread(thread.Get());
    WaitForInputIdle(process_.Get(), kDeadlineMs);

    HWND found = nullptr;
    const bool appearedOrEnded = WaitUntil([&] {
        found = FirstOf(TopLevelWindows(processId_, [](HWND window) {
            return ClassOf(window) == QENNET_WINDOW_CLASS && IsWindowVisible(window);
        }));
        return found != nullptr || !Running();
    });
    if (!appearedOrEnded || !found) {
        DWORD exitCode = 0;
        GetExitCodeProcess(process_.Get(), &exitCode);
        ADD_FAILURE() << "The launcher's window (class " << WideToUtf8(QENNET_WINDOW_CLASS)
                      << ") did not appear; "
                      << (Running()
                              ? std::string("the launcher is still running")
                              : "the launcher ended with exit code " + std::to_string(exitCode));
        return;
    }
    window_ = found;
    threadId_ = GetWindowThreadProcessId(window_, nullptr);
    // The launcher starts nothing before its window is up: whatever started in the job so far is
    // Wine's (its services and desktop, started for the session's first program).
    DrainJob(0);
    started_.clear();
}

Launcher::~Launcher() {
    if (process_.Valid() && Running()) {
        TerminateJobObject(job_.Get(), 1);
        WaitForSingleObject(process_.Get(), kDeadlineMs);
    }
    // Closing the job ends any program the launcher started that is still running.
    job_.Reset();
}

bool Launcher::Running() const {
    return process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

HWND Launcher::Control(int id) const {
    HWND control = window_ ? GetDlgItem(window_, id) : nullptr;
    if (!control) {
        ADD_FAILURE() << "The launcher's window has no control with the ID " << id << ".";
    }
    return control;
}

std::wstring Launcher::Caption() const {
    return TextOf(window_);
}

std::wstring Launcher::Text(int id) const {
    return TextOf(Control(id));
}

std::wstring Launcher::WindowTitle(HWND window) {
    return TextOf(window);
}

int Launcher::GameSelection() const {
    return static_cast<int>(Send(Control(IDC_GAMES), LB_GETCURSEL, 0, 0));
}

int Launcher::GameCount() const {
    return static_cast<int>(Send(Control(IDC_GAMES), LB_GETCOUNT, 0, 0));
}

std::wstring Launcher::GameTitle(int index) const {
    HWND list = Control(IDC_GAMES);
    const LRESULT length = Send(list, LB_GETTEXTLEN, index, 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

int Launcher::ComboSelection(int id) const {
    return static_cast<int>(Send(Control(id), CB_GETCURSEL, 0, 0));
}

std::vector<std::wstring> Launcher::ComboItems(int id) const {
    HWND combo = Control(id);
    std::vector<std::wstring> items;
    const LRESULT count = Send(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = Send(combo, CB_GETLBTEXTLEN, index, 0);
        std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        const LRESULT copied = Send(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
        items.push_back(text);
    }
    return items;
}

bool Launcher::Enabled(int id) const {
    HWND control = Control(id);
    return control && IsWindowEnabled(control);
}

HWND Launcher::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId_, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

RECT Launcher::ControlRect(int id) const {
    RECT rect = {};
    HWND control = Control(id);
    if (control && GetWindowRect(control, &rect)) {
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

std::pair<int, int> Launcher::Selection(int id) const {
    const LRESULT range = Send(Control(id), EM_GETSEL, 0, 0);
    return {LOWORD(range), HIWORD(range)};
}

void Launcher::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageW(window, message, wParam, lParam) && IsWindow(window_)) {
        ADD_FAILURE() << "Cannot post message 0x" << std::hex << message << " to the launcher.";
    }
}

POINT Launcher::GameItemCentre(int index) {
    HWND list = Control(IDC_GAMES);
    RECT client = {};
    GetClientRect(list, &client);
    const int itemHeight = static_cast<int>(Send(list, LB_GETITEMHEIGHT, 0, 0));
    const int visible = itemHeight > 0 ? client.bottom / itemHeight : 1;
    int top = static_cast<int>(Send(list, LB_GETTOPINDEX, 0, 0));
    if (index < top || index >= top + visible) {
        Send(list, LB_SETTOPINDEX, index, 0);
        top = static_cast<int>(Send(list, LB_GETTOPINDEX, 0, 0));
    }
    return {client.right / 2, (index - top) * itemHeight + itemHeight / 2};
}

void Launcher::ClickGame(int index) {
    HWND list = Control(IDC_GAMES);
    const POINT at = GameItemCentre(index);
    Post(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    Post(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Flush();
}

void Launcher::DoubleClickGame(int index) {
    HWND list = Control(IDC_GAMES);
    const POINT at = GameItemCentre(index);
    Post(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    Post(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Post(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    Post(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Flush();
}

void Launcher::RightClickGame(int index) {
    HWND list = Control(IDC_GAMES);
    const POINT at = GameItemCentre(index);
    Post(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    Post(list, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(WaitUntil([&] {
        return FirstOf(ThreadWindows(threadId_, [](HWND window) {
                   return ClassOf(window) == L"#32768" && IsWindowVisible(window);
               })) != nullptr;
    })) << "the game list's menu did not open";
}

void Launcher::SelectCombo(int id, int index) {
    // What the drop-down list does when the user picks an entry: select it, then tell the window.
    HWND combo = Control(id);
    Send(combo, CB_SETCURSEL, index, 0);
    Post(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    Flush();
}

void Launcher::SetText(int id, const std::wstring& text) {
    Send(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Flush();
}

void Launcher::Type(int id, const std::wstring& text) {
    HWND field = Control(id);
    Send(field, EM_SETSEL, 0, -1);
    for (wchar_t character : text) {
        Post(field, WM_CHAR, character, 1);
    }
    Flush();
}

void Launcher::Click(int id) {
    HWND button = Control(id);
    if (button && !IsWindowEnabled(button)) {
        ADD_FAILURE() << "The button with the ID " << id << " is disabled and cannot be clicked.";
        return;
    }
    Post(button, BM_CLICK, 0, 0);
    Flush();
}

void Launcher::ClickTextField(int id) {
    HWND field = Control(id);
    RECT client = {};
    GetClientRect(field, &client);
    const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
    // The caret's placement is posted behind the click, with the launcher's thread held so that
    // all of it is queued before the click is handled: whatever the launcher posts while it
    // handles the focus comes after the caret is placed, as on Windows.
    Handle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, threadId_));
    if (!thread.Valid() || SuspendThread(thread.Get()) == static_cast<DWORD>(-1)) {
        ADD_FAILURE() << "Cannot hold the launcher's thread (error " << GetLastError() << ").";
        return;
    }
    Post(field, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Post(field, WM_LBUTTONUP, 0, at);
    Post(field, EM_SETSEL, 1, 1);
    ResumeThread(thread.Get());
    Flush();
}

void Launcher::PressKey(UINT key) {
    HWND target = Focus();
    if (!target) {
        target = window_;
    }
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    Post(target, WM_KEYDOWN, key, 1 | scan);
    Post(target, WM_KEYUP, key, 1 | scan | (LPARAM{3} << 30));
    Flush();
}

void Launcher::ChangeDpi(int dpi, const RECT& suggested) {
    {
        const RemoteMemory remote(process_.Get(), sizeof suggested);
        if (!remote.Address()) {
            ADD_FAILURE() << "Cannot allocate memory in the launcher (error " << GetLastError()
                          << ").";
            return;
        }
        if (remote.Write(0, &suggested, sizeof suggested)) {
            Send(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(remote.Address()));
        } else {
            ADD_FAILURE() << "Cannot write into the launcher's memory (error " << GetLastError()
                          << ").";
        }
    }
    Flush();
}

SIZE Launcher::ScaledSizeAt(int dpi) {
    RECT frame = {};
    GetWindowRect(window_, &frame);
    SIZE size = {frame.right - frame.left, frame.bottom - frame.top};
    const RemoteMemory remote(process_.Get(), sizeof size);
    if (!remote.Address()) {
        ADD_FAILURE() << "Cannot allocate memory in the launcher (error " << GetLastError() << ").";
        return {};
    }
    LRESULT answered = 0;
    if (remote.Write(0, &size, sizeof size)) {
        answered =
            Send(window_, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(remote.Address()));
    }
    if (!answered || !remote.Read(0, &size, sizeof size)) {
        size = {};
    }
    return size;
}

void Launcher::FocusByTab(int tabs) {
    const int selected = GameSelection();
    ClickGame(selected >= 0 ? selected : 0);
    for (int tab = 0; tab < tabs; ++tab) {
        PressKey(VK_TAB);
    }
}

bool Launcher::Flush() {
    // The game list's horizontal extent serves as a marker: posted after the input, it is handled
    // after it, and its effect can be read back. It only matters to a list with a horizontal
    // scroll bar, and it is put back at once.
    if (!window_ || !IsWindow(window_)) {
        return false;
    }
    HWND list = GetDlgItem(window_, IDC_GAMES);
    if (!list) {
        return false;
    }
    const LRESULT extent = Send(list, LB_GETHORIZONTALEXTENT, 0, 0);
    const WPARAM marker = extent == 1 ? 2 : 1;
    if (!PostMessageW(list, LB_SETHORIZONTALEXTENT, marker, 0)) {
        return false;
    }
    bool gone = false;
    const bool handled = WaitUntil([&] {
        if (!IsWindow(list)) {
            gone = true;
            return true;
        }
        return Send(list, LB_GETHORIZONTALEXTENT, 0, 0) == static_cast<LRESULT>(marker);
    });
    if (!handled) {
        ADD_FAILURE() << "The launcher did not handle its input within " << kDeadlineMs << " ms.";
        return false;
    }
    handledAt_ = GetTickCount();
    if (!gone) {
        Send(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
    }
    return !gone;
}

void Launcher::WaitOutTheGesture() {
    const DWORD doubleClick = GetDoubleClickTime();
    WaitUntil([&] { return GetTickCount() - handledAt_ > doubleClick; });
}

// A program of Wine's system folder (services.exe, explorer.exe, winedevice.exe...), which Wine
// starts in the first process that needs it. The launcher never starts one; the stand-ins live
// elsewhere. A process that has already ended cannot be asked, and is not one of these.
static bool IsWineService(DWORD processId) {
    Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t image[MAX_PATH] = {}, system[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const UINT systemLength = GetSystemDirectoryW(system, MAX_PATH);
    if (!process.Valid() || !QueryFullProcessImageNameW(process.Get(), 0, image, &length) ||
        systemLength == 0 || systemLength >= MAX_PATH)
        return false;
    return length > systemLength && image[systemLength] == L'\\' &&
           _wcsnicmp(image, system, systemLength) == 0;
}

void Launcher::DrainJob(DWORD waitMs) {
    DWORD message = 0;
    ULONG_PTR key = 0;
    LPOVERLAPPED detail = nullptr;
    while (port_.Valid() &&
           GetQueuedCompletionStatus(port_.Get(), &message, &key, &detail, waitMs)) {
        waitMs = 0;
        const DWORD processId = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(detail));
        if (processId == processId_) {
            continue;
        }
        if (message == JOB_OBJECT_MSG_NEW_PROCESS) {
            if (!IsWineService(processId))
                started_.push_back(processId);
        } else if (message == JOB_OBJECT_MSG_EXIT_PROCESS ||
                   message == JOB_OBJECT_MSG_ABNORMAL_EXIT_PROCESS) {
            ended_.push_back(processId);
        }
    }
}

int Launcher::ProgramsStarted() {
    DrainJob(0);
    return static_cast<int>(started_.size());
}

void Launcher::WaitForPrograms() {
    const bool ended = WaitUntil([&] {
        DrainJob(0);
        return std::all_of(started_.begin(), started_.end(), [&](DWORD started) {
            return std::find(ended_.begin(), ended_.end(), started) != ended_.end();
        });
    });
    if (!ended) {
        ADD_FAILURE() << "A program the launcher started was still running after " << kDeadlineMs
                      << " ms.";
    }
}

void Launcher::ClickAndWaitForProgram(int id) {
    const int before = ProgramsStarted();
    Click(id);
    // Waiting for the job's report, rather than reading the count once, does not depend on
    // whether the report is queued before the click has been handled.
    if (!WaitUntil([&] { return ProgramsStarted() > before; })) {
        ADD_FAILURE() << "The button with the ID " << id << " started no program.";
        return;
    }
    EXPECT_EQ(ProgramsStarted(), before + 1)
        << "the button with the ID " << id << " started more than one program";
    WaitForPrograms();
}

void Launcher::Close(CloseBy how) {
    switch (how) {
    case CloseBy::QuitButton:
        Post(Control(IDC_QUIT), BM_CLICK, 0, 0);
        break;
    case CloseBy::CloseBox:
        Post(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CloseBy::CloseMessage:
        Post(window_, WM_CLOSE, 0, 0);
        break;
    }
}

DWORD Launcher::WaitForExit() {
    if (!process_.Valid()) {
        return static_cast<DWORD>(-1);
    }
    if (WaitForSingleObject(process_.Get(), kDeadlineMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "The launcher was still running " << kDeadlineMs
                      << " ms after it was asked to close; it was ended by force.";
        TerminateJobObject(job_.Get(), 1);
        WaitForSingleObject(process_.Get(), kDeadlineMs);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process_.Get(), &exitCode);
    return exitCode;
}

bool Launcher::OwnsDialog(HWND window) const {
    return window_ && GetWindow(window, GW_OWNER) == window_ && ClassOf(window) == kDialogClass;
}

std::vector<HWND> Launcher::OwnedDialogs() const {
    return TopLevelWindows([&](HWND window) { return OwnsDialog(window); });
}

HWND Launcher::WaitForDialog() {
    std::vector<HWND> dialogs;
    const bool shown = WaitUntil([&] {
        dialogs = OwnedDialogs();
        return !dialogs.empty() && IsWindowVisible(dialogs.front());
    });
    if (!shown) {
        const size_t unowned = TopLevelWindows(processId_, [&](HWND window) {
                                   return ClassOf(window) == kDialogClass && !OwnsDialog(window);
                               }).size();
        ADD_FAILURE() << "No dialog owned by the launcher's window appeared within " << kDeadlineMs
                      << " ms (dialogs of the launcher's process with another owner: " << unowned
                      << ").";
        return nullptr;
    }
    if (dialogs.size() != 1) {
        ADD_FAILURE() << "Expected one dialog owned by the launcher's window, found "
                      << dialogs.size() << ".";
    }
    return dialogs.front();
}

HWND Launcher::WaitForDialogTitled(const std::wstring& title) {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FirstOf(TopLevelWindows(processId_, [&](HWND window) {
            wchar_t shown[256] = {};
            GetWindowTextW(window, shown, 256);
            return ClassOf(window) == kDialogClass && IsWindowVisible(window) && title == shown;
        }));
        return found != nullptr;
    });
    if (!found) {
        ADD_FAILURE() << "No dialog titled " << WideToUtf8(title) << " appeared within "
                      << kDeadlineMs << " ms.";
    }
    return found;
}

std::wstring Launcher::DialogText(HWND dialog) {
    std::wstring text;
    const std::vector<HWND> statics = ChildWindows(
        dialog, [](HWND window) { return _wcsicmp(ClassOf(window).c_str(), L"Static") == 0; });
    for (HWND label : statics) {
        const std::wstring piece = TextOf(label);
        if (!piece.empty()) {
            if (!text.empty()) {
                text += L"\n";
            }
            text += piece;
        }
    }
    return text;
}

void Launcher::CloseDialog(HWND dialog, int button) {
    Post(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
         reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    if (!WaitUntil([&] { return !IsWindow(dialog); })) {
        ADD_FAILURE() << "The dialog did not close.";
    }
    Flush();
}

// ---------------------------------------------------------------------------------------------

Box ToBox(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PrintTo(const Box& box, std::ostream* out) {
    *out << "{left " << box.left << ", top " << box.top << ", width " << box.width << ", height "
         << box.height << "}";
}

void ExpectCentredIn(HWND window, const RECT& workArea) {
    RECT frame = {};
    ASSERT_TRUE(GetWindowRect(window, &frame));
    const double left =
        workArea.left +
        ((workArea.right - workArea.left) - static_cast<double>(frame.right - frame.left)) / 2.0;
    const double top =
        workArea.top +
        ((workArea.bottom - workArea.top) - static_cast<double>(frame.bottom - frame.top)) / 2.0;
    EXPECT_NEAR(frame.left, left, 1.0)
        << "window " << ::testing::PrintToString(ToBox(frame)) << " in work area "
        << ::testing::PrintToString(ToBox(workArea));
    EXPECT_NEAR(frame.top, top, 1.0)
        << "window " << ::testing::PrintToString(ToBox(frame)) << " in work area "
        << ::testing::PrintToString(ToBox(workArea));
}

void ExpectOneMessageNaming(Launcher& app, const std::wstring& name) {
    HWND box = app.WaitForDialog();
    ASSERT_NE(box, nullptr) << "expected a message naming " << WideToUtf8(name);
    EXPECT_EQ(Launcher::WindowTitle(box), L"Qennet");
    const std::wstring text = Launcher::DialogText(box);
    EXPECT_NE(text.find(name), std::wstring::npos)
        << "the message does not name " << WideToUtf8(name) << ": " << WideToUtf8(text);
    app.CloseDialog(box);
    EXPECT_TRUE(app.OwnedDialogs().empty()) << "a second message followed the first";
    EXPECT_TRUE(app.Running());
}

std::vector<std::string> Arguments(const std::string& commandLine) {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(Utf8ToWide(commandLine).c_str(), &count);
    if (!split) {
        ADD_FAILURE() << "Cannot split the command line " << commandLine;
        return arguments;
    }
    for (int index = 0; index < count; ++index) {
        arguments.push_back(WideToUtf8(split[index]));
    }
    LocalFree(split);
    return arguments;
}

std::vector<std::vector<std::string>> ArgumentsOfEach(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> split;
    for (const std::string& line : lines) {
        split.push_back(Arguments(line));
    }
    return split;
}

std::wstring CloseOneMessage(Launcher& app) {
    HWND box = app.WaitForDialog();
    if (!box) {
        return {};
    }
    EXPECT_EQ(Launcher::WindowTitle(box), L"Qennet");
    const std::wstring text = Launcher::DialogText(box);
    app.CloseDialog(box);
    return text;
}

int FocusId(const Launcher& app) {
    HWND focus = app.Focus();
    if (!focus || !IsChild(app.Window(), focus)) {
        return 0;
    }
    return GetDlgCtrlID(focus);
}

void CloseAndWait(Launcher& app, CloseBy how) {
    app.Close(how);
    EXPECT_EQ(app.WaitForExit(), 0u);
}

std::wstring BalloonText(const Launcher& app) {
    return TextOf(FirstOf(ThreadWindows(app.ThreadId(), [](HWND window) {
        return _wcsicmp(ClassOf(window).c_str(), L"tooltips_class32") == 0 &&
               (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON) && IsWindowVisible(window);
    })));
}

} // namespace e2e
