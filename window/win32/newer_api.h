// The functions of Windows newer than Windows 7 SP1 that the window uses where Windows has
// them, looked up at run time in the system's own DLLs so that tarvik.exe loads on every
// Windows from 7 SP1 to 11, and what the window does instead on a Windows without them.
#pragma once

#include <windows.h>

#include <shellscalingapi.h>

namespace tarvik::win32 {

// The address of the function `name` in the system DLL `dll`, or nullptr where this Windows
// has none.
using FindFunction = FARPROC (*)(const wchar_t* dll, const char* name);

// Looks in the DLL where the process has it loaded already, else loads it by its full path in
// the system folder: never a DLL of that name from beside the program.
FARPROC FindInSystemDll(const wchar_t* dll, const char* name);

// One function of a system DLL, looked up the first time it is asked for (so that a DLL the
// program does not otherwise load, shcore.dll, is loaded only where its function is needed);
// false where this Windows lacks it.
template <typename Function>
class Newer {
  public:
    Newer(FindFunction find, const wchar_t* dll, const char* name)
        : find_(find), dll_(dll), name_(name) {}
    explicit operator bool() const { return Address() != nullptr; }
    template <typename... Arguments>
    auto operator()(Arguments... arguments) const {
        return Address()(arguments...);
    }

  private:
    Function* Address() const {
        if (!looked_) {
            address_ =
                reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(find_(dll_, name_)));
            looked_ = true;
        }
        return address_;
    }

    FindFunction find_;
    const wchar_t* dll_;
    const char* name_;
    mutable bool looked_ = false;
    mutable Function* address_ = nullptr;
};

// Every newer function the program calls, each looked up by `find` in one line here:
// NewerApi{} as on the Windows at hand, NewerApi{find} for another way of finding them.
struct NewerApi {
    FindFunction find = FindInSystemDll;
    Newer<decltype(::GetDpiForWindow)> getDpiForWindow{find, L"user32.dll", "GetDpiForWindow"};
    Newer<decltype(::AdjustWindowRectExForDpi)> adjustWindowRectExForDpi{
        find, L"user32.dll", "AdjustWindowRectExForDpi"};
    Newer<decltype(::SystemParametersInfoForDpi)> systemParametersInfoForDpi{
        find, L"user32.dll", "SystemParametersInfoForDpi"};
    Newer<decltype(::GetDpiForMonitor)> getDpiForMonitor{find, L"shcore.dll", "GetDpiForMonitor"};
    // Windows 8, and Windows 7 with update KB2533623.
    Newer<decltype(::SetDefaultDllDirectories)> setDefaultDllDirectories{
        find, L"kernel32.dll", "SetDefaultDllDirectories"};
};

// The dpi to lay the window out at: the window's own (Windows 10 1607 on), its monitor's
// (Windows 8.1 and 10 before 1607, per-monitor v1), else the system's (Windows 7 and 8).
UINT DpiOf(const NewerApi& newer, HWND window);
// The window rectangle around `client` with the frame drawn at `dpi`. Before Windows 10 1607
// the frame is drawn at the system dpi whatever the window's.
RECT FrameAround(const NewerApi& newer, RECT client, DWORD style, DWORD exStyle, UINT dpi);
// The system's fonts for captions and messages at `dpi`; false where it cannot say.
bool NonClientMetrics(const NewerApi& newer, NONCLIENTMETRICSW& metrics, UINT dpi);
// Lets the program load DLLs from the system folder only, where no one plants a DLL.
void LoadDllsFromSystemOnly(const NewerApi& newer);

}  // namespace tarvik::win32
