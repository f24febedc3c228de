// Numbers as the user types and reads them: the decimal separator is the user's, given by the
// caller, never read from a global locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "weir/window_port.h"

namespace weir {

// Reads an optional sign, digits with at most one decimal separator (the integer part may be
// empty) and an optional exponent, with blanks around. Raises RunError Conversion for a text
// that is no number and Overflow for one beyond the range of a double; a number too small to
// represent reads as the nearest double. The full-width digits, signs, exponent letters and
// separator that a Japanese input method types read as their ordinary twins, as does the minus
// sign U+2212; texts are UTF-8. `field` is named in the error.
double ReadNumber(std::string_view text, std::string_view decimalSeparator,
                  std::optional<Field> field = std::nullopt);

// The head rounded to five decimals in the form "#####.#####": no leading zero, no trailing
// zeros (0.17073974609375003 gives ".17074", 0.2 gives ".2", 2 gives "2.").
std::string FormatFiveDecimals(double value, std::string_view decimalSeparator);

// Up to 15 significant digits, never an exponent, a leading zero below 1, no trailing zeros
// (170.74, 67.4, 200, 0.55).
std::string FormatGeneral(double value, std::string_view decimalSeparator);

}  // namespace weir
