// The colours the Win32 window paints with, designed or the system's under high contrast, and
// their brushes.
#include "window/win32/colour_scheme.h"

namespace tarvik::win32 {

namespace {

// GetSysColor gives 0x00BBGGRR, as the layout's colours are.
ColourPair SystemPair(int text, int background) {
    return {GetSysColor(text), GetSysColor(background)};
}

}  // namespace

ColourScheme ColourScheme::Current() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool on =
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return ColourScheme(on);
}

ColourPair ColourScheme::Window() const {
    // A dialog's face and its text, which the system's labels and buttons also use.
    return highContrast_ ? SystemPair(COLOR_BTNTEXT, COLOR_BTNFACE) : kWindowColours;
}

std::optional<ColourPair> ColourScheme::Control(const ControlLayout& control) const {
    if (!highContrast_) {
        return DesignedColours(control);
    }
    if (control.kind == ControlKind::Label) {
        return Window();
    }
    return std::nullopt;
}

ColourPair ColourScheme::Message(weir::Colour drawn) const {
    return highContrast_ ? SystemPair(COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT)
                         : ColourPair{drawn, kWindowLayout.background};
}

SchemeBrushes::SchemeBrushes(const ColourScheme& scheme) {
    const auto keep = [this](weir::Colour background) {
        if (For(background) == nullptr) {
            brushes_.emplace_back(background, Brush(CreateSolidBrush(background)));
        }
    };
    keep(scheme.Window().background);
    for (const ControlLayout& layout : kControls) {
        if (const auto pair = scheme.Control(layout)) {
            keep(pair->background);
        }
    }
}

HBRUSH SchemeBrushes::For(weir::Colour background) const {
    for (const auto& [colour, brush] : brushes_) {
        if (colour == background) {
            return brush.get();
        }
    }
    return nullptr;
}

}  // namespace tarvik::win32
