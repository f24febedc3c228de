// The window's rules without a toolkit: tab order, twips, font size, the surface and the
// error policy.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "weir/calculate.h"
#include "window/colours.h"
#include "window/error_policy.h"
#include "window/font_fit.h"
#include "window/layout.h"
#include "window/surface.h"
#include "window/tab_order.h"
#include "window/tests/contrast.h"
#include "window/twips.h"

namespace tarvik {
namespace {

std::string Joined(const std::vector<std::string_view>& names) {
    std::string joined;
    for (std::string_view name : names) {
        joined += (joined.empty() ? "" : " ") + std::string(name);
    }
    return joined;
}

TEST(TabOrder, NewIndexShiftsTheControlsBetween) {
    struct Row {
        const char* control;
        int index;
        const char* firstFive;  // the controls at tab indexes 0 to 4 afterwards
    };
    const Row rows[] = {
        {"Text1", 0, "Text1 Label2 Label3 Text2 Command1"},
        {"Label2", 3, "Label3 Text1 Text2 Label2 Command1"},
        {"Command1", 4, "Label2 Label3 Text1 Text2 Command1"},
        {"Label6", -3, "Label6 Label2 Label3 Text1 Text2"},
        {"Label2", 99, "Label3 Text1 Text2 Command1 Command2"},
        {"Text9", 0, "Label2 Label3 Text1 Text2 Command1"},
    };
    for (const Row& row : rows) {
        TabOrder order;
        order.SetIndex(row.control, row.index);
        const std::vector<std::string_view> firstFive(order.Order().begin(),
                                                      order.Order().begin() + 5);
        EXPECT_EQ(Joined(firstFive), row.firstFive) << row.control << " to " << row.index;
        EXPECT_EQ(order.Order().size(), kControls.size());
    }
}

TEST(TabOrder, FocusWalksFieldsAndButtonsOnly) {
    TabOrder order;
    EXPECT_EQ(order.IndexOf("Text1"), 2);
    EXPECT_EQ(order.IndexOf("Label9"), -1);
    order.SetIndex("Text1", 0);  // as the load event does
    EXPECT_EQ(order.IndexOf("Label3"), 2);
    EXPECT_EQ(Joined(order.FocusChain()), "Text1 Text2 Command1 Command2 Text3 Text4 Text5");
}

TEST(Twips, PixelsFollowTheScreensDotsPerInch) {
    struct Row {
        int twips;
        int dpi;
        int pixels;
    };
    const Row rows[] = {
        {3600, 96, 240}, {4290, 96, 286}, {3600, 120, 300}, {4290, 120, 358}, {975, 120, 81},
        {7, 96, 0},      {8, 96, 1},      {-8, 96, -1},     {4290, 144, 429}, {4290, 192, 572},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TwipsToPixels(row.twips, row.dpi), row.pixels) << row.twips << " @ " << row.dpi;
        EXPECT_LE(std::abs(PixelsToTwips(row.pixels, row.dpi) - row.twips), 1440 / row.dpi / 2 + 1);
    }
}

TEST(Layout, NamesFieldsByTheirLabelsAndCentres) {
    EXPECT_EQ(CaptionOf(weir::Field::Text1), "流量(L/min)");
    EXPECT_EQ(CaptionOf(weir::Field::Text2), "解の挟込最小値(mm)");
    EXPECT_EQ(CaptionOf(weir::Field::Text3), "最大値(mm)");
    EXPECT_EQ(CaptionOf(weir::Field::Text4), "越流高さ(mm)");
    EXPECT_EQ(CaptionOf(weir::Field::Text5), "Trial回数");
    EXPECT_EQ(FindControl("Nothing"), nullptr);
    EXPECT_FALSE(TakesFocus(*FindControl("Label6")));
    EXPECT_EQ(CentredStart(1024, 242), 391);
    EXPECT_EQ(CentredStart(200, 300), -50);
}

TEST(FontFit, LargestSizeAtWhichEveryCaptionFits) {
    // A face in which one caption outgrows its label above a size: in height by wrapping onto
    // a line too many, or in width by a word that cannot be broken.
    struct Row {
        const char* caption;
        int largestFitting;  // half points
        bool tooWide;        // outgrows the width rather than the height
        int chosen;
    };
    const Row rows[] = {
        {"流量(L/min)", 30, false, 18},
        {"解の挟込最小値(mm)", 17, false, 17},
        {"適用範囲\u3000\u3000  \u3000越流高さ >50mm", 15, false, 15},
        {"Trial回数", 16, true, 16},
        {"最大値(mm)", 10, false, 14},
        {"計算", 10, false, 18},  // a button's caption is no label's
    };
    for (const Row& row : rows) {
        std::vector<std::string> asked;
        const MeasureCaption measure = [&](std::string_view caption, int width, int halfPoints) {
            asked.emplace_back(caption);
            // Every other caption just fills its label's box.
            const auto* label = std::find_if(
                kControls.begin(), kControls.end(),
                [caption](const ControlLayout& control) { return caption == control.caption; });
            TextExtent extent{width, label->height};
            if (caption == row.caption && halfPoints > row.largestFitting) {
                ++(row.tooWide ? extent.width : extent.height);
            }
            return extent;
        };
        EXPECT_EQ(FittingHalfPoints(measure), row.chosen) << row.caption;
        EXPECT_EQ(std::count(asked.begin(), asked.end(), "計算"), 0);
    }
}

TEST(Surface, KeepsLinesWithTheirColourUntilCleared) {
    DrawingSurface surface;
    surface.Draw("first", 240);
    surface.SetColour(0x00FF0000);
    surface.Draw("second", 240);
    ASSERT_EQ(surface.Drawn().size(), 2U);
    EXPECT_EQ(surface.Drawn()[0].colour, kWindowLayout.surfaceText);
    EXPECT_EQ(surface.Drawn()[1].top, 240);
    EXPECT_EQ(surface.Drawn()[1].colour, 0x00FF0000U);
    surface.Clear();
    EXPECT_TRUE(surface.Texts().empty());
    surface.Draw("after", 240);
    EXPECT_EQ(surface.Drawn()[0].top, 0);
    EXPECT_EQ(surface.Drawn()[0].colour, 0x00FF0000U);  // clearing keeps the colour
}

TEST(ErrorPolicy, CalculationErrorsAreToldAndWindowFailuresEndTheProgram) {
    struct Row {
        const char* name;
        std::function<void()> event;
        std::vector<weir::ErrorKind> reported;
        const char* says;
        std::vector<int> exits;
    };
    using weir::ErrorKind;
    using weir::Field;
    using weir::RunError;
    const Row rows[] = {
        {"no error", [] {}, {}, "", {}},
        {"conversion in Text2",
         [] { throw RunError(ErrorKind::Conversion, "", Field::Text2); },
         {ErrorKind::Conversion},
         "「解の挟込最小値(mm)」の値を数値として読めません",
         {}},
        {"overflow in Text1",
         [] { throw RunError(ErrorKind::Overflow, "", Field::Text1); },
         {ErrorKind::Overflow},
         "「流量(L/min)」の値が大きすぎ",
         {}},
        {"overflow in the solver",
         [] { throw RunError(ErrorKind::Overflow, ""); },
         {ErrorKind::Overflow},
         "大きくなりすぎました",
         {}},
        {"division by zero",
         [] { throw RunError(ErrorKind::DivisionByZero, ""); },
         {ErrorKind::DivisionByZero},
         "0 で割る",
         {}},
        {"square root",
         [] { throw RunError(ErrorKind::InvalidArgument, ""); },
         {ErrorKind::InvalidArgument},
         "負の数",
         {}},
        {"control failure",
         [] { throw RunError(ErrorKind::ControlFailure, ""); },
         {ErrorKind::ControlFailure},
         "終了します",
         {kControlFailureStatus}},
        {"unforeseen",
         [] { throw std::logic_error("broken"); },
         {ErrorKind::ControlFailure},
         "予期しないエラーが起きました（broken）",
         {kControlFailureStatus}},
        {"not even an exception",
         [] { throw 7; },
         {ErrorKind::ControlFailure},
         "予期しない",
         {kControlFailureStatus}},
    };
    for (const Row& row : rows) {
        std::vector<weir::ErrorKind> reported;
        std::string said;
        std::vector<int> exits;
        const EventGuard guard(
            [&](const ErrorBox& box) {
                reported.push_back(box.kind);
                said = box.message;
                EXPECT_EQ(box.severity,
                          EndsProgram(box.kind) ? Severity::Critical : Severity::Warning);
            },
            [&exits](int status) { exits.push_back(status); });
        guard.Run(row.event);
        EXPECT_EQ(reported, row.reported) << row.name;
        EXPECT_NE(said.find(row.says), std::string::npos) << row.name << ": " << said;
        EXPECT_EQ(exits, row.exits) << row.name;
    }
}

TEST(Colours, EveryDesignedPairIsReadable) {
    // Each control the layout colours shows both colours of its pair, and every pair reads at
    // 4.5:1 or more.
    std::vector<std::pair<std::string, ColourPair>> pairs{{"window", kWindowColours}};
    for (const ControlLayout& control : kControls) {
        const auto pair = DesignedColours(control);
        EXPECT_EQ(pair.has_value(), control.background || control.text) << control.name;
        if (pair) {
            EXPECT_EQ(pair->background, control.background.value_or(pair->background));
            EXPECT_EQ(pair->text, control.text.value_or(pair->text));
            pairs.emplace_back(control.name, *pair);
        }
    }
    for (const auto& [name, pair] : pairs) {
        EXPECT_GE(ContrastRatio(pair.text, pair.background), kReadableContrast) << name;
    }
    EXPECT_NEAR(ContrastRatio(0x00000000, 0x00FFFFFF), 21.0, 1e-9);
}

TEST(ErrorPolicy, AFailingReporterStillEndsTheProgram) {
    std::vector<int> exits;
    const EventGuard guard([](const ErrorBox&) { throw std::bad_alloc(); },
                           [&exits](int status) { exits.push_back(status); });
    guard.Run([] { throw weir::RunError(weir::ErrorKind::Conversion, ""); });
    EXPECT_EQ(exits, std::vector<int>{kControlFailureStatus});
}

}  // namespace
}  // namespace tarvik
