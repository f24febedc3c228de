// The Win32 window worked through its messages and read back from its controls and pixels.
#include "window/win32/tests/win32_driver.h"

#include <array>
#include <cstddef>
#include <stdexcept>

#include "window/layout.h"
#include "window/twips.h"
#include "window/win32/wide.h"

namespace tarvik::win32::testing {

using tarvik::testing::Key;

Picture Capture(HWND window, Source source) {
    RECT client{};
    GetClientRect(window, &client);
    Picture picture;
    picture.width = client.right;
    picture.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool printed = source == Source::Window
                             ? PrintWindow(window, memory, PW_CLIENTONLY) != FALSE
                             : BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0,
                                      SRCCOPY | CAPTUREBLT) != FALSE;
    GdiFlush();
    if (printed && bits != nullptr) {
        const auto* first = static_cast<const DWORD*>(bits);
        picture.pixels.assign(first,
                              first + static_cast<std::ptrdiff_t>(picture.width) * picture.height);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    if (!printed) {
        throw std::runtime_error("the window's pixels could not be copied");
    }
    return picture;
}

bool StronglyRed(DWORD red, DWORD green, DWORD blue) {
    // The message's dark red (160) as well as the brighter red the surface starts with.
    return red >= 140 && green <= 60 && blue <= 60;
}

FARPROC FindNothing(const wchar_t* /*dll*/, const char* /*name*/) {
    return nullptr;
}

Win32Driver::~Win32Driver() {
    window_.reset();
    Pump();
}

void Win32Driver::Open(std::string_view decimalSeparator) {
    // The window reads the separator from the user's locale, as it does for the user; the
    // test runs each row under a locale that has it (LC_ALL for wine).
    if (UserDecimalSeparator() != std::string(decimalSeparator)) {
        throw std::runtime_error("the user's locale does not write numbers with '" +
                                 std::string(decimalSeparator) + "'");
    }
    window_.reset();
    reports_.clear();
    exits_.clear();
    window_ = std::make_unique<win32::Window>(
        [this](const ErrorBox& box) {
            reports_.push_back({box.kind, box.message});
        },
        [this](int status) { exits_.push_back(status); }, NewerApi{find_});
    window_->Show(SW_SHOWNORMAL);
    Pump();
}

HWND Win32Driver::Control(std::string_view name) const {
    const HWND control = window_->Control(name);
    if (control == nullptr) {
        throw std::invalid_argument("no control " + std::string(name));
    }
    return control;
}

void Win32Driver::Pump() const {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (window_ == nullptr || !window_->TakeDialogKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Win32Driver::Type(std::string_view field, std::string_view utf8) {
    const HWND control = Control(field);
    SetFocus(control);
    Pump();
    // The caret to the end, then one character after the other through the message loop.
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(control));
    SendMessageW(control, EM_SETSEL, end, static_cast<LPARAM>(end));
    for (wchar_t unit : Widen(utf8)) {
        PostMessageW(control, WM_CHAR, unit, 1);
        Pump();
    }
}

void Win32Driver::Click(std::string_view button) {
    SendMessageW(Control(button), BM_CLICK, 0, 0);
    Pump();
}

void Win32Driver::Press(std::string_view control, Key key) {
    const HWND target = Control(control);
    SetFocus(target);
    Pump();
    WPARAM virtualKey = VK_TAB;
    LPARAM flags = 1;
    switch (key) {
        case Key::Tab:
        case Key::BackTab:
            break;
        case Key::Return:
            virtualKey = VK_RETURN;
            break;
        case Key::Enter:  // the keypad's Enter: Return with the extended-key flag
            virtualKey = VK_RETURN;
            flags |= LPARAM{1} << 24;
            break;
        case Key::Escape:
            virtualKey = VK_ESCAPE;
            break;
    }
    // The dialog navigation asks the keyboard state whether Shift is down.
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    std::array<BYTE, 256> pressed = keys;
    if (key == Key::BackTab) {
        pressed[VK_SHIFT] = 0x80;
    }
    SetKeyboardState(pressed.data());
    PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, flags);
    PostMessageW(GetFocus(), WM_KEYUP, virtualKey, flags | (LPARAM{3} << 30));
    Pump();
    SetKeyboardState(keys.data());
}

std::string Win32Driver::Focused() {
    const HWND focus = GetFocus();
    for (const ControlLayout& layout : kControls) {
        if (window_->Control(layout.name) == focus) {
            return layout.name;
        }
    }
    return focus == window_->Handle() ? kWindowLayout.name : "";
}

std::string Win32Driver::Text(std::string_view field) {
    return WindowText(Control(field)).value_or("");
}

std::vector<std::string> Win32Driver::DrawnTexts() {
    return window_->Core().Surface().Texts();
}

int Win32Driver::RedPixels(bool inMessageStrip) {
    Pump();
    const Picture picture = Capture(window_->Handle());
    const int strip = TwipsToPixels(kMessageStripHeight, static_cast<int>(window_->Dpi()));
    return inMessageStrip ? picture.Count(0, strip, StronglyRed)
                          : picture.Count(strip, picture.height, StronglyRed);
}

void Win32Driver::Break(std::string_view field) {
    DestroyWindow(Control(field));
    Pump();
}

}  // namespace tarvik::win32::testing
