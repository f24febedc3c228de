// Interval halving on the weir residual.
#include "weir/solve_head.h"

#include <cmath>

#include "weir/fn1.h"
#include "weir/guarded.h"

namespace weir {

HeadSolution SolveHead(double Q, double a, double b,
                       const std::function<void(const Trial&)>& onTrial) {
    std::int64_t n = 0;
    for (;;) {
        double fU = 0.0;
        double fL = 0.0;
        double fM = 0.0;
        FN1(fU, b, Q);
        FN1(fL, a, Q);
        const double mid = Divide(Add(b, a), 2.0);
        ++n;
        FN1(fM, mid, Q);
        if (onTrial) {
            onTrial(Trial{n, a, b, mid, fM});
        }
        if (std::fabs(fM) < kFlowTolerance) {
            return {true, mid, n};
        }
        // A midpoint equal to the end it would replace means the bracket is two neighbouring
        // doubles (or one): the next trial would repeat this one for ever, so the tolerance
        // cannot be met at this flow.
        if (Multiply(fU, fM) < 0.0) {
            if (mid == a) {
                return {false, mid, n};
            }
            a = mid;
        } else if (Multiply(fL, fM) < 0.0) {
            if (mid == b) {
                return {false, mid, n};
            }
            b = mid;
        } else {
            return {false, mid, n};
        }
    }
}

}  // namespace weir
