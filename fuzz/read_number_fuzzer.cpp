// libFuzzer target: any bytes as a number text the user typed, read with a decimal point and with
// a decimal comma, in ordinary and in full-width characters, and the texts the program writes for
// every number it reads.
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
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

// Points and commas swapped, in either width.
std::string WithPointAndCommaSwapped(std::string_view text) {
    constexpr std::string_view kPoint = "\uFF0E";
    constexpr std::string_view kComma = "\uFF0C";
    std::string swapped;
    while (!text.empty()) {
        if (text.starts_with(kPoint) || text.starts_with(kComma)) {
            swapped += text.starts_with(kPoint) ? kComma : kPoint;
            text.remove_prefix(kPoint.size());
            continue;
        }
        char c = text.front();
        if (c == '.') {
            c = ',';
        } else if (c == ',') {
            c = '.';
        }
        swapped += c;
        text.remove_prefix(1);
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

// Full width is only another way to type the same characters: a text reads as its full-width
// twin does, whole or mixed with ordinary characters, with either minus.
void CheckFullWidthTwins(std::string_view text, std::string_view separator,
                         const Reading& reading) {
    constexpr std::array<std::pair<std::string_view, std::size_t>, 2> kTwins{
        {{"\uFF0D", 1}, {"\u2212", 2}}};
    for (const auto& [minus, stride] : kTwins) {
        const std::string twin = FullWidthTwin(text, separator, minus, stride);
        if (!Same(reading, Read(twin, separator))) {
            Fail(Quoted(text) + " and its full-width twin " + Quoted(twin) +
                 " read apart with the separator " + Quoted(separator));
        }
    }
}

void CheckNumberText(std::string_view text) {
    const Reading withPoint = Read(text, ".");
    const Reading withComma = Read(text, ",");
    CheckTextsWritten(withPoint, ".");
    CheckTextsWritten(withComma, ",");
    CheckFullWidthTwins(text, ".", withPoint);
    CheckFullWidthTwins(text, ",", withComma);
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
