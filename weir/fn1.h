// The rating law of a 90-degree V-notch weir, written as a residual for the head solver.
#pragma once

namespace weir {

// Sets `residual` to the flow the weir passes at head `h` (m) minus the target flow `Q`,
// both in m^3/min. Raises RunError for h <= 0 or a head so large that the flow overflows,
// and then leaves `residual` unchanged.
void FN1(double& residual, const double& h, const double& Q);

}  // namespace weir
