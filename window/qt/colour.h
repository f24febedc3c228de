// Colours of the layout, given as 0x00BBGGRR, in the form Qt paints with.
#pragma once

#include "weir/window_port.h"

class QColor;

namespace tarvik::qt {

QColor ToQColor(weir::Colour colour);

}  // namespace tarvik::qt
