// 0x00BBGGRR as Qt's red, green and blue.
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
