// Not a test: paints the Win32 window, its controls included, into a BMP file for
// scripts/screenshot-windows.sh, optionally after typing three inputs and pressing Calculate.
//   win32_screenshot OUT.bmp [FLOW MINIMUM MAXIMUM]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "window/win32/tests/win32_driver.h"
#include "window/win32/wide.h"

namespace {

using tarvik::win32::Narrow;
using tarvik::win32::testing::UserDecimalSeparator;
using tarvik::win32::testing::Win32Driver;

// The pixels on the screen, copied from the window's own device context: PrintWindow under
// wine leaves the controls out.
std::vector<DWORD> Paint(HWND window, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY | CAPTUREBLT);
    ReleaseDC(window, screen);
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + static_cast<std::ptrdiff_t>(width) * height);
    // GDI leaves the fourth byte 0, which picture viewers take for fully transparent.
    for (DWORD& pixel : pixels) {
        pixel |= 0xFF000000U;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

bool WriteBmp(const std::wstring& path, int width, int height, const std::vector<DWORD>& pixels) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const auto dataSize = static_cast<DWORD>(pixels.size() * sizeof(DWORD));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + dataSize;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels.data(), dataSize, 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 5) {
        std::fputs("usage: win32_screenshot OUT.bmp [FLOW MINIMUM MAXIMUM]\n", stderr);
        return 2;
    }
    Win32Driver driver;
    driver.Open(UserDecimalSeparator());
    if (argc == 5) {
        driver.Type("Text1", Narrow(argv[2]));
        driver.Type("Text2", Narrow(argv[3]));
        driver.Type("Text3", Narrow(argv[4]));
        driver.Click("Command1");
    }
    const HWND window = driver.Window().Handle();
    RECT client{};
    GetClientRect(window, &client);
    if (!WriteBmp(argv[1], client.right, client.bottom,
                  Paint(window, client.right, client.bottom))) {
        std::fputs("win32_screenshot: the picture could not be written\n", stderr);
        return 1;
    }
    return 0;
}
