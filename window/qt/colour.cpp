// Colours of the layout, given as 0x00BBGGRR, in the form Qt paints with.
#include "window/qt/colour.h"

#include <QColor>

namespace tarvik::qt {

QColor ToQColor(weir::Colour colour) {
    const auto channel = [colour](int shift) {
        return static_cast<int>((colour >> shift) & 0xFFu);
    };
    return QColor(channel(0), channel(8), channel(16));
}

}  // namespace tarvik::qt
