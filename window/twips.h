// Twips, the unit of the window's layout: 1440 to an inch, so the window keeps its size in
// inches at any dots per inch.
#pragma once

namespace tarvik {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;  // 15 twips a pixel

// Rounded half away from zero, as a position or size in whole pixels must be.
constexpr int TwipsToPixels(int twips, int dpi = kDefaultDpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}

constexpr int PixelsToTwips(int pixels, int dpi = kDefaultDpi) {
    const long long scaled = static_cast<long long>(pixels) * kTwipsPerInch;
    const long long half = dpi / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / dpi);
}

}  // namespace tarvik
