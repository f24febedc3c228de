// The top-level window registered, created, sized at its dpi and centred.
#include "window/win32/frame.h"

#include "weir/run_error.h"
#include "window/layout.h"
#include "window/twips.h"
#include "window/win32/wide.h"

namespace tarvik::win32 {

namespace {

constexpr const wchar_t* kClassName = L"TARVIK";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;

}  // namespace

HWND CreateFramedWindow(WNDPROC procedure, void* self) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // The program's icon, where the program carries one (tarvik.rc).
    windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw weir::RunError(weir::ErrorKind::ControlFailure,
                             "the window class could not be registered");
    }
    const HWND window = CreateWindowExW(
        kWindowExStyle, kClassName, Widen(kWindowLayout.caption).c_str(), kWindowStyle,
        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, self);
    if (window == nullptr) {
        throw weir::RunError(weir::ErrorKind::ControlFailure, "the window could not be created");
    }
    return window;
}

SIZE OuterSize(const NewerApi& newer, UINT dpi) {
    const int scale = static_cast<int>(dpi);
    const RECT outer = FrameAround(newer,
                                   {0, 0, TwipsToPixels(kWindowLayout.width, scale),
                                    TwipsToPixels(kWindowLayout.height, scale)},
                                   kWindowStyle, kWindowExStyle, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void FitClientArea(HWND window, const NewerApi& newer, UINT dpi) {
    const int scale = static_cast<int>(dpi);
    SIZE outer = OuterSize(newer, dpi);
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame comes out other than the system computed it, correct by the difference.
    RECT client{};
    GetClientRect(window, &client);
    outer.cx += TwipsToPixels(kWindowLayout.width, scale) - client.right;
    outer.cy += TwipsToPixels(kWindowLayout.height, scale) - client.bottom;
    SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnMonitor(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT outer{};
    GetWindowRect(window, &outer);
    const RECT& screen = monitor.rcMonitor;
    SetWindowPos(window, nullptr,
                 screen.left + CentredStart(screen.right - screen.left, outer.right - outer.left),
                 screen.top + CentredStart(screen.bottom - screen.top, outer.bottom - outer.top), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tarvik::win32
