// Runs a piece of the calculation and hands back the RunError it raised, if any, so a table of
// failing cases reads as one assertion per row.
#pragma once

#include <optional>

#include "weir/run_error.h"

namespace weir::testing {

template <class Action>
std::optional<RunError> Caught(Action&& action) {
    try {
        action();
    } catch (const RunError& error) {
        return error;
    }
    return std::nullopt;
}

}  // namespace weir::testing
