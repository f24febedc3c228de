// The checks behind the fuzz targets: the forms of the number texts the user reads, and how
// far they may stand from the numbers they show.
#include "fuzz/checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>
#include <optional>

#include "weir/number_text.h"
#include "weir/run_error.h"

namespace weir::fuzzing {
namespace {

// The five-decimal text of a value v says something of v only between 0.000005, below which it
// holds no digit (the bare separator), and 2^36, about 6.9e10, from which on neighbouring
// doubles lie more than 0.00001 apart: there the rounded number is nearer v than any other
// double, so its text must read back as v itself. In between it reads back within half of
// 0.00001 of v, give or take the gap between doubles at v. Heads are metres, far inside.
constexpr double kDoublesCoarserThanFiveDecimals = 68719476736.0;

// FormatGeneral rounds to 15 significant digits; above this number, up to the largest double,
// that rounds up to 1.79769313486232e308, which no double holds. Such a value is some 10^180
// times any head the weir law can take, so its text is only required to fail as an overflow.
// No double equals the bound, and a long double tells on which side of it a double lies.
constexpr long double kGeneralTextOverflows = 1.797693134862315e308L;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsDigit);
}

std::string Number(double value) {
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
}

long double Wide(double value) {
    return static_cast<long double>(value);
}

// The gap from |value| to the next double away from zero, or towards it for the largest one:
// how far reading a decimal text may land from the decimal number it holds.
long double Spacing(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude == std::numeric_limits<double>::max()) {
        return Wide(magnitude) - Wide(std::nextafter(magnitude, 0.0));
    }
    return Wide(std::nextafter(magnitude, HUGE_VAL)) - Wide(magnitude);
}

long double Distance(double x, double y) {
    return std::fabs(Wide(x) - Wide(y));
}

// What keeps `text` from being a plain decimal: an optional minus where `mayBeNegative`,
// digits, and at most one separator among them.
std::string PlainDecimalFault(std::string_view text, std::string_view separator,
                              bool mayBeNegative) {
    if (text.find_first_of("eE") != std::string_view::npos) {
        return " holds an exponent";
    }
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos) {
        return " holds an infinity or a not-a-number";
    }
    if (!HasDigit(text)) {
        return " holds no digit";
    }
    std::string_view rest = text;
    if (mayBeNegative && rest.starts_with('-')) {
        rest.remove_prefix(1);
    }
    const auto skipDigits = [&rest] {
        rest.remove_prefix(std::min(rest.find_first_not_of("0123456789"), rest.size()));
    };
    skipDigits();
    if (rest.starts_with(separator)) {
        rest.remove_prefix(separator.size());
        skipDigits();
    }
    if (!rest.empty()) {
        return " is no plain decimal";
    }
    return {};
}

std::size_t DecimalPlaces(std::string_view text, std::string_view separator) {
    const std::size_t at = text.find(separator);
    return at == std::string_view::npos ? 0 : text.size() - at - separator.size();
}

std::optional<double> ReadBack(std::string_view text, std::string_view separator) {
    try {
        return ReadNumber(text, separator);
    } catch (const RunError&) {
        return std::nullopt;
    }
}

}  // namespace

void Fail(std::string_view what) {
    std::fprintf(stderr, "\nTARVIK fuzz finding: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    std::fflush(stderr);
    std::abort();
}

void Require(const std::string& fault) {
    if (!fault.empty()) {
        Fail(fault);
    }
}

int RunInput(const std::uint8_t* data, std::size_t size, void (*check)(std::string_view bytes)) {
    try {
        check(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const RunError& error) {
        Fail(std::string("a ") + ErrorKindName(error.kind()) +
             " error where none may arise: " + error.what());
    } catch (const std::exception& error) {
        Fail(std::string("an exception other than RunError: ") + error.what());
    } catch (...) {
        Fail("something thrown that is no exception");
    }
    return 0;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            quoted += c;
        } else {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\x%02X", byte);
            quoted += escaped.data();
        }
    }
    return quoted + "\"";
}

std::string FullWidthTwin(std::string_view text, std::string_view separator, std::string_view minus,
                          std::size_t stride) {
    const bool separatorHasTwin = separator == "." || separator == ",";
    std::string twin;
    std::size_t twinnable = 0;
    for (const char c : text) {
        const bool hasTwin = IsDigit(c) || c == '+' || c == '-' || c == 'e' || c == 'E' ||
                             (separatorHasTwin && separator.front() == c);
        if (!hasTwin || twinnable++ % stride != 0) {
            twin += c;
        } else if (c == '-') {
            twin += minus;
        } else {
            // The full-width forms of '!' to '~' are U+FF01 to U+FF5E, in the same order, and
            // take three bytes in UTF-8.
            const auto codePoint = static_cast<unsigned>(c - '!') + 0xFF01U;
            twin += static_cast<char>(0xE0U | (codePoint >> 12U));
            twin += static_cast<char>(0x80U | ((codePoint >> 6U) & 0x3FU));
            twin += static_cast<char>(0x80U | (codePoint & 0x3FU));
        }
    }
    return twin;
}

