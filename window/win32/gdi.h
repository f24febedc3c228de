// Owners of the GDI objects the Win32 window makes (its font, its brushes), each deleted once,
// when its owner lets go of it.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tarvik::win32 {

struct GdiDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;

}  // namespace tarvik::win32
