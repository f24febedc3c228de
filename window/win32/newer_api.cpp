// The functions of Windows newer than Windows 7 SP1, looked up at run time, and what the
// window does on a Windows without them.
#include "window/win32/newer_api.h"

#include <array>
#include <string>

namespace tarvik::win32 {

FARPROC FindInSystemDll(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr) {
        std::array<wchar_t, MAX_PATH> folder{};
        const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
        if (length == 0 || length >= folder.size()) {
            return nullptr;
        }
        const std::wstring path = std::wstring(folder.data(), length) + L'\\' + dll;
        // Loaded for the life of the process, as the DLLs it imports are.
        module = LoadLibraryExW(path.c_str(), nullptr, 0);
    }
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

UINT DpiOf(const NewerApi& newer, HWND window) {
    if (newer.getDpiForWindow) {
        return newer.getDpiForWindow(window);
    }
    UINT x = 0;
    UINT y = 0;
    if (newer.getDpiForMonitor &&
        SUCCEEDED(newer.getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                         MDT_EFFECTIVE_DPI, &x, &y))) {
        return y;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

RECT FrameAround(const NewerApi& newer, RECT client, DWORD style, DWORD exStyle, UINT dpi) {
    if (newer.adjustWindowRectExForDpi) {
        newer.adjustWindowRectExForDpi(&client, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    }
    return client;
}

bool NonClientMetrics(const NewerApi& newer, NONCLIENTMETRICSW& metrics, UINT dpi) {
    metrics.cbSize = sizeof metrics;
    if (newer.systemParametersInfoForDpi) {
        return newer.systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, UINT{sizeof metrics},
                                                &metrics, 0U, dpi) != FALSE;
    }
    return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != FALSE;
}

void LoadDllsFromSystemOnly(const NewerApi& newer) {
    if (newer.setDefaultDllDirectories &&
        newer.setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE) {
        return;
    }
    // A Windows 7 without KB2533623: at least the current folder is off the search path, and
    // FindInSystemDll loads by full path.
    SetDllDirectoryW(L"");
}

}  // namespace tarvik::win32
