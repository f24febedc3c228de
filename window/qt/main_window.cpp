// The Qt window: widgets made from the layout table, painted in the designed colours and font,
// and what the shared behaviour asks of a toolkit, done with Qt.
#include "window/qt/main_window.h"

#include <climits>
#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "window/font_fit.h"
#include "window/qt/accessible_window.h"
#include "window/qt/colour.h"
#include "window/qt/spoken_line_edit.h"
#include "window/twips.h"

namespace tarvik::qt {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
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
            return new SpokenLineEdit(caption, parent);
        case ControlKind::Button:
            break;
    }
    auto* button = new QPushButton(caption, parent);
    // Enter in a field must not press a button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

Window::Window(ErrorReporter report, ExitAction exit)
    : core_(*this, std::move(report), std::move(exit)) {
    InstallAccessibleWindow();
    setObjectName(QString::fromUtf8(kWindowLayout.name));
    setWindowTitle(QString::fromUtf8(kWindowLayout.caption));
    setFixedSize(TwipsToPixels(kWindowLayout.width), TwipsToPixels(kWindowLayout.height));
    setPalette(WindowPalette());
    setAutoFillBackground(true);
    // The font first: the controls made after it take it without being told of a change.
    ChooseFont();
    CreateControls();
    ApplyTabOrder(core_.Tabs());
    connect(qobject_cast<QPushButton*>(Control("Command1")), &QPushButton::clicked, this,
            [this] { core_.Calculate(); });
    connect(qobject_cast<QPushButton*>(Control("Command2")), &QPushButton::clicked, this,
            [this] { core_.Clear(); });
}

Window::~Window() = default;

void Window::CreateControls() {
    for (std::size_t index = 0; index < kControls.size(); ++index) {
        const ControlLayout& layout = kControls[index];
        QWidget* control = CreateControl(layout, this);
        control->setObjectName(QString::fromUtf8(layout.name));
        control->setGeometry(TwipsRect(layout.left, layout.top, layout.width, layout.height));
        ApplyDesignedColours(*control, layout);
        controls_[index] = control;
    }
    for (const ControlLayout& layout : kControls) {
        if (auto* label = qobject_cast<QLabel*>(Control(layout.name))) {
            label->setBuddy(layout.buddy != nullptr ? Control(layout.buddy) : nullptr);
            // Two labels reach into the field beside them; the fields stay on top.
            label->lower();
        }
    }
}

QWidget* Window::Control(std::string_view name) const {
    const ControlLayout* layout = FindControl(name);
    return layout == nullptr
               ? nullptr
               : controls_[static_cast<std::size_t>(layout - kControls.data())].data();
}

void Window::ChooseFont() {
    // The first Japanese dialog face at hand, at the designed 9 points; FitFont makes it
    // smaller where a caption would not fit. One face, not a list: Qt would look up the
    // fallbacks of every face in it, which costs the start a tenth of its time.
    QFont chosen = font();
    for (const char* face : DialogFaces(FaceSource::Debian)) {
        if (QFontDatabase::hasFamily(QString::fromUtf8(face))) {
            chosen.setFamily(QString::fromUtf8(face));
            break;
        }
    }
    chosen.setPointSizeF(kDesignedHalfPoints / 2.0);
    setFont(chosen);
}

void Window::FinishShowing() {
    // What would hold the window back from the screen waits until it is there: fitting the
    // font, and decoding the program's icon (from its resources; a window without them, in a
    // test, keeps the platform's), which the window manager takes as well a moment later.
    FitFont();
    const QIcon icon(QStringLiteral(":/tarvik.png"));
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
}

void Window::FitFont() {
    // The largest size at which every caption fits its label. Measuring loads the face, a
    // sixth of the start's work; with the faces that the package brings the designed size
    // fits, and nothing changes on the screen.
    QFont chosen = font();
    std::optional<QFontMetrics> metrics;
    int measuredSize = 0;
    const int halfPoints = FittingHalfPoints([&](std::string_view caption, int width, int size) {
        if (measuredSize != size) {
            QFont measured = chosen;
            measured.setPointSizeF(size / 2.0);
            metrics.emplace(measured);
            measuredSize = size;
        }
        const QRect room(0, 0, TwipsToPixels(width), INT_MAX / 2);
        const QRect taken = metrics->boundingRect(
            room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FromUtf8(caption));
        return TextExtent{PixelsToTwips(taken.width()), PixelsToTwips(taken.height())};
    });
    if (halfPoints != kDesignedHalfPoints) {
        chosen.setPointSizeF(halfPoints / 2.0);
        setFont(chosen);
    }
}

