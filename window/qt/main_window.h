// The window TARVIK in Qt Widgets: the shared layout made of widgets, its load event, the
// Calculate and Clear buttons, and the fields and background surface that the Calculate
// action works on.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "weir/window_port.h"
#include "window/error_policy.h"
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
    int TabIndex(std::string_view control) const { return tabOrder_.IndexOf(control); }
    // Gives a control a new tab index, shifting the controls in between by one.
    void SetTabIndex(std::string_view control, int index);
    // What has been drawn on the background since it was last cleared, oldest first.
    std::vector<std::string> DrawnTexts() const { return surface_.Texts(); }

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
    void ChainFocus();
    void ChooseFont();
    void Centre();
    void Load();
    void Calculate();
    void Clear();
    QLineEdit& FieldWidget(weir::Field field) const;

    TabOrder tabOrder_;
    DrawingSurface surface_;
    std::array<QPointer<QLineEdit>, 5> fields_;  // by weir::Field
    EventGuard guard_;
    bool loaded_ = false;
    bool awaitingFrame_ = false;  // centred before the window manager added its frame
};

}  // namespace tarvik
