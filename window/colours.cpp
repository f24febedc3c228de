// How well a text colour reads on its background, and the darker shade that reads well.
#include "window/colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvik {

namespace {

unsigned Channel(weir::Colour colour, unsigned channel) {
    return (colour >> (8U * channel)) & 0xFFU;
}

}  // namespace

double RelativeLuminance(weir::Colour colour) {
    constexpr std::array<double, 3> kWeights{0.2126, 0.7152, 0.0722};  // red, green, blue
    double luminance = 0.0;
    for (unsigned channel = 0; channel < kWeights.size(); ++channel) {
        const double value = Channel(colour, channel) / 255.0;
        luminance += kWeights.at(channel) *
                     (value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
    }
    return luminance;
}

double ContrastRatio(weir::Colour a, weir::Colour b) {
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

weir::Colour Readable(weir::Colour colour, weir::Colour background) {
    // The luminance at which a darker text reaches the contrast asked for.
    const double darkest = (RelativeLuminance(background) + 0.05) / kReadableContrast - 0.05;
    while (RelativeLuminance(colour) > darkest && colour != 0) {
        weir::Colour darker = 0;
        for (unsigned channel = 0; channel < 3; ++channel) {
            darker |= (Channel(colour, channel) * 15U / 16U) << (8U * channel);
        }
        colour = darker;
    }
    return colour;
}

}  // namespace tarvik
