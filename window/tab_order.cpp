// The tab indexes of the window's controls, labels included, and the keyboard focus chain
// that follows from them.
#include "window/tab_order.h"

#include <algorithm>

#include <QWidget>

namespace tarvik {

void TabOrder::Append(QWidget* control) {
    controls_.emplace_back(control);
}

int TabOrder::IndexOf(const QWidget* control) const {
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    return found == controls_.end() ? -1 : static_cast<int>(found - controls_.begin());
}

void TabOrder::SetIndex(QWidget* control, int index) {
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    if (found == controls_.end()) {
        return;
    }
    controls_.erase(found);
    const auto place = std::clamp(index, 0, static_cast<int>(controls_.size()));
    controls_.insert(controls_.begin() + place, control);
}

void TabOrder::ChainFocus() const {
    QWidget* previous = nullptr;
    for (QWidget* control : controls_) {
        if (control == nullptr || (control->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

}  // namespace tarvik
