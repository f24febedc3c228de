// Bisection on the weir law: exact heads and trial counts, the bracket closing in trial by
// trial, brackets without a solution, and that every bracket ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "caught.h"
#include "weir/run_error.h"
#include "weir/solve_head.h"

namespace weir {
namespace {

struct SolveRow {
    const char* name;
    double Q;
    double a;
    double b;
    bool found;
    double head;  // exact, when found
    std::int64_t trials;
};

TEST(SolveHead, FindsExactHeadAndCountsTrials) {
    const SolveRow rows[] = {
        {"1000 L/min in 50-500 mm", 1.0, 0.05, 0.5, true, 0.17073974609375003, 12},
        {"100 L/min in 10-200 mm", 0.1, 0.01, 0.2, true, 0.06740356445312501, 13},
        {"1000 L/min in 1-1000 mm", 1.0, 0.001, 1.0, true, 0.17073956775665278, 20},
        {"ends swapped", 2.0, 0.3, 0.1, true, 0.225714111328125, 15},
        {"equal ends on the root", 1.0, 0.17073974609375003, 0.17073974609375003, true,
         0.17073974609375003, 1},
        {"no flow, first midpoint tiny enough", 0.0, 0.001, 0.001, true, 0.001, 1},
        {"both ends above the root", 1.0, 0.2, 0.5, false, 0.0, 1},
        {"both ends below the root", 1.0, 0.01, 0.1, false, 0.0, 1},
        {"equal ends off the root", 1.0, 0.2, 0.2, false, 0.0, 1},
        {"no flow, positive ends", 0.0, 0.1, 0.5, false, 0.0, 1},
        {"negative flow", -1.0, 0.05, 0.5, false, 0.0, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const HeadSolution solution = SolveHead(row.Q, row.a, row.b);
        EXPECT_EQ(solution.found, row.found);
        EXPECT_EQ(solution.trials, row.trials);
        if (row.found) {
            EXPECT_EQ(solution.head, row.head);
        }
    }
}

// Half a unit in the last digit written, so "0.00801" matches to three digits and
// "0.1704101563" to ten.
double HalfUnitInLastPlace(const std::string& written) {
    const auto point = written.find('.');
    const auto decimals = point == std::string::npos ? 0 : written.size() - point - 1;
    return 0.5 * std::pow(10.0, -static_cast<double>(decimals));
}

struct TrialRow {
    std::string a, b, mid, fM;
    char step;  // 'U': the upper end moves to mid, 'L': the lower end does, 'F': found
};

TEST(SolveHead, ClosesInTrialByTrial) {
    const std::vector<TrialRow> rows = {
        {"0.05", "0.5", "0.275", "2.267", 'U'},
        {"0.05", "0.275", "0.1625", "-0.1155", 'L'},
        {"0.1625", "0.275", "0.21875", "0.8502", 'U'},
        {"0.1625", "0.21875", "0.190625", "0.3146", 'U'},
        {"0.1625", "0.190625", "0.1765625", "0.08681", 'U'},
        {"0.1625", "0.1765625", "0.16953125", "-0.01747", 'L'},
        {"0.16953125", "0.1765625", "0.173046875", "0.03388", 'U'},
        {"0.16953125", "0.173046875", "0.1712890625", "0.00801", 'U'},
        {"0.16953125", "0.1712890625", "0.1704101563", "-0.00478", 'L'},
        {"0.1704101563", "0.1712890625", "0.1708496094", "0.001603", 'U'},
        {"0.1704101563", "0.1708496094", "0.1706298828", "-0.001591", 'L'},
        {"0.1706298828", "0.1708496094", "0.1707397461", "0.000004931", 'F'},
    };
    std::vector<Trial> trials;
    SolveHead(1.0, 0.05, 0.5, [&](const Trial& trial) { trials.push_back(trial); });
    ASSERT_EQ(trials.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("trial " + std::to_string(i + 1));
        const TrialRow& row = rows[i];
        const Trial& trial = trials[i];
        EXPECT_EQ(trial.n, static_cast<std::int64_t>(i + 1));
        EXPECT_NEAR(trial.a, std::stod(row.a), HalfUnitInLastPlace(row.a));
        EXPECT_NEAR(trial.b, std::stod(row.b), HalfUnitInLastPlace(row.b));
        EXPECT_NEAR(trial.mid, std::stod(row.mid), HalfUnitInLastPlace(row.mid));
        const double fM = std::stod(row.fM);
        EXPECT_NEAR(trial.fM, fM, std::fabs(fM) * 1e-3);
        if (row.step == 'F') {
            EXPECT_LT(std::fabs(trial.fM), kFlowTolerance);
            continue;
        }
        EXPECT_GE(std::fabs(trial.fM), kFlowTolerance);
        ASSERT_LT(i + 1, trials.size());
        const Trial& next = trials[i + 1];
        EXPECT_EQ(next.b, row.step == 'U' ? trial.mid : trial.b);
        EXPECT_EQ(next.a, row.step == 'L' ? trial.mid : trial.a);
    }
}

struct ErrorRow {
    const char* name;
    double a;
    double b;
    ErrorKind kind;
};

TEST(SolveHead, BadHeadFailsWhereItIsEvaluated) {
    const ErrorRow rows[] = {
        {"zero upper head", 0.05, 0.0, ErrorKind::DivisionByZero},
        {"zero lower head", 0.0, 0.5, ErrorKind::DivisionByZero},
        {"upper head fails before the lower", -0.05, 0.0, ErrorKind::DivisionByZero},
        {"upper head fails before the lower, swapped kinds", 0.0, -0.5, ErrorKind::InvalidArgument},
        {"negative lower head", -0.05, 0.5, ErrorKind::InvalidArgument},
        {"lower head fails before the midpoint at zero", -0.5, 0.5, ErrorKind::InvalidArgument},
        {"sign products overflow", 1e61, 2e61, ErrorKind::Overflow},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto error = testing::Caught([&] { SolveHead(1.0, row.a, row.b); });
        ASSERT_TRUE(error) << "no error";
        EXPECT_EQ(error->kind(), row.kind) << error->what();
    }
}

TEST(SolveHead, EveryWholeFlowFromTenToTwentyThousandLitresFitsIn23Trials) {
    std::int64_t most = 0;
    for (int litres = 10; litres <= 20000; ++litres) {
        const HeadSolution solution = SolveHead(litres / 1000.0, 0.001, 1.0);
        ASSERT_TRUE(solution.found) << litres << " L/min";
        most = std::max(most, solution.trials);
    }
    EXPECT_EQ(most, 23);
    EXPECT_EQ(SolveHead(2.214, 0.001, 1.0).trials, 6);
}

TEST(SolveHead, FlowTooLargeForTheToleranceEndsAsNotFound) {
    // 1e20 L/min: the root lies near 1,100 km, where neighbouring doubles differ by far more
    // flow than the tolerance.
    const HeadSolution solution = SolveHead(1e17, 0.001, 1e7);
    EXPECT_FALSE(solution.found);
    EXPECT_LT(solution.trials, 100);
}

TEST(SolveHead, EveryBracketEndsAcrossTheRangeOfADouble) {
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double huge = std::numeric_limits<double>::max();
    const auto endsWithinLimit = [](double Q, double a, double b) {
        HeadSolution solution;
        const auto error = testing::Caught([&] { solution = SolveHead(Q, a, b); });
        if (error) {
            EXPECT_EQ(error->kind(), ErrorKind::Overflow) << error->what();
            return;
        }
        EXPECT_GE(solution.trials, 1);
        EXPECT_LT(solution.trials, 2200) << Q << " " << a << " " << b;
        if (solution.found) {
            EXPECT_GT(solution.head, 0.0);
        }
    };
    const double flows[] = {0.0, -1.0, tiny, 1e-300, 1e-12, 1e-5,  1.0,
                            1e5, 1e17, 1e40, 1e100,  1e200, 1e300, huge};
    const double heads[] = {tiny, 1e-320, 1e-300, 1e-100, 1e-12, 1e-5,  0.001,
                            1.0,  1e7,    1e30,   1e60,   1e100, 1e300, huge};
    for (const double Q : flows) {
        for (const double a : heads) {
            for (const double b : heads) {
                endsWithinLimit(Q, a, b);
            }
        }
    }
    // Random bit patterns reach every exponent of a positive double alike.
    std::mt19937_64 bits(20261208);
    const auto anyPositiveDouble = [&] {
        for (;;) {
            // memcpy rather than std::bit_cast, which Emscripten's libc++ lacks.
            const std::uint64_t pattern = bits() >> 1;
            double value = 0.0;
            std::memcpy(&value, &pattern, sizeof value);
            if (std::isfinite(value) && value > 0.0) {
                return value;
            }
        }
    };
    for (int i = 0; i < 20000; ++i) {
        const double Q = anyPositiveDouble();
        const double a = anyPositiveDouble();
        endsWithinLimit(Q, a, anyPositiveDouble());
    }
}

}  // namespace
}  // namespace weir
