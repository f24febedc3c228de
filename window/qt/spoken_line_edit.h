// A line edit that a screen reader names when Tab enters it: it selects its text only once
// the focus has moved, where QLineEdit selects it while it takes the focus.
#pragma once

#include <QBasicTimer>
#include <QLineEdit>

class QFocusEvent;
class QTimerEvent;

namespace tarvik::qt {

class SpokenLineEdit final : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    QBasicTimer selectLater_;
};

}  // namespace tarvik::qt
