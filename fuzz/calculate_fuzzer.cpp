// libFuzzer target: the Calculate action on a window held in memory, with any three texts in the
// flow and bracket fields and either decimal separator.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "caught.h"
#include "fake_window.h"
#include "fuzz/checks.h"
#include "weir/calculate.h"
#include "weir/number_text.h"
#include "weir/run_error.h"
#include "weir/solve_head.h"

namespace weir::fuzzing {
namespace {

// A typed number in the unit the Calculate action works in: metres from millimetres, m³/min
// from litres per minute.
double Metres(const std::string& mm, std::string_view separator) {
    return ReadNumber(mm, separator) / 1000.0;
}

// Solves once more from the texts, the way the Calculate action reads them, to hold what the
// solver found against what the window shows. An error here, after the action went through, is
// a finding that RunInput reports.
HeadSolution SolveFromTexts(const CalculateInput& input) {
    return SolveHead(Metres(input.flow, input.separator), Metres(input.lowerHead, input.separator),
                     Metres(input.upperHead, input.separator));
}

// A bracket head of zero or below fails the weir law: the field named must hold such a head,
// zero for a division by zero, negative for a square root, and the lower head (Text2) may be
// named only when the upper one (Text3), evaluated first, is above zero.
void CheckHeadNamed(const RunError& error, const CalculateInput& input, const std::string& what) {
    const double upper = Metres(input.upperHead, input.separator);
    const bool named =
        error.field() == Field::Text3 || (error.field() == Field::Text2 && upper > 0.0);
    if (!named) {
        Fail(what + " naming a field that is not the failing bracket head");
    }
    const double head =
        error.field() == Field::Text3 ? upper : Metres(input.lowerHead, input.separator);
    if (error.kind() == ErrorKind::DivisionByZero ? head != 0.0 : !(head < 0.0)) {
        Fail(what + " for a head of " + std::to_string(head) + " m");
    }
}

void CheckError(const RunError& error, const CalculateInput& input) {
    const std::string what =
        std::string("a ") + ErrorKindName(error.kind()) + " error (" + error.what() + ")";
    switch (error.kind()) {
        case ErrorKind::Conversion:
        case ErrorKind::Overflow:
        case ErrorKind::DivisionByZero:
        case ErrorKind::InvalidArgument:
            break;
        case ErrorKind::ControlFailure:
            Fail(what + " from a window that refuses nothing");
        default:
            Fail(what + " of a kind the window cannot report");
    }
    if (!error.field()) {
        if (error.kind() == ErrorKind::Conversion) {
            Fail(what + " that names no field");
        }
        return;
    }
    if (error.kind() == ErrorKind::DivisionByZero || error.kind() == ErrorKind::InvalidArgument) {
        CheckHeadNamed(error, input, what);
        return;
    }
    // The field named must hold a text that fails to read with that same kind.
    const std::array<std::pair<Field, const std::string*>, 3> inputs{{
        {Field::Text1, &input.flow},
        {Field::Text2, &input.lowerHead},
        {Field::Text3, &input.upperHead},
    }};
    for (const auto& [field, text] : inputs) {
        if (field == *error.field()) {
            const std::string& named = *text;
            const auto again = testing::Caught([&] { ReadNumber(named, input.separator); });
            if (!again || again->kind() != error.kind()) {
                Fail(what + " in a field whose text " + Quoted(named) + " reads otherwise");
            }
            return;
        }
    }
    Fail(what + " naming a field that is no input");
}

void CheckCalculation(std::string_view bytes) {
    const CalculateInput input = SplitCalculateInput(bytes);
    testing::FakeWindow window(input.flow, input.lowerHead, input.upperHead);
    // What an earlier calculation left, which every run must clear before anything can fail.
    window.Put(Field::Text4, "170.74");
    window.Put(Field::Text5, "12");
    window.drawn.emplace_back("an earlier message");
    window.drawColour = 0;

    const std::optional<RunError> error =
        testing::Caught([&] { RunCalculation(window, input.separator); });

    if (window.Text(Field::Text1) != input.flow || window.Text(Field::Text2) != input.lowerHead ||
        window.Text(Field::Text3) != input.upperHead) {
        Fail("the Calculate action changed an input field");
    }
    const std::string& head = window.Text(Field::Text4);
    const std::string& trials = window.Text(Field::Text5);
    const bool messageDrawn = !window.drawn.empty();
    if (messageDrawn) {
        if (window.drawn != std::vector<std::string>{std::string(kNoSolutionMessage)}) {
            Fail("the surface holds more or other than the no-solution message");
        }
        if (window.drawColour != kMessageColour) {
            Fail("the no-solution message is not drawn in red");
        }
        if (!head.empty() || !trials.empty()) {
            Fail("Text4 " + Quoted(head) + " or Text5 " + Quoted(trials) +
                 " holds a result beside the no-solution message");
        }
    }
    const bool anyInputEmpty =
        input.flow.empty() || input.lowerHead.empty() || input.upperHead.empty();
    if (error || anyInputEmpty) {
        if (error) {
            CheckError(*error, input);
        }
        if (!head.empty() || !trials.empty() || messageDrawn) {
            Fail("a calculation that failed or stopped at an empty field left something shown");
        }
        return;
    }

    const HeadSolution solution = SolveFromTexts(input);
    if (solution.trials < 1 || solution.trials >= 2200) {
        Fail("the solver ended after " + std::to_string(solution.trials) + " trials");
    }
    if (solution.found == messageDrawn) {
        Fail(solution.found ? "a head was found and the no-solution message drawn"
                            : "no head was found and no message drawn");
    }
    if (!solution.found) {
        return;
    }
    if (!std::isfinite(solution.head) || solution.head <= 0.0) {
        Fail("the solver found a head that is not finite and positive");
    }
    Require(ShownHeadFault(head, input.separator, solution.head));
    Require(ShownTrialsFault(trials, solution.trials));
}

}  // namespace
}  // namespace weir::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return weir::fuzzing::RunInput(data, size, weir::fuzzing::CheckCalculation);
}
