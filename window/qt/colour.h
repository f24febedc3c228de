// The window's colours in the form Qt paints with: 0x00BBGGRR as a QColor, the designed pairs
// as palettes of the controls, and the window's palette on a light or a dark desktop.
#pragma once

#include "weir/window_port.h"
#include "window/layout.h"

class QColor;
class QPalette;
class QWidget;

namespace tarvik::qt {

QColor ToQColor(weir::Colour colour);

// Sets both colours of the control's pair, or leaves the control to the platform's pair.
void ApplyDesignedColours(QWidget& control, const ControlLayout& layout);

// The palette the window starts from: the desktop's, or under a dark one (light text on a
// dark window) the designed colours as a whole, a light palette made from the window's grey
// with black text, white fields and grey buttons, since light text would fade on that grey.
QPalette WindowPalette();

}  // namespace tarvik::qt
