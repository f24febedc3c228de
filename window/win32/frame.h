// The Win32 window as a top-level window: its class and styles, its outer size at a dpi around
// a client area of the layout's size in twips, and its place, centred on its monitor.
#pragma once

#include <windows.h>

#include "window/win32/newer_api.h"

namespace tarvik::win32 {

// Registers the window class TARVIK, with the program's icon, the first time, and creates
// the window, hidden and not yet sized; `self` reaches `procedure` with WM_NCCREATE. Throws
// RunError(ControlFailure) when Windows refuses.
HWND CreateFramedWindow(WNDPROC procedure, void* self);

// The window's outer size, its frame drawn at `dpi` around the layout's client area.
SIZE OuterSize(const NewerApi& newer, UINT dpi);

// Sizes `window` so that its client area is the layout's at `dpi`, whatever its frame.
void FitClientArea(HWND window, const NewerApi& newer, UINT dpi);

// Centres `window`, with its frame, on the monitor it stands on.
void CentreOnMonitor(HWND window);

}  // namespace tarvik::win32
