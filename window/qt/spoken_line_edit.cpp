// Why the selection waits: Qt tells assistive technology of the selection, and of a caret that
// moved there and then, before it tells of the focus. Orca 43 takes such a caret event in a
// focused field as the focus moving there, silently, and the focus event that follows brings
// nothing new, so the user never hears the field's label. Selected after the focus event, the
// text and the caret are news about the field Orca has just named.
#include "window/qt/spoken_line_edit.h"

#include <QFocusEvent>
#include <QTimerEvent>

namespace tarvik::qt {

void SpokenLineEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool fromKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                              reason == Qt::ShortcutFocusReason;
    if (!fromKeyboard) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // As any other focus, which QLineEdit takes without touching the text or the caret; the
    // timer fires once Qt has told of the focus, when the event under way is done.
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    selectLater_.start(0, this);
}

void SpokenLineEdit::timerEvent(QTimerEvent* event) {
    if (event->timerId() != selectLater_.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    selectLater_.stop();
    if (hasFocus()) {
        selectAll();
    }
}

}  // namespace tarvik::qt
