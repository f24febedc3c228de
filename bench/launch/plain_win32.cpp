// The yardstick for how fast TARVIK's Win32 window starts: one plain window of the same
// client size holding the same thirteen controls (STATIC, EDIT, BUTTON) with the same
// captions and places in the Japanese dialog font, and nothing else: no colours, tab order,
// DPI handling, icon or drawing.
#include <windows.h>

#include <string>

#include "window/layout.h"

namespace {

constexpr int kDesignDpi = 96;
constexpr int kTwipsPerInch = 1440;
constexpr int kDialogPoints = 9;

int Pixels(int twips) {
    return MulDiv(twips, kDesignDpi, kTwipsPerInch);
}

std::wstring Wide(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassOf(tarvik::ControlKind kind) {
    switch (kind) {
        case tarvik::ControlKind::Label:
            return {L"STATIC", SS_LEFT, 0};
        case tarvik::ControlKind::TextField:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case tarvik::ControlKind::Button:
            break;
    }
    return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"TarvikPlainWindow";
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, Pixels(tarvik::kWindowLayout.width), Pixels(tarvik::kWindowLayout.height)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, Wide(tarvik::kWindowLayout.caption).c_str(),
                        kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                        outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }

    HFONT font =
        CreateFontW(-MulDiv(kDialogPoints, kDesignDpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                    SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, L"MS UI Gothic");
    for (const tarvik::ControlLayout& layout : tarvik::kControls) {
        const ControlClass control = ClassOf(layout.kind);
        HWND child = CreateWindowExW(
            control.extendedStyle, control.name, Wide(layout.caption).c_str(),
            WS_CHILD | WS_VISIBLE | control.style, Pixels(layout.left), Pixels(layout.top),
            Pixels(layout.width), Pixels(layout.height), window, nullptr, instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return static_cast<int>(message.wParam);
}
