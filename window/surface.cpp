// Drawing moves the position down a line; clearing goes back to the corner.
#include "window/surface.h"

#include <algorithm>
#include <utility>

#include "window/layout.h"

namespace tarvik {

DrawingSurface::DrawingSurface() : colour_(kWindowLayout.surfaceText) {}

void DrawingSurface::Clear() {
    drawn_.clear();
    left_ = 0;
    top_ = 0;
}

void DrawingSurface::Draw(std::string text, int lineHeight) {
    drawn_.push_back({std::move(text), left_, top_, colour_});
    top_ += lineHeight;
}

std::vector<std::string> DrawingSurface::Texts() const {
    std::vector<std::string> texts(drawn_.size());
    std::transform(drawn_.begin(), drawn_.end(), texts.begin(),
                   [](const DrawnText& drawn) { return drawn.text; });
    return texts;
}

}  // namespace tarvik
