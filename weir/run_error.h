// The one kind of failure that ends a calculation: a run-time error with a kind, raised
// where the arithmetic, a number text or the window fails.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "weir/window_port.h"

namespace weir {

enum class ErrorKind {
    Conversion,       // a text that is no number
    Overflow,         // a number or a result beyond the range of a double
    DivisionByZero,   // a division whose divisor is zero
    InvalidArgument,  // the square root of a negative number
    ControlFailure,   // the window system refused to get or set a control's text
};

class RunError : public std::runtime_error {
  public:
    RunError(ErrorKind kind, const std::string& what, std::optional<Field> field = std::nullopt);

    ErrorKind kind() const noexcept { return kind_; }
    // The input field whose text failed to convert, when the error came from one.
    std::optional<Field> field() const noexcept { return field_; }

  private:
    ErrorKind kind_;
    std::optional<Field> field_;
};

const char* ErrorKindName(ErrorKind kind) noexcept;

}  // namespace weir
