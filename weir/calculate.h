// What the Calculate button does: read the flow and the bracket from the window, solve for
// the head, and show it with the trial count, or say in red that the bracket holds no solution.
#pragma once

#include <string_view>

#include "weir/window_port.h"

namespace weir {

inline constexpr std::string_view kNoSolutionMessage = "解がありません。挟込範囲を変更して下さい。";
inline constexpr Colour kMessageColour = 0x000000FF;  // red

// `decimalSeparator` is the user's, for reading the inputs and writing the head.
// Raises RunError at the step that fails; the outputs are emptied and the surface
// cleared before anything can fail.
void RunCalculation(WindowPort& window, std::string_view decimalSeparator);

}  // namespace weir
