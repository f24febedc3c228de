// Finds the overflow head for a flow by halving a bracket of two heads.
#pragma once

#include <cstdint>
#include <functional>

namespace weir {

struct HeadSolution {
    bool found = false;       // the residual at `head` met the tolerance
    double head = 0.0;        // metres; the last midpoint, meaningful only when found
    std::int64_t trials = 0;  // midpoints evaluated, the last one included
};

// One evaluated midpoint, for whoever wants to watch the bracket close in.
struct Trial {
    std::int64_t n;
    double a;    // lower end before this trial, m
    double b;    // upper end before this trial, m
    double mid;  // m
    double fM;   // residual at mid, m^3/min
};

// The residual at a head must fall below this, in m^3/min (0.01 L/min).
inline constexpr double kFlowTolerance = 0.00001;

// Q in m^3/min, a and b in metres, in either order. Returns not found when neither end
// shows a sign change against the midpoint, and also when the bracket can no longer
// shrink at the precision of a double, so every call ends.
HeadSolution SolveHead(double Q, double a, double b,
                       const std::function<void(const Trial&)>& onTrial = {});

}  // namespace weir
