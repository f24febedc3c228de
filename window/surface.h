// The window's background as a surface to write on: the texts drawn so far, where the next
// one goes and in which colour. The window paints it beneath its controls.
#pragma once

#include <vector>

#include <QColor>
#include <QPoint>
#include <QString>

#include "weir/window_port.h"

class QPainter;

namespace tarvik {

class DrawingSurface {
  public:
    explicit DrawingSurface(weir::Colour colour) : colour_(colour) {}

    // Forgets every drawn text and goes back to the top-left corner; the colour stays.
    void Clear();
    void SetColour(weir::Colour colour) { colour_ = colour; }
    // Keeps `text` at the drawing position, which then moves down by `lineHeight` pixels so
    // that a second line would not overwrite the first.
    void Draw(const QString& text, int lineHeight);
    // The texts drawn since the last clearing, oldest first.
    std::vector<QString> Texts() const;
    // Paints every kept text as one unwrapped line whose top stands at its position.
    void Paint(QPainter& painter) const;

  private:
    struct Drawn {
        QPoint position;  // device-independent pixels in the client area
        QColor colour;
        QString text;
    };

    weir::Colour colour_;
    QPoint position_;
    std::vector<Drawn> drawn_;
};

}  // namespace tarvik
