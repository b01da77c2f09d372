// The empty-window baseline: the least a Windows program with a window does before it is on
// screen. Built a second time with QENNET_BENCH_USE_STRING, where one std::wstring is all that
// differs, to weigh what the C++ library adds to a static exe.
#include <windows.h>

#ifdef QENNET_BENCH_USE_STRING
#include <string>
#endif

namespace {

constexpr wchar_t kClassName[] = L"QennetBenchEmpty";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;
#ifdef QENNET_BENCH_USE_STRING
    // Built from run-time text, so the compiler cannot fold the string away.
    std::wstring caption(commandLine);
    caption += L" - empty";
    const wchar_t* captionText = caption.c_str();
#else
    (void)commandLine;
    const wchar_t* captionText = L"Empty";
#endif
    HWND window = CreateWindowExW(0, kClassName, captionText, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 480, 270, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