CalculateInput SplitCalculateInput(std::string_view bytes) {
    CalculateInput input{".", "", "", ""};
    if (bytes.empty()) {
        return input;
    }
    if (bytes.front() == ',') {
        input.separator = ",";
    }
    bytes.remove_prefix(1);
    for (std::string* text : {&input.flow, &input.lowerHead}) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        *text = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
    input.upperHead = bytes;
    return input;
}

std::string ShownHeadFault(std::string_view text, std::string_view separator, double headM) {
    const std::string what = "Text4 shows " + Quoted(text) + " for a head of " + Number(headM) +
                             " m with the separator " + Quoted(separator);
    if (const std::string fault = PlainDecimalFault(text, separator, false); !fault.empty()) {
        return what + ", which" + fault;
    }
    if (DecimalPlaces(text, separator) > 2) {
        return what + ", more than two decimals";
    }
    const std::optional<double> shown = ReadBack(text, separator);
    if (!shown) {
        return what + ", which does not read back as a number";
    }
    // Rounded once to 0.00001 m, then to 15 digits; both roundings land on doubles.
    const long double headMm = 1000.0L * Wide(headM);
    if (std::fabs(Wide(*shown) - headMm) > 0.005L + 1e-14L * headMm + 1000.0L * Spacing(headM)) {
        return what + ", which is further than 0.005 mm from the head";
    }
    return {};
}

std::string ShownTrialsFault(std::string_view text, std::int64_t trials) {
    const std::string what =
        "Text5 shows " + Quoted(text) + " for " + std::to_string(trials) + " trials";
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return what + ", which is no whole number";
    }
    if (text != std::to_string(trials)) {
        return what + ", another count";
    }
    return {};
}

std::string FiveDecimalFault(double value, std::string_view text, std::string_view separator) {
    const std::string what =
        "FormatFiveDecimals(" + Number(value) + ", " + Quoted(separator) + ") gave " + Quoted(text);
    if (!HasDigit(text)) {
        if (text != separator) {
            return what + ", which holds no digit yet is more than the separator";
        }
        if (std::fabs(value) > 0.000005) {
            return what + ", no digit for a value that does not round to zero";
        }
        return {};
    }
    if (const std::string fault = PlainDecimalFault(text, separator, true); !fault.empty()) {
        return what + ", which" + fault;
    }
    if (text.find(separator) == std::string_view::npos) {
        return what + ", which lacks the separator";
    }
    if (DecimalPlaces(text, separator) > 5) {
        return what + ", more than five decimals";
    }
    const std::optional<double> back = ReadBack(text, separator);
    if (!back) {
        return what + ", which does not read back as a number";
    }
    const std::string readsAs = what + ", which reads back as " + Number(*back);
    if (Distance(*back, value) > 0.000005L + Spacing(value)) {
        return readsAs + ", further than 0.000005 from the value";
    }
    if (std::fabs(value) >= kDoublesCoarserThanFiveDecimals && *back != value) {
        return readsAs + ", not the value itself";
    }
    if (const std::string again = FormatFiveDecimals(*back, separator); again != text) {
        return readsAs + ", which gives " + Quoted(again) + " in turn";
    }
    return {};
}

std::string GeneralFault(double value, std::string_view text, std::string_view separator) {
    const std::string what =
        "FormatGeneral(" + Number(value) + ", " + Quoted(separator) + ") gave " + Quoted(text);
    if (const std::string fault = PlainDecimalFault(text, separator, true); !fault.empty()) {
        return what + ", which" + fault;
    }
    if (Wide(std::fabs(value)) > kGeneralTextOverflows) {
        try {
            ReadNumber(text, separator);
        } catch (const RunError& error) {
            if (error.kind() == ErrorKind::Overflow) {
                return {};
            }
        }
        return what + ", which rounds past the largest double yet is no overflow";
    }
    const std::optional<double> back = ReadBack(text, separator);
    if (!back) {
        return what + ", which does not read back as a number";
    }
    const std::string readsAs = what + ", which reads back as " + Number(*back);
    if (Distance(*back, value) > 5e-15L * Wide(std::fabs(value)) + Spacing(value)) {
        return readsAs + ", beyond the 15th digit of the value";
    }
    // Any 15 digits survive a double and back, but a subnormal double holds fewer.
    if (std::isnormal(value)) {
        if (const std::string again = FormatGeneral(*back, separator); again != text) {
            return readsAs + ", which gives " + Quoted(again) + " in turn";
        }
    }
    return {};
}

}  // namespace weir::fuzzing
