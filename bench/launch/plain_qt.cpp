// The yardstick for how fast TARVIK's Qt window starts: a plain QWidget of the same client
// size holding the same thirteen controls (labels, line edits, push buttons) with the same
// captions and places, and nothing else: no font fitting, colours, tab order or icon.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "window/layout.h"
#include "window/twips.h"

namespace {

QWidget* CreatePlainControl(const tarvik::ControlLayout& layout, QWidget* parent) {
    const QString caption = QString::fromUtf8(layout.caption);
    switch (layout.kind) {
        case tarvik::ControlKind::Label:
            return new QLabel(caption, parent);
        case tarvik::ControlKind::TextField:
            return new QLineEdit(caption, parent);
        case tarvik::ControlKind::Button:
            break;
    }
    return new QPushButton(caption, parent);
}

}  // namespace

int main(int argc, char* argv[]) {
    using tarvik::TwipsToPixels;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(tarvik::kWindowLayout.caption));
    window.setFixedSize(TwipsToPixels(tarvik::kWindowLayout.width),
                        TwipsToPixels(tarvik::kWindowLayout.height));
    for (const tarvik::ControlLayout& layout : tarvik::kControls) {
        CreatePlainControl(layout, &window)
            ->setGeometry(TwipsToPixels(layout.left), TwipsToPixels(layout.top),
                          TwipsToPixels(layout.width), TwipsToPixels(layout.height));
    }
    window.show();
    return QApplication::exec();
}
