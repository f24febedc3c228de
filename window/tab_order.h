// The tab indexes of the window's controls, labels included, and the keyboard focus chain
// that follows from them.
#pragma once

#include <vector>

#include <QPointer>

class QWidget;

namespace tarvik {

// Controls listed by tab index: a control's index is its place in the list, so giving one
// control a new index shifts those between its old and new place by one.
class TabOrder {
  public:
    void Append(QWidget* control);
    // -1 for a widget that is not one of the window's controls.
    int IndexOf(const QWidget* control) const;
    // An index past the end puts the control last; a negative one, first.
    void SetIndex(QWidget* control, int index);

    // Makes Tab visit the controls that take focus in this order, and wrap from the last to
    // the first; labels never take focus and are passed over.
    void ChainFocus() const;

  private:
    // A control destroyed behind the window's back keeps its place as a null entry.
    std::vector<QPointer<QWidget>> controls_;
};

}  // namespace tarvik
