// Number texts as typed and as shown, with a decimal point and with a decimal comma.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "caught.h"
#include "weir/number_text.h"
#include "weir/run_error.h"

namespace weir {
namespace {

struct ReadRow {
    std::string text;
    const char* separator;
    double expected;
};

TEST(ReadNumber, AcceptsWhatAUserTypes) {
    const ReadRow rows[] = {
        {"1000", ".", 1000.0},
        {"2.", ".", 2.0},
        {".5", ".", 0.5},
        {"-.5", ".", -0.5},
        {"+3", ".", 3.0},
        {"0.1", ".", 0.1},
        {"00012.50", ".", 12.5},
        {" 42 ", ".", 42.0},
        {"\t7\t", ".", 7.0},
        {"\u30008\u3000", ".", 8.0},
        {"1e3", ".", 1000.0},
        {".5E4", ".", 5000.0},
        {"2.5e-3", ".", 0.0025},
        {"1,5", ",", 1.5},
        {",25", ",", 0.25},
        {"1000,", ",", 1000.0},
        {"3e-324", ".", std::numeric_limits<double>::denorm_min()},
        {"1e-400", ".", 0.0},
        {"0e99999", ".", 0.0},
        {"1e-99999999999999999999", ".", 0.0},
        {"1.7976931348623157e308", ".", std::numeric_limits<double>::max()},
        // Full-width, as a Japanese input method types it, alone and mixed with ordinary forms.
        {"１０００", ".", 1000.0},
        {"1０00", ".", 1000.0},
        {"５５５．５", ".", 555.5},
        {"５５５，５", ",", 555.5},
        {"5．５", ".", 5.5},
        {"－５", ".", -5.0},
        {"−５", ",", -5.0},
        {"＋.５", ".", 0.5},
        {"\u3000１２\u3000", ".", 12.0},
        {"１ｅ３", ",", 1000.0},
        {"．５Ｅ−３", ".", 0.0005},
        {"２，５e＋１", ",", 25.0},
        {"１ｅ－４００", ".", 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ReadNumber(row.text, row.separator), row.expected);
    }
    EXPECT_TRUE(std::signbit(ReadNumber("-1e-400", ".")));
}

struct RejectRow {
    std::string text;
    const char* separator;
    ErrorKind kind;
};

TEST(ReadNumber, RejectsWhatIsNoNumberAndWhatNoDoubleHolds) {
    const RejectRow rows[] = {
        {"", ".", ErrorKind::Conversion},
        {" ", ".", ErrorKind::Conversion},
        {".", ".", ErrorKind::Conversion},
        {"-", ".", ErrorKind::Conversion},
        {"+", ".", ErrorKind::Conversion},
        {"abc", ".", ErrorKind::Conversion},
        {"12abc", ".", ErrorKind::Conversion},
        {"1 2", ".", ErrorKind::Conversion},
        {"1.2.3", ".", ErrorKind::Conversion},
        {"--1", ".", ErrorKind::Conversion},
        {"1e", ".", ErrorKind::Conversion},
        {"1e+", ".", ErrorKind::Conversion},
        {"e5", ".", ErrorKind::Conversion},
        {"1,500", ".", ErrorKind::Conversion},
        {"1.500", ",", ErrorKind::Conversion},
        {"1.5", ",", ErrorKind::Conversion},
        {"inf", ".", ErrorKind::Conversion},
        {"-Infinity", ".", ErrorKind::Conversion},
        {"nan", ".", ErrorKind::Conversion},
        {"0x1p3", ".", ErrorKind::Conversion},
        {"１，０００", ".", ErrorKind::Conversion},
        {"１．０００", ",", ErrorKind::Conversion},
        {"１，５", ".", ErrorKind::Conversion},
        {"１．５", ",", ErrorKind::Conversion},
        {"－", ".", ErrorKind::Conversion},
        {"．", ".", ErrorKind::Conversion},
        {"ｅ５", ".", ErrorKind::Conversion},
        {"１２ａ", ".", ErrorKind::Conversion},
        {"１\u3000２", ".", ErrorKind::Conversion},
        {"\xEF", ".", ErrorKind::Conversion},
        {"1\xE2", ",", ErrorKind::Conversion},
        {"1\xEF\xBC", ".", ErrorKind::Conversion},
        {"\xEF\xBC"
         "5",
         ".", ErrorKind::Conversion},
        {"1e400", ".", ErrorKind::Overflow},
        {"－１ｅ４００", ",", ErrorKind::Overflow},
        {"-1e400", ".", ErrorKind::Overflow},
        {"1e99999999999999999999", ".", ErrorKind::Overflow},
        {"0.000001e315", ".", ErrorKind::Overflow},
        {std::string(400, '9'), ".", ErrorKind::Overflow},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto error =
            testing::Caught([&] { ReadNumber(row.text, row.separator, Field::Text2); });
        ASSERT_TRUE(error) << "read as a number";
        EXPECT_EQ(error->kind(), row.kind) << error->what();
        EXPECT_EQ(error->field(), Field::Text2);
    }
}

struct FormatRow {
    double value;
    const char* separator;
    const char* text;
};

TEST(FormatFiveDecimals, RoundsWithoutLeadingOrTrailingZeros) {
    const FormatRow rows[] = {
        {0.17073974609375003, ".", ".17074"},
        {0.2, ".", ".2"},
        {2.0, ".", "2."},
        {0.06740356445312501, ".", ".0674"},
        {0.225714111328125, ".", ".22571"},
        {0.999996, ".", "1."},
        {12345.678901, ".", "12345.6789"},
        {123456.1, ".", "123456.1"},
        {0.000001, ".", "."},
        {0.17073974609375003, ",", ",17074"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FormatFiveDecimals(row.value, row.separator), row.text);
    }
}

TEST(FormatGeneral, FifteenDigitsNeverAnExponent) {
    const FormatRow rows[] = {
        {170.74, ".", "170.74"},
        {0.17074 * 1000.0, ".", "170.74"},
        {67.4, ".", "67.4"},
        {200.0, ".", "200"},
        {0.55, ".", "0.55"},
        {0.1 + 0.2, ".", "0.3"},
        {0.000001, ".", "0.000001"},
        {1e20, ".", "100000000000000000000"},
        {123456789012345678.0, ".", "123456789012346000"},
        {-2.5, ".", "-2.5"},
        {0.0, ".", "0"},
        {170.74, ",", "170,74"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FormatGeneral(row.value, row.separator), row.text);
    }
}

TEST(NumberText, FiveDecimalTextReadsBackAsTheRoundedHead) {
    for (const char* separator : {".", ","}) {
        for (double head = 0.00001; head < 1e6; head *= 1.37) {
            const double rounded = ReadNumber(FormatFiveDecimals(head, separator), separator);
            EXPECT_NEAR(rounded, head, 0.000005 + head * 1e-15) << head;
        }
    }
}

}  // namespace
}  // namespace weir
