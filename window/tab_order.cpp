// A control's new tab index is a move within one list of names.
#include "window/tab_order.h"

#include <algorithm>
#include <iterator>

#include "window/layout.h"

namespace tarvik {

TabOrder::TabOrder() : order_(kControls.size()) {
    std::transform(kControls.begin(), kControls.end(), order_.begin(),
                   [](const ControlLayout& control) { return std::string_view(control.name); });
}

int TabOrder::IndexOf(std::string_view name) const {
    const auto found = std::find(order_.begin(), order_.end(), name);
    return found == order_.end() ? -1 : static_cast<int>(found - order_.begin());
}

void TabOrder::SetIndex(std::string_view name, int index) {
    const auto found = std::find(order_.begin(), order_.end(), name);
    if (found == order_.end()) {
        return;
    }
    const std::string_view control = *found;
    order_.erase(found);
    const int place = std::clamp(index, 0, static_cast<int>(order_.size()));
    order_.insert(order_.begin() + place, control);
}

std::vector<std::string_view> TabOrder::FocusChain() const {
    std::vector<std::string_view> chain;
    std::copy_if(order_.begin(), order_.end(), std::back_inserter(chain),
                 [](std::string_view name) { return TakesFocus(*FindControl(name)); });
    return chain;
}

}  // namespace tarvik
