// The size of the window's font: the largest at which every caption fits its label.
#include "window/font_fit.h"

#include <algorithm>

#include "window/layout.h"

namespace tarvik {

std::vector<const char*> DialogFaces(FaceSource source) {
    std::vector<const char*> faces;
    for (const DialogFace& face : kDialogFaces) {
        if (face.source == source) {
            faces.push_back(face.family);
        }
    }
    return faces;
}

int FittingHalfPoints(const MeasureCaption& measure) {
    const auto fits = [&measure](int halfPoints) {
        return std::all_of(kControls.begin(), kControls.end(), [&](const ControlLayout& control) {
            if (control.kind != ControlKind::Label) {
                return true;
            }
            const TextExtent extent = measure(control.caption, control.width, halfPoints);
            return extent.width <= control.width && extent.height <= control.height;
        });
    };
    for (int halfPoints = kDesignedHalfPoints; halfPoints > kSmallestHalfPoints; --halfPoints) {
        if (fits(halfPoints)) {
            return halfPoints;
        }
    }
    return kSmallestHalfPoints;
}

}  // namespace tarvik
