// What the user does with the window and what must follow, as rows for either window.
#include "window/tests/scenarios.h"

#include <string>
#include <utility>

#include "weir/calculate.h"
#include "window/error_policy.h"

namespace tarvik::testing {

namespace {

using weir::ErrorKind;

constexpr std::string_view kCalculate = "Command1";
constexpr std::string_view kClear = "Command2";
constexpr std::array<std::string_view, 3> kInputs{"Text1", "Text2", "Text3"};
constexpr std::array<std::string_view, 2> kOutputs{"Text4", "Text5"};
constexpr std::array<std::string_view, 2> kEmpty{"", ""};
constexpr std::array<std::string_view, 3> kNoSolution{"1000", "200", "500"};

// Mismatches, each a line saying what was expected and what came.
class Findings {
  public:
    void Expect(bool held, std::string_view what) {
        if (!held) {
            lines_.emplace_back(what);
        }
    }
    void ExpectText(WindowDriver& driver, std::string_view field, std::string_view wanted) {
        const std::string text = driver.Text(field);
        Expect(text == wanted,
               std::string(field) + " holds \"" + text + "\", not \"" + std::string(wanted) + "\"");
    }
    std::vector<std::string> Lines() && { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " | ") + text;
    }
    return joined;
}

}  // namespace

