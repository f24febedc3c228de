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

using tarvik::win32::Narrow;
using tarvik::win32::Widen;

TEST(TarvikExe, OpensItsWindowCentredAndEndsWithStatus0WhenClosed) {
    const char* program = std::getenv("TARVIK_EXE");
    ASSERT_NE(program, nullptr) << "TARVIK_EXE names no program";
    std::wstring command = L"\"" + Widen(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WaitForInputIdle(process.hProcess, 10000);
    // The window exists, hidden and not yet laid out, while the program builds it: wait for it
    // to show, however slow the machine.
    HWND window = nullptr;
    for (int tries = 0; tries < 200; ++tries) {
        window = FindWindowW(Widen(tarvik::kWindowLayout.name).c_str(), nullptr);
        if (window != nullptr && IsWindowVisible(window) != FALSE) {
            break;
        }
        Sleep(50);
    }
    ASSERT_NE(window, nullptr) << "no window TARVIK came up";
    ASSERT_TRUE(IsWindowVisible(window)) << "the window TARVIK never showed";
    std::wstring caption(64, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(window, caption.data(), 64)));
    EXPECT_EQ(Narrow(caption), tarvik::kWindowLayout.caption);
    RECT client{};
    GetClientRect(window, &client);
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    EXPECT_EQ(client.right, tarvik::TwipsToPixels(tarvik::kWindowLayout.width, dpi));
    EXPECT_EQ(client.bottom, tarvik::TwipsToPixels(tarvik::kWindowLayout.height, dpi));
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);

    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 0U);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
