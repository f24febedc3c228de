// The Calculate action on a window held in memory: results, the red message, quiet stops on
// empty fields, and each error at the step and in the field where it arises.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "caught.h"
#include "fake_window.h"
#include "weir/calculate.h"
#include "weir/run_error.h"

namespace weir {
namespace {

using testing::FakeWindow;

struct ResultRow {
    const char* name;
    const char* separator;
    std::string flow, lowerHead, upperHead;
    std::string head, trials;  // empty when the bracket holds no solution
};

TEST(RunCalculation, ShowsHeadAndTrialsOrTheRedMessage) {
    const ResultRow rows[] = {
        {"1000 L/min", ".", "1000", "50", "500", "170.74", "12"},
        {"100 L/min", ".", "100", "10", "200", "67.4", "13"},
        {"bracket swapped", ".", "2000", "300", "100", "225.71", "15"},
        {"decimal comma", ",", "1000,0", "50", "500", "170,74", "12"},
        {"blanks and exponent", ".", " 1e3 ", "5e1", "500", "170.74", "12"},
        {"head below the last shown digit", ".", "0", "0.001", "0.002", "0", "1"},
        {"no root in the bracket", ".", "1000", "200", "500", "", ""},
        {"flow past the tolerance of a double", ".", "1e20", "1", "1e10", "", ""},
        {"negative flow", ".", "-5", "50", "500", "", ""},
        // The same typed in full width, as a Japanese input method does.
        {"full-width 1000 L/min", ".", "１０００", "５０", "５００", "170.74", "12"},
        {"full-width 100 L/min", ".", "１００", "１０", "２００", "67.4", "13"},
        {"full-width bracket swapped", ".", "２０００", "３００", "１００", "225.71", "15"},
        {"full-width decimal comma", ",", "１０００，０", "５０", "５００", "170,74", "12"},
        {"full-width no root in the bracket", ".", "１０００", "２００", "５００", "", ""},
        {"full-width negative flow", ".", "－５", "５０", "５００", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window(row.flow, row.lowerHead, row.upperHead);
        window.drawColour = 0;
        RunCalculation(window, row.separator);
        EXPECT_EQ(window.Text(Field::Text4), row.head);
        EXPECT_EQ(window.Text(Field::Text5), row.trials);
        EXPECT_EQ(window.Text(Field::Text1), row.flow);
        EXPECT_EQ(window.Text(Field::Text2), row.lowerHead);
        EXPECT_EQ(window.Text(Field::Text3), row.upperHead);
        if (row.head.empty()) {
            EXPECT_EQ(window.drawn, std::vector<std::string>{std::string(kNoSolutionMessage)});
            EXPECT_EQ(window.drawColour, kMessageColour);
            ASSERT_GE(window.calls.size(), 2u);
            EXPECT_EQ(window.calls[window.calls.size() - 2], "colour");
        } else {
            EXPECT_TRUE(window.drawn.empty());
            EXPECT_EQ(window.drawColour, 0u);
        }
    }
}

TEST(RunCalculation, EmptyFieldStopsQuietlyAfterClearingTheOutputs) {
    const std::vector<std::string> start = {"clear", "set Text4", "set Text5", "get Text1"};
    struct Row {
        const char* name;
        std::string flow, lowerHead, upperHead;
        std::vector<std::string> reads;
    };
    const Row rows[] = {
        {"flow empty", "", "50", "500", {}},
        {"lower head empty", "1000", "", "500", {"get Text2"}},
        {"upper head empty", "1000", "50", "", {"get Text2", "get Text3"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window(row.flow, row.lowerHead, row.upperHead);
        window.Put(Field::Text4, "170.74");
        window.Put(Field::Text5, "12");
        window.drawn.emplace_back("an earlier message");
        RunCalculation(window, ".");
        std::vector<std::string> expected = start;
        expected.insert(expected.end(), row.reads.begin(), row.reads.end());
        EXPECT_EQ(window.calls, expected);
        EXPECT_EQ(window.Text(Field::Text4), "");
        EXPECT_EQ(window.Text(Field::Text5), "");
        EXPECT_TRUE(window.drawn.empty());
    }
}

struct ErrorRow {
    const char* name;
    std::string flow, lowerHead, upperHead;
    ErrorKind kind;
    std::optional<Field> field;
    int lastRead;  // the field read last before the error, 1 to 3
};

TEST(RunCalculation, ErrorArisesAtItsStepInFieldOrder) {
    const ErrorRow rows[] = {
        {"one blank is no number", " ", "50", "500", ErrorKind::Conversion, Field::Text1, 1},
        {"letters in the flow come first", "abc", "xyz", "500", ErrorKind::Conversion, Field::Text1,
         1},
        {"letters in the lower head", "1000", "xyz", "500", ErrorKind::Conversion, Field::Text2, 2},
        {"grouping is no number", "1,000", "50", "500", ErrorKind::Conversion, Field::Text1, 1},
        {"full-width grouping is no number", "１，０００", "50", "500", ErrorKind::Conversion,
         Field::Text1, 1},
        {"full-width comma under a decimal point", "1000", "５０，５", "500", ErrorKind::Conversion,
         Field::Text2, 2},
        {"truncated full-width digit", "1000", "50", "５0\xEF\xBC", ErrorKind::Conversion,
         Field::Text3, 3},
        {"upper head beyond a double", "1000", "50", "1e999", ErrorKind::Overflow, Field::Text3, 3},
        {"zero upper head", "1000", "50", "0", ErrorKind::DivisionByZero, Field::Text3, 3},
        {"zero lower head", "1000", "0", "500", ErrorKind::DivisionByZero, Field::Text2, 3},
        {"negative lower head", "1000", "-50", "500", ErrorKind::InvalidArgument, Field::Text2, 3},
        {"both heads bad: the upper is evaluated first", "1000", "0", "-5",
         ErrorKind::InvalidArgument, Field::Text3, 3},
        {"heads of 1e61 m", "1000", "1e64", "2e64", ErrorKind::Overflow, std::nullopt, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeWindow window(row.flow, row.lowerHead, row.upperHead);
        window.Put(Field::Text4, "old");
        window.drawn.emplace_back("an earlier message");
        const auto error = testing::Caught([&] { RunCalculation(window, "."); });
        ASSERT_TRUE(error) << "no error";
        EXPECT_EQ(error->kind(), row.kind) << error->what();
        EXPECT_EQ(error->field(), row.field);
        const auto lastGet =
            std::find_if(window.calls.rbegin(), window.calls.rend(),
                         [](const std::string& c) { return c.starts_with("get"); });
        ASSERT_NE(lastGet, window.calls.rend());
        EXPECT_EQ(*lastGet, "get Text" + std::to_string(row.lastRead));
        EXPECT_EQ(window.calls.back(), *lastGet) << "nothing after the last read but the solve";
        EXPECT_EQ(window.Text(Field::Text4), "");
        EXPECT_EQ(window.Text(Field::Text5), "");
        EXPECT_TRUE(window.drawn.empty());
        EXPECT_EQ(window.Text(Field::Text1), row.flow);
    }
}

TEST(RunCalculation, RefusedFieldIsAControlFailure) {
    FakeWindow window("1000", "50", "500");
    window.refuseGetOf = "Text2";
    const auto error = testing::Caught([&] { RunCalculation(window, "."); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::ControlFailure);
    EXPECT_EQ(window.calls.back(), "get Text2");
}

}  // namespace
}  // namespace weir
