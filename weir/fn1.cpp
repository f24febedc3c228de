// The V-notch weir law: Q = 60 (1.334 + 0.0205 / sqrt(h)) h^2.5, per-second law times 60.
#include "weir/fn1.h"

#include "weir/guarded.h"

namespace weir {

void FN1(double& residual, const double& h, const double& Q) {
    const double r = SquareRoot(h);
    const double K = Multiply(Add(Divide(0.0205, r), 1.334), 60.0);
    const double P = Power(h, 2.5);
    residual = Subtract(Multiply(K, P), Q);
}

}  // namespace weir
