// Run-time errors of the calculation.
#include "weir/run_error.h"

namespace weir {

RunError::RunError(ErrorKind kind, const std::string& what, std::optional<Field> field)
    : std::runtime_error(what), kind_(kind), field_(field) {}

const char* ErrorKindName(ErrorKind kind) noexcept {
    switch (kind) {
        case ErrorKind::Conversion:
            return "conversion";
        case ErrorKind::Overflow:
            return "overflow";
        case ErrorKind::DivisionByZero:
            return "division by zero";
        case ErrorKind::InvalidArgument:
            return "invalid argument";
        case ErrorKind::ControlFailure:
            return "control failure";
    }
    return "unknown";
}

}  // namespace weir
