// The fuzz checks on texts a faulty calculation could show: each must name the fault, and must
// pass what the number texts really write, or a fuzz run would miss faults or report false ones.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "fuzz/checks.h"
#include "weir/number_text.h"

namespace weir::fuzzing {
namespace {

constexpr double kHead1000 = 0.17073974609375003;  // m, for 1000 L/min
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kPast2To36 = 68719476736.0000152587890625;  // 2^36 plus the next double's gap

// Passes when `fragment` is empty and the check found nothing, or when the fault names it.
void ExpectFault(const std::string& fault, const std::string& fragment) {
    if (fragment.empty()) {
        EXPECT_EQ(fault, "");
    } else {
        EXPECT_NE(fault.find(fragment), std::string::npos) << "fault: \"" << fault << "\"";
    }
}

TEST(SplitCalculateInput, FirstByteIsTheSeparatorAndNewlinesPartTheFields) {
    const struct {
        std::string bytes;
        CalculateInput expected;
    } rows[] = {
        {"", {".", "", "", ""}},
        {",", {",", "", "", ""}},
        {".1000\n50\n500", {".", "1000", "50", "500"}},
        {",1000,0\n50\n500", {",", "1000,0", "50", "500"}},
        {"x1\n2", {".", "1", "2", ""}},
        {".\n\n", {".", "", "", ""}},
        {".a\nb\nc\nd", {".", "a", "b", "c\nd"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Quoted(row.bytes));
        const CalculateInput input = SplitCalculateInput(row.bytes);
        EXPECT_EQ(input.separator, row.expected.separator);
        EXPECT_EQ(input.flow, row.expected.flow);
        EXPECT_EQ(input.lowerHead, row.expected.lowerHead);
        EXPECT_EQ(input.upperHead, row.expected.upperHead);
    }
}

TEST(FullWidthTwin, WritesWhatTheInputMethodTypesInFullWidth) {
    const struct {
        std::string text;
        const char* separator;
        const char* minus;
        std::size_t stride;
        std::string twin;
    } rows[] = {
        {"-1.5e+3", ".", "－", 1, "－１．５ｅ＋３"},
        {"-1.5E-3", ",", "−", 1, "−１.５Ｅ−３"},
        {"1000,5", ",", "－", 2, "１0０0，5"},
        {" nan 0x1p3\xEF\xBC", ".", "－", 1, " nan ０x１p３\xEF\xBC"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Quoted(row.text));
        EXPECT_EQ(FullWidthTwin(row.text, row.separator, row.minus, row.stride), row.twin);
    }
}

TEST(ShownHeadFault, NamesEveryWayTheHeadTextCanBeWrong) {
    const struct {
        std::string text;
        const char* separator;
        double headM;
        std::string fault;
    } rows[] = {
        {"170.74", ".", kHead1000, ""},
        {"170,74", ",", kHead1000, ""},
        {"0", ".", 0.000001, ""},
        {"100000000000000000000000", ".", 1e20, ""},
        {"1.7074e2", ".", kHead1000, "exponent"},
        {"inf", ".", kHead1000, "infinity"},
        {"NaN", ".", kHead1000, "not-a-number"},
        {"", ".", kHead1000, "no digit"},
        {"170,74", ".", kHead1000, "no plain decimal"},
        {"-170.74", ".", kHead1000, "no plain decimal"},
        {"170.740", ".", kHead1000, "more than two decimals"},
        {std::string(400, '9'), ".", 1e300, "does not read back"},
        {"170.75", ".", kHead1000, "further than 0.005 mm"},
        {"171", ".", kHead1000, "further than 0.005 mm"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectFault(ShownHeadFault(row.text, row.separator, row.headM), row.fault);
    }
}

TEST(ShownTrialsFault, WantsTheCountAsAWholeNumber) {
    const struct {
        std::string text;
        std::int64_t trials;
        std::string fault;
    } rows[] = {
        {"12", 12, ""},
        {"2199", 2199, ""},
        {"", 12, "no whole number"},
        {"12.0", 12, "no whole number"},
        {"-1", -1, "no whole number"},
        {"012", 12, "another count"},
        {"13", 12, "another count"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectFault(ShownTrialsFault(row.text, row.trials), row.fault);
    }
}

struct WrittenRow {
    double value;
    std::string text;
    const char* separator;
    std::string fault;
};

TEST(FiveDecimalFault, HoldsTheTextToHalfOfTheLastDecimalAndToItself) {
    const WrittenRow rows[] = {
        {kHead1000, ".17074", ".", ""},
        {kHead1000, ",17074", ",", ""},
        {2.0, "2.", ".", ""},
        {-2.5, "-2.5", ".", ""},
        {0.000001, ".", ".", ""},
        {-0.000001, ",", ",", ""},
        {kPast2To36, "68719476736.00002", ".", ""},
        {0.1, ".", ".", "no digit for a value that does not round to zero"},
        {-0.000001, "-.", ".", "no digit yet is more than the separator"},
        {0.2, "2e-1", ".", "exponent"},
        {0.2, ",2", ".", "no plain decimal"},
        {2.0, "2", ".", "lacks the separator"},
        {0.2, ".200000", ".", "more than five decimals"},
        {kHead1000, ".17075", ".", "further than 0.000005"},
        {kHead1000, ".1707", ".", "further than 0.000005"},
        {kPast2To36, "68719476736.", ".", "not the value itself"},
        {0.2, ".20", ".", "in turn"},
        {0.2, "0.2", ".", "in turn"},
        {0.000001, ".0", ".", "in turn"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectFault(FiveDecimalFault(row.value, row.text, row.separator), row.fault);
    }
}

TEST(GeneralFault, HoldsTheTextToFifteenDigitsAndToItself) {
    const WrittenRow rows[] = {
        {170.74, "170.74", ".", ""},
        {170.74, "170,74", ",", ""},
        {0.1 + 0.2, "0.3", ".", ""},
        {1e20, "100000000000000000000", ".", ""},
        {-2.5, "-2.5", ".", ""},
        {0.0, "0", ".", ""},
        {170.74, "1.7074e2", ".", "exponent"},
        {1e300, "inf", ".", "infinity"},
        {170.74, "170.7", ".", "beyond the 15th digit"},
        {170.74, "170.740", ".", "in turn"},
        {0.5, ".5", ".", "in turn"},
        {123456789012345678.0, "123456789012345678", ".", "in turn"},
        {kMax, "1", ".", "rounds past the largest double"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ExpectFault(GeneralFault(row.value, row.text, row.separator), row.fault);
    }
}

// The checks must pass what the program writes at the ends of the range of a double, where
// the limits of both checks lie.
TEST(WrittenTexts, PassTheirChecksAtTheEndsOfTheRange) {
    const double values[] = {std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(),
                             0.000005,
                             0.0000049999999999999996,
                             99999.999995,
                             kPast2To36,
                             9007199254740994.0,
                             1.7976931348623149e308,  // last below the 15-digit overflow
                             1.7976931348623151e308,  // first above it
                             kMax};
    for (const char* separator : {".", ","}) {
        for (const double value : values) {
            for (const double signedValue : {value, -value}) {
                SCOPED_TRACE(signedValue);
                EXPECT_EQ(FiveDecimalFault(signedValue, FormatFiveDecimals(signedValue, separator),
                                           separator),
                          "");
                EXPECT_EQ(
                    GeneralFault(signedValue, FormatGeneral(signedValue, separator), separator),
                    "");
            }
        }
    }
}

}  // namespace
}  // namespace weir::fuzzing
