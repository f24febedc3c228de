// The window TARVIK in Qt Widgets: the shared layout made of widgets, its load event, the
// Calculate and Clear buttons, and the fields and background surface that the Calculate
// action works on.
#include "window/qt/main_window.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QThread>

#include "weir/calculate.h"
#include "weir/run_error.h"
#include "window/colours.h"
#include "window/font_fit.h"
#include "window/layout.h"
#include "window/qt/accessible_window.h"
#include "window/qt/colour.h"
#include "window/twips.h"

namespace tarvik {

namespace {

constexpr std::array kFields{weir::Field::Text1, weir::Field::Text2, weir::Field::Text3,
                             weir::Field::Text4, weir::Field::Text5};

std::size_t Slot(weir::Field field) {
    return static_cast<std::size_t>(field);
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

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

QWidget* CreateControl(const ControlLayout& layout, QWidget* parent) {
    const QString caption = QString::fromUtf8(layout.caption);
    switch (layout.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::TextField:
            return new QLineEdit(caption, parent);
        case ControlKind::Button:
            break;
    }
    auto* button = new QPushButton(caption, parent);
    // Enter in a field must not press a button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// Sets both colours of the control's pair, or leaves the control to the platform's pair.
void ApplyColours(QWidget& control, const ControlLayout& layout) {
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

// The palette the window starts from: the desktop's, or under a dark one (light text on a
// dark window) the designed colours as a whole, a light palette made from the window's grey
// with black text, white fields and grey buttons, since light text would fade on that grey.
QPalette WindowPalette() {
    const QPalette desktop = QGuiApplication::palette();
    const bool dark = desktop.color(QPalette::WindowText).lightness() >
                      desktop.color(QPalette::Window).lightness();
    QPalette palette = dark ? QPalette(ToQColor(kWindowColours.background)) : QPalette();
    palette.setColor(QPalette::Window, ToQColor(kWindowColours.background));
    palette.setColor(QPalette::WindowText, ToQColor(kWindowColours.text));
    return palette;
}

// Ends the program with `status`: through Qt's event loop once it runs, so that the window
// closes in order, and at once when the window fails while loading, before the loop starts.
void LeaveProgram(int status) {
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(status);
    } else {
        std::exit(status);
    }
}

}  // namespace

MainWindow::MainWindow(ErrorReporter report, ExitAction exit)
    : guard_(report ? std::move(report)
                    : ErrorReporter([this](weir::ErrorKind, const std::string& message) {
                          QMessageBox::critical(this, QString::fromUtf8(kWindowLayout.name),
                                                QString::fromStdString(message));
                      }),
             exit ? std::move(exit) : ExitAction(LeaveProgram)) {
    InstallAccessibleWindow();
    setObjectName(QString::fromUtf8(kWindowLayout.name));
    setWindowTitle(QString::fromUtf8(kWindowLayout.caption));
    setFixedSize(TwipsToPixels(kWindowLayout.width), TwipsToPixels(kWindowLayout.height));
    setPalette(WindowPalette());
    setAutoFillBackground(true);

    for (const ControlLayout& layout : kControls) {
        QWidget* control = CreateControl(layout, this);
        control->setObjectName(QString::fromUtf8(layout.name));
        control->setGeometry(TwipsRect(layout.left, layout.top, layout.width, layout.height));
        ApplyColours(*control, layout);
    }
    for (weir::Field field : kFields) {
        fields_[Slot(field)] = findChild<QLineEdit*>(FromUtf8(FieldName(field)));
    }
    for (const ControlLayout& layout : kControls) {
        if (layout.buddy != nullptr) {
            findChild<QLabel*>(QString::fromUtf8(layout.name))
                ->setBuddy(findChild<QLineEdit*>(QString::fromUtf8(layout.buddy)));
        }
    }
    // Two labels reach into the field beside them; the fields stay on top.
    for (QLabel* label : findChildren<QLabel*>()) {
        label->lower();
    }
    ChainFocus();
    ChooseFont();

    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [this] { guard_.Run([this] { Calculate(); }); });
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            [this] { guard_.Run([this] { Clear(); }); });
}

MainWindow::~MainWindow() = default;

void MainWindow::SetTabIndex(std::string_view control, int index) {
    tabOrder_.SetIndex(control, index);
    ChainFocus();
}

void MainWindow::ChainFocus() {
    // Tab visits the controls that take the focus in tab order, and wraps from the last.
    QWidget* previous = nullptr;
    for (std::string_view name : tabOrder_.FocusChain()) {
        auto* control = findChild<QWidget*>(FromUtf8(name));
        if (control == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

void MainWindow::ChooseFont() {
    // Japanese dialog faces first; the size is the largest at which every caption fits.
    // The face the Linux package brings comes first: each missing family ahead of the one
    // found costs a fallback search through fontconfig, a tenth of the start-up's work.
    QFont chosen = font();
    QStringList families{QStringLiteral("IPAPGothic"),       QStringLiteral("MS UI Gothic"),
                         QStringLiteral("Yu Gothic UI"),     QStringLiteral("Meiryo UI"),
                         QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")};
    families << chosen.family();
    chosen.setFamilies(families);
    const int halfPoints =
        FittingHalfPoints([&chosen](std::string_view caption, int width, int size) {
            QFont measured = chosen;
            measured.setPointSizeF(size / 2.0);
            const QRect room(0, 0, TwipsToPixels(width), INT_MAX / 2);
            const QRect taken = QFontMetrics(measured).boundingRect(
                room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FromUtf8(caption));
            return TextExtent{PixelsToTwips(taken.width()), PixelsToTwips(taken.height())};
        });
    chosen.setPointSizeF(halfPoints / 2.0);
    setFont(chosen);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The load event runs once, before the window first appears on the screen.
    if (!loaded_ && !event->spontaneous()) {
        loaded_ = true;
        guard_.Run([this] { Load(); });
    }
}

void MainWindow::paintEvent(QPaintEvent*) {
    // Each text as one unwrapped line whose top stands at its position; the painter cuts
    // what passes the client area.
    QPainter painter(this);
    const int ascent = painter.fontMetrics().ascent();
    for (const DrawnText& drawn : surface_.Drawn()) {
        painter.setPen(ToQColor(drawn.colour));
        painter.drawText(TwipsToPixels(drawn.left), TwipsToPixels(drawn.top) + ascent,
                         FromUtf8(drawn.text));
    }
}

bool MainWindow::event(QEvent* event) {
    // deleteLater() ends in QObject::event, after which the window is gone.
    if (event->type() == QEvent::DeferredDelete) {
        return QWidget::event(event);
    }
    if (event->type() == QEvent::ApplicationPaletteChange) {
        // The desktop switched between a light and a dark theme while the window is open.
        setPalette(WindowPalette());
    }
    const bool handled = QWidget::event(event);
    // On X11 the window manager adds its frame only once the window is on the screen; the
    // first time the frame shows up, centre again with it.
    if (awaitingFrame_ && frameGeometry().size() != size()) {
        awaitingFrame_ = false;
        Centre();
    }
    return handled;
}

void MainWindow::Centre() {
    const QRect screenArea = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screenArea.x() + CentredStart(screenArea.width(), outer.width()),
         screenArea.y() + CentredStart(screenArea.height(), outer.height()));
}

void MainWindow::Load() {
    Centre();
    awaitingFrame_ = frameGeometry().size() == size();
    QLineEdit& first = FieldWidget(weir::Field::Text1);
    SetTabIndex(FieldName(weir::Field::Text1), 0);
    first.setFocus(Qt::TabFocusReason);
}

void MainWindow::Calculate() {
    weir::RunCalculation(*this, QLocale().decimalPoint().toStdString());
}

void MainWindow::Clear() {
    ClearSurface();
    for (weir::Field field : kFields) {
        SetText(field, {});
    }
}

QLineEdit& MainWindow::FieldWidget(weir::Field field) const {
    QLineEdit* widget = fields_[Slot(field)];
    if (widget == nullptr) {
        throw weir::RunError(weir::ErrorKind::ControlFailure,
                             "the field " + std::string(FieldName(field)) + " is gone");
    }
    return *widget;
}

void MainWindow::ClearSurface() {
    const bool held = !surface_.Drawn().empty();
    surface_.Clear();
    update();
    if (held) {
        WithdrawMessage(*this);
    }
}

void MainWindow::SetText(weir::Field field, const std::string& text) {
    FieldWidget(field).setText(QString::fromStdString(text));
}

std::string MainWindow::GetText(weir::Field field) {
    return FieldWidget(field).text().toStdString();
}

void MainWindow::SetDrawColour(weir::Colour colour) {
    surface_.SetColour(colour);
}

void MainWindow::DrawTextLine(const std::string& text) {
    surface_.Draw(text, PixelsToTwips(fontMetrics().height()));
    update();
    AnnounceMessage(*this);
}

}  // namespace tarvik
