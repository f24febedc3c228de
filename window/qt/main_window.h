// The window TARVIK in Qt Widgets: the layout made of labels, line edits and push buttons, the
// drawing surface painted on the window's background, and the events handed to the window's
// shared behaviour.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include <QPointer>
#include <QWidget>

#include "window/error_policy.h"
#include "window/layout.h"
#include "window/window_core.h"

class QEvent;
class QLineEdit;
class QPaintEvent;
class QShowEvent;

namespace tarvik::qt {

class Window final : public QWidget, private Toolkit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Window)

  public:
    // Without a reporter errors go to a modal message box; without an exit action a failure
    // of the window leaves Qt's event loop with a non-zero status.
    explicit Window(ErrorReporter report = {}, ExitAction exit = {});
    ~Window() override;

    WindowCore& Core() { return core_; }
    const WindowCore& Core() const { return core_; }
    // The control of that name, nullptr for any other name or one that is gone.
    QWidget* Control(std::string_view name) const;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private Q_SLOTS:
    void FinishShowing();

  private:
    void CreateControls();
    void ChooseFont();
    void FitFont();
    void FollowDesktopTheme();
    void CentreOnceFramed();
    QLineEdit& FieldWidget(weir::Field field) const;

    std::string FieldText(weir::Field field) override;
    void SetFieldText(weir::Field field, const std::string& text) override;
    int LineHeight() override;
    void RepaintSurface() override;
    void AnnounceMessage(const std::string& message) override;
    void WithdrawMessage() override;
    std::string DecimalSeparator() override;
    void Centre() override;
    void ApplyTabOrder(const TabOrder& order) override;
    void Focus(std::string_view control) override;
    void ShowErrorBox(const ErrorBox& box) override;
    void EndProgram(int status) override;

    std::array<QPointer<QWidget>, kControls.size()> controls_;  // in the order of kControls
    WindowCore core_;
    bool loaded_ = false;
    bool awaitingFrame_ = false;  // centred before the window manager added its frame
};

}  // namespace tarvik::qt
