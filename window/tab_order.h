// The tab indexes of the window's controls, labels included, and the order in which the
// keyboard focus walks the controls that take it.
#pragma once

#include <string_view>
#include <vector>

namespace tarvik {

// Controls listed by tab index, by name: a control's index is its place in the list, so
// giving one control a new index shifts those between its old and new place by one.
class TabOrder {
  public:
    // The order the window's controls are created in.
    TabOrder();

    // -1 for a name that is none of the window's controls.
    int IndexOf(std::string_view name) const;
    // An index past the end puts the control last; a negative one, first. An unknown name
    // changes nothing.
    void SetIndex(std::string_view name, int index);

    // Every control, by tab index.
    const std::vector<std::string_view>& Order() const { return order_; }
    // The controls that Tab visits, in the order it visits them before wrapping round.
    std::vector<std::string_view> FocusChain() const;

  private:
    std::vector<std::string_view> order_;
};

}  // namespace tarvik
