// The Win32 window's font: the first Japanese dialog face this Windows has, else the system's
// message font, at the largest size at which every label's caption fits its box at the
// window's dpi; and the height of one line of it, where the surface's next line goes.
#pragma once

#include <windows.h>

#include "window/win32/gdi.h"
#include "window/win32/newer_api.h"

namespace tarvik::win32 {

struct DialogFont {
    Font font;
    int halfPoints = 0;
};

// Measured on `window`'s device context at `dpi`. Throws RunError(ControlFailure) when
// Windows cannot make the font.
DialogFont ChooseDialogFont(HWND window, UINT dpi, const NewerApi& newer);

// The height of one line of `font`, in twips at `dpi`.
int LineHeightTwips(HWND window, HFONT font, UINT dpi);

}  // namespace tarvik::win32
