// The window's background as a surface to write on: the texts drawn so far, where the next
// one goes and in which colour. The window paints it beneath its controls.
#include "window/surface.h"

#include <QFontMetrics>
#include <QPainter>

#include "window/colour.h"

namespace tarvik {

void DrawingSurface::Clear() {
    drawn_.clear();
    position_ = QPoint();
}

void DrawingSurface::Draw(const QString& text, int lineHeight) {
    drawn_.push_back({position_, ToQColor(colour_), text});
    position_.ry() += lineHeight;
}

std::vector<QString> DrawingSurface::Texts() const {
    std::vector<QString> texts;
    texts.reserve(drawn_.size());
    for (const Drawn& drawn : drawn_) {
        texts.push_back(drawn.text);
    }
    return texts;
}

void DrawingSurface::Paint(QPainter& painter) const {
    const int ascent = painter.fontMetrics().ascent();
    for (const Drawn& drawn : drawn_) {
        painter.setPen(drawn.colour);
        painter.drawText(drawn.position + QPoint(0, ascent), drawn.text);
    }
}

}  // namespace tarvik
