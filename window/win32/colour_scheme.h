// The colours the Win32 window paints with: the designed pairs of window/colours.h, or, while
// the user has asked Windows for high contrast, the system's own pairs, so that the window
// reads as the rest of the desktop does and the message still stands out from other text.
#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "window/colours.h"
#include "window/win32/gdi.h"

namespace tarvik::win32 {

class ColourScheme {
  public:
    // What Windows asks for now (SPI_GETHIGHCONTRAST).
    static ColourScheme Current();

    explicit ColourScheme(bool highContrast) : highContrast_(highContrast) {}

    bool HighContrast() const { return highContrast_; }
    // The window's background, with the labels' text on it.
    ColourPair Window() const;
    // The pair a control is painted with; none leaves the control to the system's own pair.
    std::optional<ColourPair> Control(const ControlLayout& control) const;
    // A text drawn on the background in `drawn`: on the window's background as designed, and
    // under high contrast in the pair of selected text, opaque.
    ColourPair Message(weir::Colour drawn) const;

  private:
    bool highContrast_;
};

// A solid brush for each background that `scheme` paints, made once when the scheme is
// taken and deleted with it.
class SchemeBrushes {
  public:
    explicit SchemeBrushes(const ColourScheme& scheme);

    // nullptr for a colour that the scheme paints behind nothing.
    HBRUSH For(weir::Colour background) const;

  private:
    std::vector<std::pair<weir::Colour, Brush>> brushes_;
};

}  // namespace tarvik::win32
