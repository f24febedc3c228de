// tarvik.exe as the user starts it: its window comes up, laid out and centred, and closing it
// ends the program with status 0.
#include <windows.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "window/layout.h"
#include "window/twips.h"
#include "window/win32/wide.h"

namespace {

using tarvik::win32::Widen;
using tarvik::win32::WindowText;

// The program started, ended when the test stops early: a program left running would keep
// ctest waiting on its output.
class Started {
  public:
    explicit Started(std::wstring command) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info_) == FALSE) {
            info_ = {};
        }
    }
    ~Started() {
        if (info_.hProcess != nullptr) {
            if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(info_.hProcess, 1);
            }
            CloseHandle(info_.hThread);
            CloseHandle(info_.hProcess);
        }
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    Started(Started&&) = delete;
    Started& operator=(Started&&) = delete;

    HANDLE Process() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }

  private:
    PROCESS_INFORMATION info_{};
};

// The shown window of class TARVIK that the process owns: the window tests that ctest runs
// beside this one make windows of that class too.
HWND ShownWindowOf(DWORD processId) {
    const std::wstring className = Widen(tarvik::kWindowLayout.name);
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className.c_str(), nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) != FALSE) {
            return window;
        }
    }
    return nullptr;
}

TEST(TarvikExe, OpensItsWindowCentredAndEndsWithStatus0WhenClosed) {
    const char* program = std::getenv("TARVIK_EXE");
    ASSERT_NE(program, nullptr) << "TARVIK_EXE names no program";
    const Started started(L"\"" + Widen(program) + L"\"");
    ASSERT_NE(started.Process(), nullptr) << "the program could not be started";
    WaitForInputIdle(started.Process(), 10000);
    // The window exists, hidden and not yet laid out, while the program builds it: wait for it
    // to show, however slow the machine.
    HWND window = nullptr;
    for (int tries = 0; tries < 200 && window == nullptr; ++tries) {
        window = ShownWindowOf(started.Id());
        if (window == nullptr) {
            Sleep(50);
        }
    }
    ASSERT_NE(window, nullptr) << "the window TARVIK never showed";
    EXPECT_EQ(WindowText(window).value_or(""), tarvik::kWindowLayout.caption);
    RECT client{};
    GetClientRect(window, &client);
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    EXPECT_EQ(client.right, tarvik::TwipsToPixels(tarvik::kWindowLayout.width, dpi));
    EXPECT_EQ(client.bottom, tarvik::TwipsToPixels(tarvik::kWindowLayout.height, dpi));
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);

    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(started.Process(), 10000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(started.Process(), &status);
    EXPECT_EQ(status, 0U);
}

}  // namespace
