// Drives the real Win32 window the way a user does, for the scenario table shared with the
// other toolkits and for the Win32 window's own tests: focus, keys through the dialog
// navigation, button clicks, and the window's pixels as PrintWindow hands them out.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "window/tests/scenarios.h"
#include "window/win32/main_window.h"
#include "window/win32/newer_api.h"

namespace tarvik::win32::testing {

// The client area's pixels, 0x00RRGGBB, row by row from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;

    // Pixels whose colour passes `test`, in rows [top, bottom).
    template <typename Test>
    int Count(int top, int bottom, Test test) const {
        int count = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, height); ++y) {
            for (int x = 0; x < width; ++x) {
                const DWORD pixel =
                    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)];
                count += test((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF) ? 1 : 0;
            }
        }
        return count;
    }
};

// What the window itself paints (PrintWindow; under wine that leaves the controls out), or
// what stands on the screen in its client area, the controls included.
enum class Source { Window, Screen };
Picture Capture(HWND window, Source source = Source::Window);
bool StronglyRed(DWORD red, DWORD green, DWORD blue);
// Finds none of the functions newer than Windows 7 SP1, as on Windows 7 without updates.
FARPROC FindNothing(const wchar_t* dll, const char* name);

class Win32Driver final : public tarvik::testing::WindowDriver {
  public:
    // `find` looks up the functions newer than Windows 7 SP1 for the window.
    explicit Win32Driver(FindFunction find = FindInSystemDll) : find_(find) {}
    ~Win32Driver() override;
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;
    Win32Driver(Win32Driver&&) = delete;
    Win32Driver& operator=(Win32Driver&&) = delete;

    void Open(std::string_view decimalSeparator) override;
    void Type(std::string_view field, std::string_view utf8) override;
    void Click(std::string_view button) override;
    void Press(std::string_view control, tarvik::testing::Key key) override;
    std::string Focused() override;
    std::string Text(std::string_view field) override;
    std::vector<std::string> DrawnTexts() override;
    int RedPixels(bool inMessageStrip) override;
    void Break(std::string_view field) override;
    std::vector<tarvik::testing::Report> Reports() override { return reports_; }
    std::vector<int> Exits() override { return exits_; }

    win32::Window& Window() { return *window_; }
    HWND Control(std::string_view name) const;
    // Hands the window every message waiting for it, as the program's message loop does.
    void Pump() const;

  private:
    FindFunction find_;
    std::unique_ptr<win32::Window> window_;
    std::vector<tarvik::testing::Report> reports_;
    std::vector<int> exits_;
};

}  // namespace tarvik::win32::testing
