// Guarded arithmetic: every result is finite or the operation raises.
#include "weir/guarded.h"

#include <cmath>

#include "weir/run_error.h"

namespace weir {
namespace {

double Finite(double result, const char* operation) {
    if (!std::isfinite(result)) {
        throw RunError(ErrorKind::Overflow, std::string(operation) + " overflows a double");
    }
    return result;
}

}  // namespace

double Add(double x, double y) {
    return Finite(x + y, "addition");
}

double Subtract(double x, double y) {
    return Finite(x - y, "subtraction");
}

double Multiply(double x, double y) {
    return Finite(x * y, "multiplication");
}

double Divide(double x, double y) {
    if (y == 0.0) {
        throw RunError(ErrorKind::DivisionByZero, "division by zero");
    }
    return Finite(x / y, "division");
}

double SquareRoot(double x) {
    if (x < 0.0) {
        throw RunError(ErrorKind::InvalidArgument, "square root of a negative number");
    }
    return Finite(std::sqrt(x), "square root");
}

double Power(double base, double exponent) {
    if (base < 0.0 && std::trunc(exponent) != exponent) {
        throw RunError(ErrorKind::InvalidArgument, "fractional power of a negative number");
    }
    if (base == 0.0 && exponent < 0.0) {
        throw RunError(ErrorKind::DivisionByZero, "negative power of zero");
    }
    return Finite(std::pow(base, exponent), "power");
}

}  // namespace weir
