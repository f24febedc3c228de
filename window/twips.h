// Twips, the unit of the window's layout, as Qt's device-independent pixels.
#pragma once

namespace tarvik {

inline constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch at 96 dpi

// Qt scales device-independent pixels to the screen's dpi itself, so this one fixed ratio
// keeps the layout at its size in inches on every screen.
constexpr int TwipsToPixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return (twips >= 0 ? twips + half : twips - half) / kTwipsPerPixel;
}

}  // namespace tarvik
