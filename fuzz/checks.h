// What the fuzz targets hold the calculation to. Each check returns what is wrong with a text
// the user would see, or an empty string, so the checks themselves can be tested on bad texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace weir::fuzzing {

// Ends the run as a finding, with `what` on stderr, so that libFuzzer keeps the input.
[[noreturn]] void Fail(std::string_view what);

// Fails with `fault` unless it is empty.
void Require(const std::string& fault);

// Runs one fuzzer input through `check`. A RunError is the one failure the calculation may
// raise, and `check` catches it where it expects one; anything thrown out of `check` is a
// finding.
int RunInput(const std::uint8_t* data, std::size_t size, void (*check)(std::string_view bytes));

// `text` in quotes for a message, any byte outside printable ASCII written as \xNN.
std::string Quoted(std::string_view text);

// `text` as a Japanese input method in full-width mode would type it: its digits, signs,
// exponent letters and, where `separator` is "." or ",", that separator written in full width,
// a minus as `minus`. Only every `stride`-th of these characters is written so, to mix the two
// widths; everything else stays as it is.
std::string FullWidthTwin(std::string_view text, std::string_view separator, std::string_view minus,
                          std::size_t stride);

// The three input fields of the window and the user's decimal separator, taken from fuzzer
// bytes: the first byte picks the separator (',' a comma, anything else a point), the first two
// newlines after it end the flow and the lower head, and the rest is the upper head.
struct CalculateInput {
    std::string separator;
    std::string flow;
    std::string lowerHead;
    std::string upperHead;
};
CalculateInput SplitCalculateInput(std::string_view bytes);

// The head shown in mm (Text4) for a head `headM` in metres that the solver found.
std::string ShownHeadFault(std::string_view text, std::string_view separator, double headM);

// The trial count shown (Text5) for the count the solver gave.
std::string ShownTrialsFault(std::string_view text, std::int64_t trials);

// `text` as FormatFiveDecimals wrote `value`.
std::string FiveDecimalFault(double value, std::string_view text, std::string_view separator);

// `text` as FormatGeneral wrote `value`.
std::string GeneralFault(double value, std::string_view text, std::string_view separator);

}  // namespace weir::fuzzing