const std::vector<Scenario>& Scenarios() {
    static const std::string hugeFlow = "1" + std::string(400, '0');
    static const std::string farApartHead = "1" + std::string(66, '0');
    static const std::vector<Scenario> scenarios{
        // name, separator, typed, control, key, shown, message, error, named, broken
        {"1000 L/min",
         ".",
         {"1000", "50", "500"},
         kCalculate,
         {},
         {"170.74", "12"},
         false,
         {},
         {},
         {}},
        {"100 L/min", ".", {"100", "10", "200"}, kCalculate, {}, {"67.4", "13"}, false, {}, {}, {}},
        {"bracket swapped",
         ".",
         {"2000", "300", "100"},
         kCalculate,
         {},
         {"225.71", "15"},
         false,
         {},
         {},
         {}},
        {"decimal comma",
         ",",
         {"1000", "50,0", "500"},
         kCalculate,
         {},
         {"170,74", "12"},
         false,
         {},
         {},
         {}},
        {"no solution", ".", kNoSolution, kCalculate, {}, kEmpty, true, {}, {}, {}},
        {"empty minimum", ".", {"1000", "", "500"}, kCalculate, {}, kEmpty, false, {}, {}, {}},
        {"clear", ".", {"1000", "50", "500"}, kClear, {}, kEmpty, false, {}, {}, {}},
        {"Return in Text1",
         ".",
         kNoSolution,
         "Text1",
         Key::Return,
         kEarlierResult,
         false,
         {},
         {},
         {}},
        {"Enter in Text3",
         ".",
         kNoSolution,
         "Text3",
         Key::Enter,
         kEarlierResult,
         false,
         {},
         {},
         {}},
        {"Escape in Text2",
         ".",
         kNoSolution,
         "Text2",
         Key::Escape,
         kEarlierResult,
         false,
         {},
         {},
         {}},
        {"Return on Calculate",
         ".",
         kNoSolution,
         kCalculate,
         Key::Return,
         kEarlierResult,
         false,
         {},
         {},
         {}},
        {"Escape on Clear",
         ".",
         kNoSolution,
         kClear,
         Key::Escape,
         kEarlierResult,
         false,
         {},
         {},
         {}},
        {"letters as flow",
         ".",
         {"abc", "50", "500"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::Conversion,
         "流量(L/min)",
         {}},
        {"blank as flow",
         ".",
         {" ", "50", "500"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::Conversion,
         "流量(L/min)",
         {}},
        {"letters as maximum",
         ".",
         {"1000", "50", "x"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::Conversion,
         "最大値(mm)",
         {}},
        {"flow beyond a double",
         ".",
         {hugeFlow, "50", "500"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::Overflow,
         "流量(L/min)",
         {}},
        {"heads too far apart",
         ".",
         {"1000", "1", farApartHead},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::Overflow,
         "大きくなりすぎ",
         {}},
        {"zero maximum",
         ".",
         {"1000", "50", "0"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::DivisionByZero,
         "0 で割る",
         {}},
        {"negative minimum",
         ".",
         {"1000", "-10", "500"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::InvalidArgument,
         "負の数",
         {}},
        {"Calculate without Text4",
         ".",
         {"1000", "50", "500"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::ControlFailure,
         "終了します",
         "Text4"},
        {"Calculate without Text2",
         ".",
         {"1000", "50", "500"},
         kCalculate,
         {},
         kEmpty,
         false,
         ErrorKind::ControlFailure,
         "終了します",
         "Text2"},
        {"Clear without Text5",
         ".",
         {"1000", "50", "500"},
         kClear,
         {},
         kEmpty,
         false,
         ErrorKind::ControlFailure,
         "終了します",
         "Text5"},
    };
    return scenarios;
}

std::vector<std::string> Run(const Scenario& scenario, WindowDriver& driver) {
    Findings findings;
    driver.Open(scenario.separator);
    for (std::size_t i = 0; i < kOutputs.size(); ++i) {
        driver.Type(kOutputs[i], kEarlierResult[i]);
    }
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        driver.Type(kInputs[i], scenario.typed[i]);
    }
    if (!scenario.broken.empty()) {
        driver.Break(scenario.broken);
    }
    if (scenario.key) {
        driver.Press(scenario.control, *scenario.key);
    } else {
        driver.Click(scenario.control);
    }

    const std::vector<Report> reports = driver.Reports();
    if (!scenario.broken.empty()) {
        findings.Expect(reports.size() == 1 && reports.front().kind == ErrorKind::ControlFailure,
                        "a failing control is reported once");
        findings.Expect(driver.Exits() == std::vector<int>{kControlFailureStatus},
                        "a failing control ends the program with status 1");
        return std::move(findings).Lines();
    }
    if (scenario.error) {
        findings.Expect(reports.size() == 1 && reports.front().kind == *scenario.error,
                        "one error of the expected kind is reported");
        findings.Expect(
            !reports.empty() && reports.front().message.find(scenario.named) != std::string::npos,
            "the report says \"" + std::string(scenario.named) +
                "\": " + (reports.empty() ? std::string("none") : reports.front().message));
    } else {
        findings.Expect(reports.empty(), "nothing is reported");
    }
    findings.Expect(driver.Exits().empty(), "the program goes on");

    const bool cleared = scenario.control == kClear && !scenario.key;
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        findings.ExpectText(driver, kInputs[i], cleared ? "" : scenario.typed[i]);
    }
    for (std::size_t i = 0; i < kOutputs.size(); ++i) {
        findings.ExpectText(driver, kOutputs[i], scenario.shown[i]);
    }
    const std::vector<std::string> drawn = driver.DrawnTexts();
    if (scenario.message) {
        findings.Expect(drawn == std::vector<std::string>{std::string(weir::kNoSolutionMessage)},
                        "the surface holds the no-solution message alone, not: " + Joined(drawn));
        findings.Expect(driver.RedPixels(true) > 20, "the message shows red at the top");
        findings.Expect(driver.RedPixels(false) == 0, "nothing red below the top strip");
    } else {
        findings.Expect(drawn.empty(), "nothing is drawn, but: " + Joined(drawn));
        findings.Expect(driver.RedPixels(true) == 0, "no red at the top");
    }
    if (scenario.error) {
        driver.Click(kClear);
        findings.ExpectText(driver, "Text1", "");  // the window still answers
    }
    return std::move(findings).Lines();
}

std::vector<std::string> RunFocusWalk(WindowDriver& driver) {
    Findings findings;
    driver.Open(".");
    const std::vector<std::string> expected{"Text1", "Text2", "Command1", "Command2",
                                            "Text3", "Text4", "Text5",    "Text1"};
    std::vector<std::string> visited{driver.Focused()};
    while (visited.size() < expected.size()) {
        driver.Press(visited.back(), Key::Tab);
        visited.push_back(driver.Focused());
    }
    findings.Expect(visited == expected, "Tab visits " + Joined(visited));
    driver.Press(visited.back(), Key::BackTab);
    findings.Expect(driver.Focused() == "Text5", "BackTab from Text1 goes to " + driver.Focused());
    return std::move(findings).Lines();
}

}  // namespace tarvik::testing
