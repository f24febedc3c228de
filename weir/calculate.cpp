// The Calculate action: fields in, head and trials (or the red message) out.
#include "weir/calculate.h"

#include <algorithm>
#include <string>

#include "weir/guarded.h"
#include "weir/number_text.h"
#include "weir/run_error.h"
#include "weir/solve_head.h"

namespace weir {
namespace {

double ReadField(WindowPort& window, Field field, std::string_view decimalSeparator) {
    return ReadNumber(window.GetText(field), decimalSeparator, field);
}

// The head rounded to 0.00001 m the way it is shown: through its five-decimal text. A head
// below 0.000005 m leaves no digit in that text; it shows as zero.
double RoundToFiveDecimals(double head, std::string_view decimalSeparator) {
    const std::string text = FormatFiveDecimals(head, decimalSeparator);
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0.0;
    }
    return ReadNumber(text, decimalSeparator);
}

// The weir law fails only at a head of zero or below, and so only on the first trial, where
// SolveHead evaluates the upper head (Text3) before the lower one (Text2). The error then
// names the field the user must change rather than the arithmetic that failed.
HeadSolution SolveNamingTheHead(double flow, double lowerHead, double upperHead) {
    try {
        return SolveHead(flow, lowerHead, upperHead);
    } catch (const RunError& error) {
        if (error.kind() != ErrorKind::DivisionByZero &&
            error.kind() != ErrorKind::InvalidArgument) {
            throw;
        }
        throw RunError(error.kind(), error.what(), upperHead > 0.0 ? Field::Text2 : Field::Text3);
    }
}

}  // namespace

void RunCalculation(WindowPort& window, std::string_view decimalSeparator) {
    window.ClearSurface();
    window.SetText(Field::Text4, "");
    window.SetText(Field::Text5, "");
    if (std::any_of(kInputFields.begin(), kInputFields.end(),
                    [&window](Field input) { return window.GetText(input).empty(); })) {
        return;
    }
    const double flow = Divide(ReadField(window, Field::Text1, decimalSeparator), 1000.0);
    const double lowerHead = Divide(ReadField(window, Field::Text2, decimalSeparator), 1000.0);
    const double upperHead = Divide(ReadField(window, Field::Text3, decimalSeparator), 1000.0);

    const HeadSolution solution = SolveNamingTheHead(flow, lowerHead, upperHead);
    if (solution.found) {
        const double headMm =
            Multiply(RoundToFiveDecimals(solution.head, decimalSeparator), 1000.0);
        window.SetText(Field::Text4, FormatGeneral(headMm, decimalSeparator));
        window.SetText(Field::Text5, std::to_string(solution.trials));
    } else {
        window.SetDrawColour(kMessageColour);
        window.DrawTextLine(std::string(kNoSolutionMessage));
    }
}

}  // namespace weir
