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
using tarvik::win32::UserDecimalSeparator;
using tarvik::win32::testing::Capture;
using tarvik::win32::testing::Picture;
using tarvik::win32::testing::Source;
using tarvik::win32::testing::Win32Driver;

bool WriteBmp(const std::wstring& path, Picture picture) {
    // GDI leaves the fourth byte 0, which picture viewers take for fully transparent.
    for (DWORD& pixel : picture.pixels) {
        pixel |= 0xFF000000U;
    }
    const std::vector<DWORD>& pixels = picture.pixels;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = picture.width;
    info.biHeight = -picture.height;
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
    driver.Open(UserDecimalSeparator().value());
    if (argc == 5) {
        driver.Type("Text1", Narrow(argv[2]));
        driver.Type("Text2", Narrow(argv[3]));
        driver.Type("Text3", Narrow(argv[4]));
        driver.Click("Command1");
    }
    // The screen's pixels: wine's PrintWindow leaves the controls out.
    if (!WriteBmp(argv[1], Capture(driver.Window().Handle(), Source::Screen))) {
        std::fputs("win32_screenshot: the picture could not be written\n", stderr);
        return 1;
    }
    return 0;
}
