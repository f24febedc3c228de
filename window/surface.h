// The window's background as a surface to write on: the texts drawn so far, where the next
// one goes and in which colour. Each window paints it beneath its controls.
#pragma once

#include <string>
#include <vector>

#include "weir/window_port.h"

namespace tarvik {

struct DrawnText {
    std::string text;  // UTF-8, one unwrapped line
    int left;          // twips from the client area's left edge
    int top;           // twips from its top edge to the top of the line
    weir::Colour colour;
};

class DrawingSurface {
  public:
    // Empty, at the top-left corner, in the window's first surface colour.
    DrawingSurface();

    // Forgets every drawn text and goes back to the top-left corner; the colour stays.
    void Clear();
    void SetColour(weir::Colour colour) { colour_ = colour; }
    weir::Colour Colour() const { return colour_; }
    // Keeps `text` at the drawing position, which then moves down one line of
    // `lineHeight` twips, so that a second line would not cover the first.
    void Draw(std::string text, int lineHeight);

    // What has been drawn since the last clearing, oldest first.
    const std::vector<DrawnText>& Drawn() const { return drawn_; }
    std::vector<std::string> Texts() const;

  private:
    weir::Colour colour_;
    int left_ = 0;
    int top_ = 0;
    std::vector<DrawnText> drawn_;
};

}  // namespace tarvik
