// The scenario table shared with the Qt window, and the focus walk, on the real Win32 window.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "window/tests/scenarios.h"
#include "window/win32/tests/win32_driver.h"
#include "window/win32/wide.h"

namespace tarvik::win32::testing {
namespace {

// The window takes the separator from the user's locale, so each run of this program covers
// the rows of one separator; ctest runs it again under a German locale for the others.
TEST(Win32WindowScenarios, EveryRowOfTheUsersDecimalSeparator) {
    const std::string separator = UserDecimalSeparator().value();
    if (const char* expected = std::getenv("TARVIK_EXPECT_DECIMAL")) {
        ASSERT_EQ(separator, expected) << "the user's locale is not the one asked for";
    }
    int ran = 0;
    // As on the Windows at hand, and as on Windows 7, which has none of the newer functions.
    for (const FindFunction find : {FindInSystemDll, FindNothing}) {
        SCOPED_TRACE(find == FindNothing ? "without the newer functions" : "with them");
        for (const tarvik::testing::Scenario& scenario : tarvik::testing::Scenarios()) {
            if (scenario.separator != separator) {
                continue;
            }
            SCOPED_TRACE(scenario.name);
            Win32Driver driver(find);
            EXPECT_EQ(tarvik::testing::Run(scenario, driver), std::vector<std::string>{});
            ++ran;
        }
    }
    EXPECT_GT(ran, 0);
}

TEST(Win32WindowScenarios, TabWalksTheFieldsAndButtonsInTabOrder) {
    Win32Driver driver;
    EXPECT_EQ(tarvik::testing::RunFocusWalk(driver), std::vector<std::string>{});
}

}  // namespace
}  // namespace tarvik::win32::testing
