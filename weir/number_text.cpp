// Reading and writing number texts with the user's decimal separator, independent of any
// global locale so that the same text always gives the same number.
#include "weir/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <system_error>
#include <utility>

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include "weir/run_error.h"

namespace weir {
namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// What a Japanese input method types in full-width mode, and the minus sign that pasted text
// brings, each with the ordinary character it stands for.
constexpr auto kFullWidthTwins = std::to_array<std::pair<std::string_view, char>>({
    {"\uFF10", '0'},
    {"\uFF11", '1'},
    {"\uFF12", '2'},
    {"\uFF13", '3'},
    {"\uFF14", '4'},
    {"\uFF15", '5'},
    {"\uFF16", '6'},
    {"\uFF17", '7'},
    {"\uFF18", '8'},
    {"\uFF19", '9'},
    {"\uFF0B", '+'},
    {"\uFF0D", '-'},
    {"\u2212", '-'},
    {"\uFF25", 'E'},
    {"\uFF45", 'e'},
});

// The full-width separator that stands for the user's own, or none: the other one is no more
// a separator than its ordinary twin is.
std::string_view FullWidthSeparator(std::string_view separator) {
    if (separator == ".") {
        return "\uFF0E";
    }
    if (separator == ",") {
        return "\uFF0C";
    }
    return {};
}

// The text with every full-width character a number may hold written as its ordinary twin, so
// that one reading serves both widths and any mix of them. Everything else, broken UTF-8
// included, stays as it is for the reading to reject.
std::string ToHalfWidth(std::string_view text, std::string_view separator) {
    const std::string_view wideSeparator = FullWidthSeparator(separator);
    std::string half;
    half.reserve(text.size());
    while (!text.empty()) {
        if (!wideSeparator.empty() && text.starts_with(wideSeparator)) {
            half += separator;
            text.remove_prefix(wideSeparator.size());
            continue;
        }
        const auto* const twin =
            std::find_if(kFullWidthTwins.begin(), kFullWidthTwins.end(),
                         [text](const auto& pair) { return text.starts_with(pair.first); });
        if (twin != kFullWidthTwins.end()) {
            half += twin->second;
            text.remove_prefix(twin->first.size());
        } else {
            half += text.front();
            text.remove_prefix(1);
        }
    }
    return half;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks a user may leave around a number: spaces, tabs and the full-width space that a
// Japanese input method types.
std::string_view TrimBlanks(std::string_view text) {
    for (;;) {
        if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
            text.remove_prefix(1);
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
        } else if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            return text;
        }
    }
}

std::string_view TakeDigits(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) {
        ++n;
    }
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

// The number split into its parts, checked against the accepted form.
struct NumberParts {
    bool negative = false;
    std::string_view integer;
    std::string_view fraction;
    bool exponentNegative = false;
    std::string_view exponent;
};

std::optional<NumberParts> Split(std::string_view text, std::string_view separator) {
    NumberParts parts;
    text = TrimBlanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parts.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    parts.integer = TakeDigits(text);
    if (text.starts_with(separator)) {
        text.remove_prefix(separator.size());
        parts.fraction = TakeDigits(text);
    }
    if (parts.integer.empty() && parts.fraction.empty()) {
        return std::nullopt;
    }
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            parts.exponentNegative = text.front() == '-';
            text.remove_prefix(1);
        }
        parts.exponent = TakeDigits(text);
        if (parts.exponent.empty()) {
            return std::nullopt;
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return parts;
}

std::string FieldSuffix(std::optional<Field> field) {
    if (!field) {
        return {};
    }
    return " in Text" + std::to_string(static_cast<int>(*field) + 1);
}

// |value| written by fmt with `format` (fixed or scientific, correctly rounded to
// `precision` decimals), and its sign.
struct Written {
    bool negative;
    std::string text;
};

Written Write(double value, char format, int precision) {
    if (!std::isfinite(value)) {
        throw RunError(ErrorKind::Overflow, "number beyond the range of a double");
    }
    const double magnitude = std::fabs(value);
    return {std::signbit(value), format == 'f' ? fmt::format("{:.{}f}", magnitude, precision)
                                               : fmt::format("{:.{}e}", magnitude, precision)};
}

}  // namespace

double ReadNumber(std::string_view text, std::string_view decimalSeparator,
                  std::optional<Field> field) {
    const std::string_view separator = decimalSeparator.empty() ? "." : decimalSeparator;
    const std::string halfWidth = ToHalfWidth(text, separator);
    const std::optional<NumberParts> parts = Split(halfWidth, separator);
    if (!parts) {
        throw RunError(ErrorKind::Conversion, "no number" + FieldSuffix(field), field);
    }
    // fast_float reads the C form: one '.' and no leading '+'. It is used rather than
    // std::from_chars because some of the standard libraries we build with lack that for
    // doubles; one reader everywhere keeps every window's numbers the same.
    std::string plain;
    plain.reserve(halfWidth.size() + 2);
    if (parts->negative) {
        plain += '-';
    }
    plain += parts->integer;
    plain += '.';
    plain += parts->fraction;
    if (!parts->exponent.empty()) {
        plain += parts->exponentNegative ? "e-" : "e";
        plain += parts->exponent;
    }
    double value = 0.0;
    const auto [end, ec] = fast_float::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc{} || end != plain.data() + plain.size()) {
        throw RunError(ErrorKind::Conversion, "no number" + FieldSuffix(field), field);
    }
    // A number too large reads as infinity; one too small, as the nearest double or zero.
    if (std::isinf(value)) {
        throw RunError(ErrorKind::Overflow,
                       "number beyond the range of a double" + FieldSuffix(field), field);
    }
    return value;
}

std::string FormatFiveDecimals(double value, std::string_view decimalSeparator) {
    const Written fixed = Write(value, 'f', 5);
    const std::string_view all = fixed.text;
    const std::size_t point = all.find('.');
    std::string_view integer = all.substr(0, point);
    std::string_view fraction = all.substr(point + 1);
    integer = integer.substr(std::min(integer.find_first_not_of('0'), integer.size()));
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);

    std::string text;
    if (fixed.negative && !(integer.empty() && fraction.empty())) {
        text += '-';
    }
    text += integer;
    text += decimalSeparator;
    text += fraction;
    return text;
}

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
    if (value == 0.0) {
        return "0";
    }
    constexpr int kSignificantDigits = 15;
    const Written written = Write(value, 'e', kSignificantDigits - 1);
    const std::string_view scientific = written.text;
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (IsDigit(c)) {
            digits += c;
        }
    }
    // std::stoi throws rather than reading a malformed exponent as zero, as atoi would.
    const int exponent = std::stoi(std::string(scientific.substr(e + 1)));

    std::string integer;
    std::string fraction;
    if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        digits.resize(std::max(digits.size(), integerDigits), '0');
        integer = digits.substr(0, integerDigits);
        fraction = digits.substr(integerDigits);
    } else {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    fraction.erase(fraction.find_last_not_of('0') + 1);

    std::string text = written.negative ? "-" : "";
    text += integer;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

}  // namespace weir
