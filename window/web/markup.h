// The window TARVIK as the page's HTML and stylesheet, written from the shared layout when the
// site is built, so that the browser shows the window before its WebAssembly has arrived.
#pragma once

#include <string>

#include "weir/window_port.h"

namespace tarvik {

// The Japanese dialog faces of each platform, then the page's own sans-serif.
inline constexpr const char* kFontFamilies =
    "\"Yu Gothic UI\", \"Meiryo UI\", \"MS UI Gothic\", \"Hiragino Sans\", \"Noto Sans CJK JP\", "
    "IPAPGothic, sans-serif";

// A length in twips, a font size in half points and a colour as CSS writes them.
std::string CssPixels(int twips);
std::string CssPoints(int halfPoints);
std::string CssColour(weir::Colour colour);

// The window's element with its background surface and controls, in tab order. It is busy
// for assistive technology until the program has taken it over; the first field has the caret.
std::string WindowMarkup();

// The rules that place the window's controls and give them their colours and the designed
// font, in pixels.
std::string WindowStyle();

}  // namespace tarvik
