// 0x00BBGGRR as Qt's red, green and blue, and the roles of the palette each kind of control
// paints its text and its background in.
#include "window/qt/colour.h"

#include <optional>

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include "window/colours.h"

namespace tarvik::qt {

namespace {

struct ColourRoles {
    QPalette::ColorRole background;
    QPalette::ColorRole text;
};

ColourRoles RolesOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return {QPalette::Window, QPalette::WindowText};
        case ControlKind::TextField:
            return {QPalette::Base, QPalette::Text};
        case ControlKind::Button:
            break;
    }
    return {QPalette::Button, QPalette::ButtonText};
}

}  // namespace

QColor ToQColor(weir::Colour colour) {
    const auto channel = [colour](int shift) {
        return static_cast<int>((colour >> shift) & 0xFFu);
    };
    return QColor(channel(0), channel(8), channel(16));
}

void ApplyDesignedColours(QWidget& control, const ControlLayout& layout) {
    const std::optional<ColourPair> pair = DesignedColours(layout);
    if (!pair) {
        return;
    }
    const ColourRoles roles = RolesOf(layout.kind);
    QPalette palette;
    palette.setColor(roles.background, ToQColor(pair->background));
    palette.setColor(roles.text, ToQColor(pair->text));
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

QPalette WindowPalette() {
    const QPalette desktop = QGuiApplication::palette();
    const bool dark = desktop.color(QPalette::WindowText).lightness() >
                      desktop.color(QPalette::Window).lightness();
    QPalette palette = dark ? QPalette(ToQColor(kWindowColours.background)) : QPalette();
    palette.setColor(QPalette::Window, ToQColor(kWindowColours.background));
    palette.setColor(QPalette::WindowText, ToQColor(kWindowColours.text));
    return palette;
}

}  // namespace tarvik::qt
