// The window TARVIK: the layout it is created with, its load event, the Calculate and Clear
// buttons, and the fields and background surface that the Calculate action works on.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "weir/window_port.h"
#include "window/event_guard.h"
#include "window/surface.h"
#include "window/tab_order.h"

class QLineEdit;
class QEvent;
class QPaintEvent;
class QShowEvent;

namespace tarvik {

class MainWindow : public QWidget, public weir::WindowPort {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

  public:
    // Without a reporter errors go to a modal message box; without an exit action a failure
    // of the window leaves Qt's event loop with a non-zero status.
    explicit MainWindow(ErrorReporter report = {}, ExitAction exit = {});
    ~MainWindow() override;

    // The tab index of one of the window's controls, labels included; -1 for any other.
    int TabIndex(const QWidget* control) const { return tabOrder_.IndexOf(control); }
    // Gives a control a new tab index, shifting the controls in between by one.
    void SetTabIndex(QWidget* control, int index);
    // What has been drawn on the background since it was last cleared, oldest first.
    std::vector<QString> DrawnTexts() const { return surface_.Texts(); }

    void ClearSurface() override;
    void SetText(weir::Field field, const std::string& text) override;
    std::string GetText(weir::Field field) override;
    void SetDrawColour(weir::Colour colour) override;
    void DrawTextLine(const std::string& text) override;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void ChooseFont();
    void Centre();
    void Load();
    void Calculate();
    void Clear();
    QLineEdit& FieldWidget(weir::Field field) const;
    QString CaptionOf(weir::Field field) const;

    TabOrder tabOrder_;
    DrawingSurface surface_;
    std::array<QPointer<QLineEdit>, 5> fields_;  // by weir::Field
    EventGuard guard_;
    bool loaded_ = false;
    bool awaitingFrame_ = false;  // centred before the window manager added its frame
};

}  // namespace tarvik
