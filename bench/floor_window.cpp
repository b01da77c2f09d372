// The structural floor of the start-up benchmark: qennet's window as it first appears (the same
// twelve controls from the same layout table, the same font, manifest, icon, texts, selections
// and centring) with none of the launcher's logic and without the C++ library. qennet.exe cannot
// start faster than this.
#include "core/catalogue.h"
#include "ui/control_ids.h"
#include "ui/frmMain_layout.h"

#include <windows.h>
#include <commctrl.h>

namespace {

using namespace qennet::ui;

constexpr wchar_t kClassName[] = L"QennetBenchFloor";
// The option lists' entries. Kept here because the core's copies sit beside logic that would bring
// in the C++ library; the benchmark checks that both windows show the same texts. The Glide
// entry ends in the ANSI code page's superscript three, converted when the list is filled.
constexpr const char* kRendererLabels[] = {"Default",    "Vuldra's 3dfx Glide", "Omrik Soft",
                                           "Velk's D3D", "Velk's OpenGL",       "Velk's OpenGL2"};
constexpr unsigned char kGlideSuffix = 179;
constexpr const char* kScopeLabels[] = {"Default", "Global", "System Specific", "Game Specific"};

int dpi = 96;
int Scale(int pixelsAt96Dpi) {
    return MulDiv(pixelsAt96Dpi, dpi, 96);
}

// Adds UTF-8 text, plus one ANSI character when given, as the launcher's lists show it.
void AddText(HWND list, UINT message, std::string_view text, unsigned char ansiSuffix = 0) {
    wchar_t wide[128];
    int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide, 126);
    if (ansiSuffix) {
        const char byte = static_cast<char>(ansiSuffix);
        length += MultiByteToWideChar(CP_ACP, 0, &byte, 1, wide + length, 1);
    }
    wide[length] = L'\0';
    SendMessageW(list, message, 0, reinterpret_cast<LPARAM>(wide));
}

HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void CreateControls(HWND window, HINSTANCE instance, HFONT font) {
    for (const ControlLayout& layout : kLayout) {
        const bool dropDown = layout.kind == ControlKind::DropDown;
        const qennet::Box& box = layout.design();
        const int height = dropDown ? box.height + kDropDownListHeight : box.height;
        HWND control = CreateWindowExW(
            layout.extendedStyle, WindowClassOf(layout.kind), layout.caption, layout.style,
            Scale(box.left), Scale(box.top), Scale(box.width), Scale(height), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (dropDown) {
            RECT closed{};
            GetWindowRect(control, &closed);
            // The closed field follows the font; brought to the table's height as the launcher
            // does, only when it differs (setting it at all can change it).
            const int itemHeight = static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, -1, 0));
            const int wanted = Scale(box.height);
            const int actual = closed.bottom - closed.top;
            if (itemHeight > 0 && actual != wanted)
                SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                             itemHeight + wanted - actual);
        }
    }
}

void FillLists(HWND window) {
    HWND games = GetDlgItem(window, IDC_GAMES);
    SendMessageW(games, LB_INITSTORAGE, qennet::kGameCount,
                 qennet::kGameCount * 48 * sizeof(wchar_t));
    for (qennet::GameNumber number = 1; number <= qennet::kGameCount; ++number)
        AddText(games, LB_ADDSTRING, qennet::GameTitle(number));
    HWND renderers = GetDlgItem(window, IDC_RENDERER);
    for (const char* label : kRendererLabels)
        AddText(renderers, CB_ADDSTRING, label, label == kRendererLabels[1] ? kGlideSuffix : 0);
    HWND scopes = GetDlgItem(window, IDC_CONTROLLER);
    for (const char* label : kScopeLabels)
        AddText(scopes, CB_ADDSTRING, label);
    SendMessageW(games, LB_SETCURSEL, 0, 0);
    SendMessageW(renderers, CB_SETCURSEL, 0, 0);
    SendMessageW(scopes, CB_SETCURSEL, 0, 0);
    SetDlgItemTextW(window, IDC_ROMS, L"Roms");
    // With those choices neither option has settings to open.
    EnableWindow(GetDlgItem(window, IDC_CONFIG_RENDERER), FALSE);
    EnableWindow(GetDlgItem(window, IDC_CONFIG_CONTROLLER), FALSE);
}

void Centre(HWND window) {
    RECT work{}, frame{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr,
                 work.left + (work.right - work.left - (frame.right - frame.left)) / 2,
                 work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Play starts the command line given to the floor, as the launcher starts the emulator: the
// click and CreateProcessW with nothing in between, for the Play benchmark.
wchar_t playCommand[1024];

void Play() {
    if (!playCommand[0])
        return;
    wchar_t commandLine[1024];
    lstrcpynW(commandLine, playCommand, 1024);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_PLAY && HIWORD(wParam) == BN_CLICKED) {
        Play();
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    lstrcpynW(playCommand, arguments, 1024);
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_USEREX_CLASSES;
    InitCommonControlsEx(&controls);

    HDC screen = GetDC(nullptr);
    dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QENNET));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, Scale(qennet::kFormClient.width), Scale(qennet::kFormClient.height)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, kClassName, L"Vresk", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, instance, nullptr);
    HFONT font = MessageFont();
    CreateControls(window, instance, font);
    FillLists(window);
    Centre(window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return static_cast<int>(message.wParam);
}
