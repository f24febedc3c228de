// The window TARVIK as the page's HTML and stylesheet, written from the shared layout when the
// site is built, so that the browser shows the window before its WebAssembly has arrived.
#pragma once

#include <string>

#include "weir/window_port.h"

namespace tarvik {

// The page's elements that the program reaches besides the controls, by id.
inline constexpr const char* kFrameId = "frame";  // the window with its title bar
inline constexpr const char* kSurfaceId = "surface";
inline constexpr const char* kErrorDialogId = "message";
inline constexpr const char* kErrorTextId = "message-text";
// The class that gives an element and its text the dialog faces, in the order of font_fit.h:
// the window's frame, its dialog, and the pages' words in app/web.
inline constexpr const char* kFacesClass = "faces";
// Where Escape takes the keyboard out of the window: the link to the notes on the weir law,
// in the page's text below the window (app/web/index.html).
inline constexpr const char* kLeaveWindowId = "notes";

// A length in twips, a font size in half points and a colour as CSS writes them.
std::string CssPixels(int twips);
std::string CssPoints(int halfPoints);
std::string CssColour(weir::Colour colour);

// The window's frame: its title bar with the icon and caption, and the window's element with
// its background surface and controls in tab order, which is busy for assistive technology
// until the program has taken it over, with the caret in the first field. Then the modal
// dialog that errors are shown in, captioned with the window's name.
std::string WindowMarkup();

// The rules that place the window's controls and give them their colours, in pixels, and the
// faces of kFacesClass: every dialog face, since the page may run on any system.
std::string WindowStyle();

}  // namespace tarvik
