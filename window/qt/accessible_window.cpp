// The window's and the message's accessible interfaces, and the events that tell of the message.
#include "window/qt/accessible_window.h"

#include <initializer_list>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QString>

#include "window/layout.h"
#include "window/qt/main_window.h"
#include "window/twips.h"

namespace tarvik::qt {

namespace {

// The message has no widget of its own: it is painted on the window's background, so it
// stands in the accessible tree as a child of the window's interface, backed by no object.
class AccessibleMessage : public QAccessibleInterface {
  public:
    explicit AccessibleMessage(Window* window) : window_(window) {}

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return window_.isNull() ? nullptr : window_->windowHandle();
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && !window_.isNull()
                   ? QString::fromStdString(window_->Core().Message())
                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    // The strip above the first row of controls, where the message stands.
    QRect rect() const override {
        if (window_.isNull()) {
            return {};
        }
        const QRect strip(0, 0, window_->width(), TwipsToPixels(kMessageStripHeight));
        return QRect(window_->mapToGlobal(strip.topLeft()), strip.size());
    }
    // A notification, not an alert: Qt 6.4's AT-SPI bridge passes no alert event on, and
    // Orca 43 speaks an object that starts showing only when it is a notification.
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = window_.isNull() || !window_->isVisible();
        state.readOnly = true;
        return state;
    }

  private:
    QPointer<Window> window_;
};

// The window's interface: a frame, not the "client" filler that a plain widget reports, with
// the message after its thirteen controls while one is drawn.
class AccessibleWindow : public QAccessibleWidget {
  public:
    explicit AccessibleWindow(Window* window)
        : QAccessibleWidget(window, QAccessible::Window), window_(window) {}
    ~AccessibleWindow() override {
        if (messageId_ != 0) {
            QAccessible::deleteAccessibleInterface(messageId_);
        }
    }
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;
    AccessibleWindow(AccessibleWindow&&) = delete;
    AccessibleWindow& operator=(AccessibleWindow&&) = delete;

    int childCount() const override {
        return QAccessibleWidget::childCount() + (HasMessage() ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        if (HasMessage() && index == QAccessibleWidget::childCount()) {
            return Message();
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (messageId_ != 0 && child == QAccessible::accessibleInterface(messageId_)) {
            return HasMessage() ? QAccessibleWidget::childCount() : -1;
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    // Registered once, the first time it is asked for, and then kept for the window's life.
    QAccessibleInterface* Message() const {
        if (messageId_ == 0) {
            // Qt's registry owns it from here; the destructor deletes it through the registry.
            // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): owned as said above
            messageId_ = QAccessible::registerAccessibleInterface(new AccessibleMessage(window_));
        }
        return QAccessible::accessibleInterface(messageId_);
    }

  private:
    bool HasMessage() const {
        return !window_.isNull() && !window_->Core().Surface().Drawn().empty();
    }

    QPointer<Window> window_;
    mutable QAccessible::Id messageId_ = 0;
};

QAccessibleInterface* AccessibleWindowFactory(const QString&, QObject* object) {
    if (auto* window = qobject_cast<Window*>(object)) {
        return new AccessibleWindow(window);
    }
    return nullptr;
}

void Notify(Window& window, std::initializer_list<QAccessible::Event> events) {
    auto* accessible =
        dynamic_cast<AccessibleWindow*>(QAccessible::queryAccessibleInterface(&window));
    if (accessible == nullptr) {
        return;
    }
    for (QAccessible::Event type : events) {
        QAccessibleEvent event(accessible->Message(), type);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace

void InstallAccessibleWindow() {
    QAccessible::installFactory(AccessibleWindowFactory);
}

void NotifyMessageShown(Window& window) {
    Notify(window, {QAccessible::ObjectCreated, QAccessible::ObjectShow, QAccessible::NameChanged});
}

void NotifyMessageGone(Window& window) {
    Notify(window, {QAccessible::ObjectHide, QAccessible::ObjectDestroyed});
}

}  // namespace tarvik::qt
