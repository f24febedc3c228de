// Arithmetic that raises a RunError at the operation that fails instead of going on with an
// infinity or a not-a-number: overflow, division by zero, square root of a negative number.
#pragma once

namespace weir {

double Add(double x, double y);
double Subtract(double x, double y);
double Multiply(double x, double y);
double Divide(double x, double y);
double SquareRoot(double x);
double Power(double base, double exponent);

}  // namespace weir
