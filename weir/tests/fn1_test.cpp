// The weir law against hand-checked flows, and the errors of heads it cannot take.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "caught.h"
#include "weir/fn1.h"
#include "weir/run_error.h"

namespace weir {
namespace {

std::string Significant(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return text;
}

struct ResidualRow {
    const char* name;
    double h;
    double Q;
    double expected;  // to ten significant digits
};

TEST(FN1, ResidualIsWeirFlowMinusTarget) {
    const ResidualRow rows[] = {
        {"100 mm, no flow", 0.1, 0.0, 0.2654087039},
        {"50 mm, no flow", 0.05, 0.0, 0.04781872023},
        {"200 mm, just above its flow", 0.2, 1.481, 1.480999047 - 1.481},
        {"1 m", 1.0, 0.0, 81.27},
        {"1 m, target above", 1.0, 100.0, 81.27 - 100.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        double residual = 42.0;
        FN1(residual, row.h, row.Q);
        EXPECT_EQ(Significant(residual + row.Q, 10), Significant(row.expected + row.Q, 10));
    }
}

TEST(FN1, TinyHeadLeavesAlmostTheWholeTarget) {
    double residual = 0.0;
    const double h = 0.000001;
    const double Q = 2.0;
    FN1(residual, h, Q);
    EXPECT_GT(residual, -Q);
    EXPECT_NEAR(residual, -Q, 2e-12);
}

TEST(FN1, FlowRisesStrictlyWithHead) {
    double previous = -std::numeric_limits<double>::infinity();
    for (double h = 1e-9; h < 1e20; h *= 1.05) {
        double flow = 0.0;
        FN1(flow, h, 0.0);
        ASSERT_GT(flow, previous) << "at h = " << h;
        previous = flow;
    }
}

struct ErrorRow {
    const char* name;
    double h;
    double Q;
    ErrorKind kind;
};

TEST(FN1, RaisesAndLeavesResidualAlone) {
    const ErrorRow rows[] = {
        {"zero head", 0.0, 1.0, ErrorKind::DivisionByZero},
        {"negative zero head", -0.0, 1.0, ErrorKind::DivisionByZero},
        {"negative head", -0.01, 1.0, ErrorKind::InvalidArgument},
        {"most negative head", -std::numeric_limits<double>::max(), 0.0,
         ErrorKind::InvalidArgument},
        {"product beyond a double", 4e122, 0.0, ErrorKind::Overflow},
        {"power beyond a double", 3e123, 0.0, ErrorKind::Overflow},
        {"largest head", std::numeric_limits<double>::max(), 0.0, ErrorKind::Overflow},
        {"negative target pushes the difference over", 1e122, -1.79e308, ErrorKind::Overflow},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        double residual = 42.0;
        const auto error = testing::Caught([&] { FN1(residual, row.h, row.Q); });
        ASSERT_TRUE(error) << "no error";
        EXPECT_EQ(error->kind(), row.kind) << error->what();
        EXPECT_EQ(residual, 42.0);
    }
}

TEST(FN1, HugeTargetDoesNotOverflow) {
    double residual = 0.0;
    const double Q = std::numeric_limits<double>::max();
    FN1(residual, 1.0, Q);
    EXPECT_TRUE(std::isfinite(residual));
    EXPECT_LT(residual, 0.0);
}

}  // namespace
}  // namespace weir
