// The size of the window's font: the places in twips were measured for a 9-point Japanese
// dialog face, and the faces at hand may run wider, so the window takes the largest size at
// which every label's caption still fits its box.
#pragma once

#include <functional>
#include <string_view>

namespace tarvik {

// How much room a caption takes, in twips.
struct TextExtent {
    int width;
    int height;
};

// How big `caption` (UTF-8) stands when wrapped within `width` twips in the window's face at
// `halfPoints`; a word that cannot be broken may stand wider than `width`.
using MeasureCaption =
    std::function<TextExtent(std::string_view caption, int width, int halfPoints)>;

inline constexpr int kDesignedHalfPoints = 18;  // 9 pt
inline constexpr int kSmallestHalfPoints = 14;  // 7 pt: smaller is no longer read with ease

// The largest size in half points, not above 9 pt, at which every label's caption fits
// within its width and height; 7 pt when even that is too large.
int FittingHalfPoints(const MeasureCaption& measure);

}  // namespace tarvik
