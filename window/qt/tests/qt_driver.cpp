// Keys, clicks and focus through Qt Test; pixels from a grab of the window.
#include "window/qt/tests/qt_driver.h"

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "weir/calculate.h"
#include "window/layout.h"
#include "window/qt/colour.h"
#include "window/twips.h"

namespace tarvik::testing {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Keystroke {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
};

// What the keyboard sends for each key: Shift+Tab arrives as Backtab with Shift held, and
// the Enter key sits on the keypad.
Keystroke KeystrokeOf(Key key) {
    switch (key) {
        case Key::Tab:
            return {Qt::Key_Tab, Qt::NoModifier};
        case Key::BackTab:
            return {Qt::Key_Backtab, Qt::ShiftModifier};
        case Key::Return:
            return {Qt::Key_Return, Qt::NoModifier};
        case Key::Enter:
            return {Qt::Key_Enter, Qt::KeypadModifier};
        case Key::Escape:
            break;
    }
    return {Qt::Key_Escape, Qt::NoModifier};
}

}  // namespace

int StrongPixels(QWidget& window, QRgb colour, const QRect& area) {
    const QImage image = window.grab(area).toImage();
    const auto near = [](int channel, int wanted) {
        return wanted == 0 ? channel < 100 : channel > wanted * 7 / 10;
    };
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (near(qRed(pixel), qRed(colour)) && near(qGreen(pixel), qGreen(colour)) &&
                near(qBlue(pixel), qBlue(colour))) {
                ++count;
            }
        }
    }
    return count;
}

QtDriver::QtDriver() = default;

QtDriver::~QtDriver() {
    window_.reset();
    QLocale::setDefault(before_);
}

void QtDriver::Open(std::string_view decimalSeparator) {
    window_.reset();
    reports_.clear();
    exits_.clear();
    QLocale::setDefault(decimalSeparator == "," ? QLocale(QLocale::German, QLocale::Germany)
                                                : QLocale(QLocale::Japanese, QLocale::Japan));
    window_ = std::make_unique<qt::Window>(
        [this](const ErrorBox& box) {
            reports_.push_back({box.kind, box.message});
        },
        [this](int status) { exits_.push_back(status); });
    window_->show();
    active_ = QTest::qWaitForWindowActive(window_.get());
}

QWidget* QtDriver::Control(std::string_view name) const {
    return window_->Control(name);
}

void QtDriver::Type(std::string_view field, std::string_view text) {
    if (QWidget* control = Control(field)) {
        control->setFocus(Qt::OtherFocusReason);
    }
    // The keys go wherever the focus went, as they would from the keyboard. What a keyboard
    // has no key for (full-width digits) comes as an input method commits it.
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) {
        return;
    }
    for (const QChar character : FromUtf8(text)) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(focused, character.toLatin1());
        } else {
            QInputMethodEvent committed;
            committed.setCommitString(QString(character));
            QApplication::sendEvent(focused, &committed);
        }
    }
}

void QtDriver::Click(std::string_view button) {
    if (QWidget* control = Control(button)) {
        QTest::mouseClick(control, Qt::LeftButton);
    }
}

void QtDriver::Press(std::string_view control, Key key) {
    if (QWidget* target = Control(control)) {
        target->setFocus(Qt::OtherFocusReason);
    }
    if (QWidget* focused = QApplication::focusWidget()) {
        const Keystroke stroke = KeystrokeOf(key);
        QTest::keyClick(focused, stroke.key, stroke.modifiers);
    }
}

std::string QtDriver::Focused() {
    const QWidget* focused = QApplication::focusWidget();
    return focused == nullptr ? std::string() : focused->objectName().toStdString();
}

std::string QtDriver::Text(std::string_view field) {
    const auto* edit = qobject_cast<QLineEdit*>(Control(field));
    return edit == nullptr ? "<no field " + std::string(field) + ">" : edit->text().toStdString();
}

std::vector<std::string> QtDriver::DrawnTexts() {
    return window_->Core().Surface().Texts();
}

int QtDriver::RedPixels(bool inMessageStrip) {
    const int strip = TwipsToPixels(kMessageStripHeight);
    const QRect area = inMessageStrip
                           ? QRect(0, 0, window_->width(), strip)
                           : QRect(0, strip, window_->width(), window_->height() - strip);
    return StrongPixels(*window_, qt::ToQColor(weir::kMessageColour).rgb(), area);
}

void QtDriver::Break(std::string_view field) {
    delete Control(field);
}

}  // namespace tarvik::testing
