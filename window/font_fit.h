// The size of the window's font: the places in twips were measured for a 9-point Japanese
// dialog face, and the faces at hand may run wider, so the window takes the largest size at
// which every label's caption still fits its box.
#pragma once

#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace tarvik {

// Where a face comes from: the system that ships it, where a toolkit may look for it.
enum class FaceSource { Windows, MacOs, Debian };

struct DialogFace {
    const char* family;
    FaceSource source;
};

// The Japanese dialog faces, best first, in one order for every toolkit. The places in twips
// were measured for MS UI Gothic, the dialog face of Japanese Windows; a Windows without it
// (a feature to add on other languages' Windows 10 and 11) has Yu Gothic UI from 8.1 on and
// Meiryo UI from Vista on, both a little wider. A browser on a Mac has Hiragino Sans. On
// Linux the package brings IPAPGothic, drawn to the widths of MS UI Gothic's proportional
// sibling; Noto Sans CJK JP runs wider, and IPAGothic, all of one width, widest.
inline constexpr std::array<DialogFace, 7> kDialogFaces{{
    {"MS UI Gothic", FaceSource::Windows},
    {"Yu Gothic UI", FaceSource::Windows},
    {"Meiryo UI", FaceSource::Windows},
    {"Hiragino Sans", FaceSource::MacOs},
    {"IPAPGothic", FaceSource::Debian},
    {"Noto Sans CJK JP", FaceSource::Debian},
    {"IPAGothic", FaceSource::Debian},
}};

// The faces a toolkit on `source` looks for, in order. A desktop toolkit asks for its own
// system's faces only: each face missing ahead of the one found costs the system a search
// through every font it has, at every start.
std::vector<const char*> DialogFaces(FaceSource source);

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
