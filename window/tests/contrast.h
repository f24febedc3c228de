// How readable a rendered text is, as the windows' tests measure it on their own pixels.
#pragma once

#include <algorithm>
#include <map>
#include <vector>

#include "window/colours.h"

namespace tarvik::testing {

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
