// libFuzzer target: any bytes as a number text the user typed, read with a decimal point and with
// a decimal comma, and the texts the program writes for every number it reads.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "caught.h"
#include "fuzz/checks.h"
#include "weir/number_text.h"
#include "weir/run_error.h"

namespace weir::fuzzing {
namespace {

// A number, or the kind of error that reading raised.
using Reading = std::variant<double, ErrorKind>;

Reading Read(std::string_view text, std::string_view separator) {
    double value = 0.0;
    const auto error = testing::Caught([&] { value = ReadNumber(text, separator, Field::Text2); });
    if (!error) {
        return value;
    }
    const std::string what = "ReadNumber(" + Quoted(text) + ", " + Quoted(separator) + ") raised ";
    if (error->kind() != ErrorKind::Conversion && error->kind() != ErrorKind::Overflow) {
        Fail(what + "a " + ErrorKindName(error->kind()) + " error");
    }
    if (error->field() != Field::Text2) {
        Fail(what + "an error that does not name the field read");
    }
    return error->kind();
}

// Numbers alike to the bit, so that a sign of zero counts too.
bool Same(const Reading& x, const Reading& y) {
    if (x.index() != y.index()) {
        return false;
    }
    if (const double* value = std::get_if<double>(&x)) {
        return std::bit_cast<std::uint64_t>(*value) == std::bit_cast<std::uint64_t>(std::get<0>(y));
    }
    return x == y;
}

std::string WithPointAndCommaSwapped(std::string_view text) {
    std::string swapped(text);
    for (char& c : swapped) {
        if (c == '.') {
            c = ',';
        } else if (c == ',') {
            c = '.';
        }
    }
    return swapped;
}

void CheckTextsWritten(const Reading& reading, std::string_view separator) {
    const double* value = std::get_if<double>(&reading);
    if (value == nullptr) {
        return;
    }
    if (!std::isfinite(*value)) {
        Fail("ReadNumber gave a number that is not finite with the separator " + Quoted(separator));
    }
    // No finite double may fail to be written; RunInput reports it if one does.
    Require(FiveDecimalFault(*value, FormatFiveDecimals(*value, separator), separator));
    Require(GeneralFault(*value, FormatGeneral(*value, separator), separator));
}

void CheckNumberText(std::string_view text) {
    const Reading withPoint = Read(text, ".");
    CheckTextsWritten(withPoint, ".");
    CheckTextsWritten(Read(text, ","), ",");
    // The separator is the one character that depends on the user: a text must read with a
    // comma as the same text with points for commas reads with a point.
    const std::string swapped = WithPointAndCommaSwapped(text);
    if (!Same(withPoint, Read(swapped, ","))) {
        Fail(Quoted(text) + " with a point and " + Quoted(swapped) + " with a comma read apart");
    }
}

}  // namespace
}  // namespace weir::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return weir::fuzzing::RunInput(data, size, weir::fuzzing::CheckNumberText);
}