bool Window::event(QEvent* event) {
    if (awaitingFrame_) {
        CentreOnceFramed();
    }
    if (event->type() == QEvent::ApplicationPaletteChange) {
        FollowDesktopTheme();
    }
    return QWidget::event(event);
}

void Window::FollowDesktopTheme() {
    // The desktop switched between a light and a dark theme while the window is open.
    setPalette(WindowPalette());
}

void Window::CentreOnceFramed() {
    // On X11 the window manager adds its frame only once the window is on the screen; the
    // first time the frame shows up, centre again with it.
    if (frameGeometry().size() != size()) {
        awaitingFrame_ = false;
        Centre();
    }
}

void Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The load event runs once, before the window first appears on the screen.
    if (!loaded_ && !event->spontaneous()) {
        loaded_ = true;
        core_.Load();
        QMetaObject::invokeMethod(this, "FinishShowing", Qt::QueuedConnection);
        awaitingFrame_ = frameGeometry().size() == size();
    }
}

void Window::paintEvent(QPaintEvent*) {
    // Each text as one unwrapped line whose top stands at its position; the painter cuts
    // what passes the client area.
    QPainter painter(this);
    const int ascent = painter.fontMetrics().ascent();
    for (const DrawnText& drawn : core_.Surface().Drawn()) {
        painter.setPen(ToQColor(drawn.colour));
        painter.drawText(TwipsToPixels(drawn.left), TwipsToPixels(drawn.top) + ascent,
                         FromUtf8(drawn.text));
    }
}

QLineEdit& Window::FieldWidget(weir::Field field) const {
    auto* widget = qobject_cast<QLineEdit*>(Control(FieldName(field)));
    if (widget == nullptr) {
        throw FieldGone(field);
    }
    return *widget;
}

std::string Window::FieldText(weir::Field field) {
    return FieldWidget(field).text().toStdString();
}

void Window::SetFieldText(weir::Field field, const std::string& text) {
    FieldWidget(field).setText(QString::fromStdString(text));
}

int Window::LineHeight() {
    return PixelsToTwips(fontMetrics().height());
}

void Window::RepaintSurface() {
    update();
}

void Window::AnnounceMessage(const std::string& /*message*/) {
    NotifyMessageShown(*this);
}

void Window::WithdrawMessage() {
    NotifyMessageGone(*this);
}

std::string Window::DecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

void Window::Centre() {
    const QRect screenArea = screen()->geometry();
    const QSize outer = frameGeometry().size();
    move(screenArea.x() + CentredStart(screenArea.width(), outer.width()),
         screenArea.y() + CentredStart(screenArea.height(), outer.height()));
}

void Window::ApplyTabOrder(const TabOrder& order) {
    // Tab visits the controls that take the focus in tab order, and wraps from the last.
    QWidget* previous = nullptr;
    for (std::string_view name : order.FocusChain()) {
        QWidget* control = Control(name);
        if (control == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

void Window::Focus(std::string_view control) {
    QWidget* widget = Control(control);
    if (widget == nullptr) {
        throw weir::RunError(weir::ErrorKind::ControlFailure,
                             "the control " + std::string(control) + " is gone");
    }
    widget->setFocus(Qt::TabFocusReason);
}

void Window::ShowErrorBox(const ErrorBox& box) {
    const QString caption = QString::fromUtf8(kWindowLayout.name);
    const QString message = QString::fromStdString(box.message);
    if (box.severity == Severity::Critical) {
        QMessageBox::critical(this, caption, message);
    } else {
        QMessageBox::warning(this, caption, message);
    }
}

void Window::EndProgram(int status) {
    // Through Qt's event loop, so that the window closes in order; queued, so that a failure
    // while loading, before the loop runs, ends the program as soon as it starts.
    QMetaObject::invokeMethod(QCoreApplication::instance(), "exit", Qt::QueuedConnection,
                              Q_ARG(int, status));
}

}  // namespace tarvik::qt
