// The window's behaviour on a toolkit held in memory: what each event asks of the toolkit,
// in which order, and where an error goes.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "weir/calculate.h"
#include "window/layout.h"
#include "window/window_core.h"

namespace tarvik {
namespace {

using weir::ErrorKind;
using weir::Field;

// Logs every call; a field named in `gone` raises the control failure, as a destroyed one.
class FakeToolkit final : public Toolkit {
  public:
    explicit FakeToolkit(std::string decimalSeparator = ".")
        : separator_(std::move(decimalSeparator)) {}

    std::string FieldText(Field field) override {
        Log("get " + std::string(FieldName(field)));
        return Slot(field);
    }
    void SetFieldText(Field field, const std::string& text) override {
        Log("set " + std::string(FieldName(field)));
        Slot(field) = text;
    }
    int LineHeight() override { return 240; }
    void RepaintSurface() override { Log("repaint"); }
    void AnnounceMessage(const std::string& message) override { Log("announce " + message); }
    void WithdrawMessage() override { Log("withdraw"); }
    std::string DecimalSeparator() override { return separator_; }
    void Centre() override { Log("centre"); }
    void ApplyTabOrder(const TabOrder& order) override {
        Log("tab order from " + std::string(order.Order().front()));
    }
    void Focus(std::string_view control) override { Log("focus " + std::string(control)); }
    void ShowErrorBox(const ErrorBox& box) override {
        boxes.push_back(box);
        Log("box");
    }
    void EndProgram(int status) override { Log("end " + std::to_string(status)); }

    std::array<std::string, 5> fields;
    std::optional<Field> gone;
    std::vector<ErrorBox> boxes;
    std::vector<std::string> calls;

  private:
    std::string separator_;

    std::string& Slot(Field field) {
        if (gone == field) {
            throw FieldGone(field);
        }
        return fields.at(static_cast<std::size_t>(field));
    }
    void Log(std::string call) { calls.push_back(std::move(call)); }
};

using Calls = std::vector<std::string>;

TEST(WindowCore, LoadCentresThenPutsText1FirstWithTheCaret) {
    FakeToolkit toolkit;
    WindowCore core(toolkit);
    core.Load();
    EXPECT_EQ(toolkit.calls, (Calls{"centre", "tab order from Text1", "focus Text1"}));
    EXPECT_EQ(core.Tabs().IndexOf("Text1"), 0);
    EXPECT_EQ(core.Tabs().IndexOf("Label2"), 1);
    EXPECT_EQ(core.Tabs().IndexOf("Label3"), 2);
    EXPECT_EQ(core.Tabs().IndexOf("Text2"), 3);
}

TEST(WindowCore, ClearEmptiesTheSurfaceThenEveryFieldInOrder) {
    struct Row {
        const char* name;
        bool messageShown;
        Calls calls;
    };
    const Calls emptied{"set Text1", "set Text2", "set Text3", "set Text4", "set Text5"};
    Calls afterMessage{"repaint", "withdraw"};
    afterMessage.insert(afterMessage.end(), emptied.begin(), emptied.end());
    Calls withoutMessage{"repaint"};
    withoutMessage.insert(withoutMessage.end(), emptied.begin(), emptied.end());
    const Row rows[] = {
        {"after the red message", true, afterMessage},
        // Screen readers are told of no message that was never there.
        {"with nothing drawn", false, withoutMessage},
    };
    for (const Row& row : rows) {
        FakeToolkit toolkit;
        toolkit.fields = {"1000", "200", "500", "170.74", "12"};
        WindowCore core(toolkit);
        if (row.messageShown) {
            core.SetDrawColour(0x00FF0000);
            core.DrawTextLine("message");
        }
        toolkit.calls.clear();
        core.Clear();
        EXPECT_EQ(toolkit.calls, row.calls) << row.name;
        EXPECT_EQ(toolkit.fields, (std::array<std::string, 5>{})) << row.name;
        EXPECT_TRUE(core.Surface().Drawn().empty()) << row.name;
        // The drawing colour is the surface's, not Clear's to reset.
        EXPECT_EQ(core.Surface().Colour(), row.messageShown ? 0x00FF0000U : 0x000000FFU);
    }
}

TEST(WindowCore, CalculateDrawsTheMessageInTheToolkitsLinesAndAnnouncesIt) {
    FakeToolkit toolkit;
    toolkit.fields = {"1000", "200", "500", "", ""};
    WindowCore core(toolkit);
    core.Calculate();
    core.DrawTextLine("second");
    ASSERT_EQ(core.Surface().Drawn().size(), 2U);
    EXPECT_EQ(core.Surface().Drawn()[0].text, weir::kNoSolutionMessage);
    EXPECT_EQ(core.Surface().Drawn()[1].top, 240);
    EXPECT_EQ(toolkit.calls.back(),
              "announce " + std::string(weir::kNoSolutionMessage) + " second");
    EXPECT_EQ(core.Message(), std::string(weir::kNoSolutionMessage) + " second");

    // A decimal comma is the toolkit's to tell.
    FakeToolkit german(",");
    german.fields = {"1000", "50", "500", "", ""};
    WindowCore withComma(german);
    withComma.Calculate();
    EXPECT_EQ(german.fields[3], "170,74");
    EXPECT_TRUE(withComma.Message().empty());
}

TEST(WindowCore, ErrorsGoToTheToolkitsBoxAndAFailingFieldEndsTheProgram) {
    struct Row {
        const char* name = "";
        std::array<std::string, 5> fields;
        std::optional<Field> gone;
        ErrorKind kind = ErrorKind::Conversion;
        Severity severity = Severity::Warning;
        bool ends = false;
    };
    const Row rows[] = {
        {"letters in Text1",
         {"abc", "50", "500", "", ""},
         std::nullopt,
         ErrorKind::Conversion,
         Severity::Warning,
         false},
        {"Text3 gone",
         {"1000", "50", "500", "", ""},
         Field::Text3,
         ErrorKind::ControlFailure,
         Severity::Critical,
         true},
    };
    for (const Row& row : rows) {
        FakeToolkit toolkit;
        toolkit.fields = row.fields;
        toolkit.gone = row.gone;
        WindowCore core(toolkit);
        core.Calculate();
        ASSERT_EQ(toolkit.boxes.size(), 1U) << row.name;
        EXPECT_EQ(toolkit.boxes[0].kind, row.kind) << row.name;
        EXPECT_EQ(toolkit.boxes[0].severity, row.severity) << row.name;
        EXPECT_EQ(toolkit.boxes[0].message,
                  ErrorMessage(weir::RunError(row.kind, "", Field::Text1)))
            << row.name;
        // The program ends only after the user has seen the box.
        EXPECT_EQ(toolkit.calls.back(), row.ends ? "end 1" : "box") << row.name;
    }

    // Clear meets a gone field the same way, and a reporter of the window's own replaces the
    // toolkit's box.
    FakeToolkit toolkit;
    toolkit.gone = Field::Text5;
    std::vector<ErrorKind> reported;
    std::vector<int> exits;
    WindowCore core(
        toolkit, [&reported](const ErrorBox& box) { reported.push_back(box.kind); },
        [&exits](int status) { exits.push_back(status); });
    core.Clear();
    EXPECT_EQ(reported, std::vector<ErrorKind>{ErrorKind::ControlFailure});
    EXPECT_EQ(exits, std::vector<int>{kControlFailureStatus});
    EXPECT_TRUE(toolkit.boxes.empty());
}

}  // namespace
}  // namespace tarvik
