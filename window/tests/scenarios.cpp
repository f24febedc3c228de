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
    using Typed = std::array<std::string_view, 3>;
    using Shown = std::array<std::string_view, 2>;
    // Calculate on these inputs shows a head and a trial count.
    const auto result = [](std::string_view name, std::string_view separator, Typed typed,
                           Shown shown) {
        return Scenario{name, separator, typed, kCalculate, {}, shown, false, {}, {}, {}};
    };
    // Calculate on these inputs draws the red message.
    const auto noSolution = [](std::string_view name, Typed typed) {
        return Scenario{name, ".", typed, kCalculate, {}, kEmpty, true, {}, {}, {}};
    };
    // A key that must run nothing: the earlier result stays and nothing is drawn.
    const auto key = [](std::string_view name, std::string_view control, Key pressed) {
        return Scenario{name,           ".",   kNoSolution, control, pressed,
                        kEarlierResult, false, {},          {},      {}};
    };
    // Calculate on these inputs reports an error that says `named`.
    const auto error = [](std::string_view name, Typed typed, ErrorKind kind,
                          std::string_view named) {
        return Scenario{name, ".", typed, kCalculate, {}, kEmpty, false, kind, named, {}};
    };
    // `button` finds the field `broken` gone: the window reports it and the program ends.
    const auto broken = [](std::string_view name, std::string_view button, std::string_view field) {
        return Scenario{name,   ".",   {"1000", "50", "500"},     button,       {},
                        kEmpty, false, ErrorKind::ControlFailure, "終了します", field};
    };
    static const std::string hugeFlow = "1" + std::string(400, '0');
    static const std::string farApartHead = "1" + std::string(66, '0');
    static const std::vector<Scenario> scenarios{
        result("1000 L/min", ".", {"1000", "50", "500"}, {"170.74", "12"}),
        result("100 L/min", ".", {"100", "10", "200"}, {"67.4", "13"}),
        result("bracket swapped", ".", {"2000", "300", "100"}, {"225.71", "15"}),
        result("decimal comma", ",", {"1000", "50,0", "500"}, {"170,74", "12"}),
        result("empty minimum", ".", {"1000", "", "500"}, kEmpty),
        noSolution("no solution", kNoSolution),
        // Typed in full width with a Japanese input method.
        result("full-width 1000 L/min", ".", {"１０００", "５０", "５００"}, {"170.74", "12"}),
        noSolution("full-width negative flow", {"－５", "５０", "５００"}),
        error("full-width grouping", {"１，０００", "50", "500"}, ErrorKind::Conversion,
              "流量(L/min)"),
        error("full-width comma under a point", {"1000", "５０，５", "500"}, ErrorKind::Conversion,
              "解の挟込最小値(mm)"),
        {"clear", ".", {"1000", "50", "500"}, kClear, {}, kEmpty, false, {}, {}, {}},
        key("Return in Text1", "Text1", Key::Return),
        key("Enter in Text3", "Text3", Key::Enter),
        key("Escape in Text2", "Text2", Key::Escape),
        key("Return on Calculate", kCalculate, Key::Return),
        key("Escape on Clear", kClear, Key::Escape),
        error("letters as flow", {"abc", "50", "500"}, ErrorKind::Conversion, "流量(L/min)"),
        error("blank as flow", {" ", "50", "500"}, ErrorKind::Conversion, "流量(L/min)"),
        error("letters as maximum", {"1000", "50", "x"}, ErrorKind::Conversion, "最大値(mm)"),
        error("flow beyond a double", {hugeFlow, "50", "500"}, ErrorKind::Overflow, "流量(L/min)"),
        error("heads too far apart", {"1000", "1", farApartHead}, ErrorKind::Overflow,
              "大きくなりすぎ"),
        error("zero maximum", {"1000", "50", "0"}, ErrorKind::DivisionByZero,
              "「最大値(mm)」に 0 は使えません"),
        error("zero minimum", {"1000", "0", "500"}, ErrorKind::DivisionByZero,
              "「解の挟込最小値(mm)」に 0 は使えません"),
        error("negative minimum", {"1000", "-10", "500"}, ErrorKind::InvalidArgument,
              "「解の挟込最小値(mm)」に負の値は使えません"),
        error("negative maximum under a zero minimum", {"1000", "0", "-10"},
              ErrorKind::InvalidArgument, "「最大値(mm)」に負の値は使えません"),
        broken("Calculate without Text4", kCalculate, "Text4"),
        broken("Calculate without Text2", kCalculate, "Text2"),
        broken("Clear without Text5", kClear, "Text5"),
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
        driver.Click(kClear);
        findings.Expect(driver.DrawnTexts().empty() && driver.RedPixels(true) == 0,
                        "Clear takes the message away");
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
