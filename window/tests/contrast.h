// How readable a text is on its background, as the windows' tests measure it: the contrast
// ratio of WCAG 2, from 1:1 (the same colour) to 21:1 (black on white).
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "weir/window_port.h"

namespace tarvik::testing {

// What ordinary text needs to be read by users with low vision.
inline constexpr double kReadableContrast = 4.5;

inline double RelativeLuminance(weir::Colour colour) {
    const auto linear = [colour](int shift) {
        const double channel = static_cast<double>((colour >> shift) & 0xFFu) / 255.0;
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(0) + 0.7152 * linear(8) + 0.0722 * linear(16);
}

inline double ContrastRatio(weir::Colour a, weir::Colour b) {
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The contrast of the text in a rendered control: its background is the colour most of its
// pixels have, its text the pixel that stands out most from it (the core of a stroke, where
// smoothing has not mixed it with the background).
inline double TextContrast(const std::vector<weir::Colour>& pixels) {
    std::map<weir::Colour, int> counts;
    for (weir::Colour pixel : pixels) {
        ++counts[pixel];
    }
    if (counts.empty()) {
        return 1.0;
    }
    const weir::Colour background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    double most = 1.0;
    for (const auto& [pixel, count] : counts) {
        most = std::max(most, ContrastRatio(pixel, background));
    }
    return most;
}

}  // namespace tarvik::testing
