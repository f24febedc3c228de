// The window's colours as pairs: a text colour and the background beneath it. Wherever the
// window sets one colour of a pair it sets the other too, so that a desktop theme cannot put
// its own text colour on the window's grey, nor its own background beneath the head's black.
#pragma once

#include <optional>

#include "window/layout.h"

namespace tarvik {

struct ColourPair {
    weir::Colour text;
    weir::Colour background;
};

// Text on the window's grey and in the coloured fields: black, as a light desktop has it.
inline constexpr weir::Colour kDesignedText = 0x00000000;
// Beneath the head's black text: white, as a light desktop's fields.
inline constexpr weir::Colour kDesignedFieldBackground = 0x00FFFFFF;

// What ordinary text needs to be read by users with low vision: WCAG's level AA.
inline constexpr double kReadableContrast = 4.5;

// How far apart two colours stand as WCAG 2 measures it, from 1 (the same) to 21 (black on
// white), from their relative luminances.
double RelativeLuminance(weir::Colour colour);
double ContrastRatio(weir::Colour a, weir::Colour b);

// `colour` darkened in steps, keeping its hue, until text in it reads on `background` at
// kReadableContrast as a dark text on a lighter ground; the window's red reads on its grey
// at only 2.2 to 1.
weir::Colour Readable(weir::Colour colour, weir::Colour background);

// The window's background, with the text of the labels that stand on it.
inline constexpr ColourPair kWindowColours{kDesignedText, kWindowLayout.background};

// Both colours of a control that the layout gives one or two colours; none for a control
// whose text and background are both the platform's, which the platform pairs itself.
constexpr std::optional<ColourPair> DesignedColours(const ControlLayout& control) {
    if (!control.background && !control.text) {
        return std::nullopt;
    }
    const weir::Colour background =
        control.kind == ControlKind::Label ? kWindowLayout.background : kDesignedFieldBackground;
    return ColourPair{control.text.value_or(kDesignedText),
                      control.background.value_or(background)};
}

}  // namespace tarvik
