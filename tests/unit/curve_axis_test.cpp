#include "rules/calculator/curve_axis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Ticks = std::vector<double>;

TEST(CurveAxis, RoundTicksInsideTheRange) {
    struct Case {
        double low, high;
        int most;
        Ticks ticks;
    };
    for (const Case& c :
         {Case{-14.7, 100, 7, {0, 20, 40, 60, 80, 100}}, Case{-14.7, 100, 3, {0, 100}},
          Case{-14.7, 0, 4, {-10, -5, 0}}, Case{-14.7, -14.6, 2, {-14.7, -14.6}},
          Case{-14.7, 1e30, 4, {0, 5e29, 1e30}}, Case{0, 0, 3, {0, 0.5, 1}},  // nothing to span: 0 .. 1
          Case{5, 1, 3, {0, 0.5, 1}}, Case{0, INFINITY, 3, {0, 0.5, 1}}, Case{NAN, 1, 3, {0, 0.5, 1}}}) {
        const tarvek::AxisScale scale = tarvek::axisScale(c.low, c.high, c.most);
        ASSERT_EQ(scale.ticks.size(), c.ticks.size()) << c.low << " .. " << c.high;
        for (std::size_t i = 0; i < c.ticks.size(); ++i)
            EXPECT_NEAR(scale.ticks[i], c.ticks[i], std::abs(c.ticks[i]) * 1e-12 + 1e-12)
                << c.low << " .. " << c.high;
        EXPECT_LE(int(scale.ticks.size()), std::max(c.most, 2) + 1);
    }
}

TEST(CurveAxis, FromZeroTheTopIsATick) {
    struct Case {
        double high;
        int most;
        double top;
        std::size_t count;
    };
    for (const Case c : {Case{1922.93, 3, 2000, 3}, Case{1922.93, 5, 2000, 5}, Case{2000, 3, 2000, 3},
                         Case{0.00123, 3, 0.002, 3}, Case{0, 3, 1, 3}, Case{-4, 3, 1, 3},
                         Case{INFINITY, 3, 1, 3}, Case{1.7e38, 3, 2e38, 3}, Case{1e-44, 3, 1e-44, 3}}) {
        const tarvek::AxisScale scale = tarvek::axisScaleFromZero(c.high, c.most);
        EXPECT_NEAR(scale.high, c.top, c.top * 1e-9) << c.high;
        ASSERT_EQ(scale.ticks.size(), c.count) << c.high;
        EXPECT_EQ(scale.ticks.front(), 0) << c.high;
        EXPECT_NEAR(scale.ticks.back(), scale.high, scale.high * 1e-9) << c.high;
    }
}

TEST(CurveAxis, TickTexts) {
    struct Case {
        double value, step;
        const char* text;
    };
    for (const Case c :
         {Case{0, 20, "0"}, Case{20, 20, "20"}, Case{-10, 5, "-10"}, Case{0.5, 0.1, "0.5"},
          Case{1.25, 0.05, "1.25"}, Case{0.30000000000000004, 0.1, "0.3"}, Case{2000, 1000, "2000"},
          Case{5e29, 5e29, "5E+29"}, Case{1.5e6, 5e5, "1.5E+06"}, Case{1e-44, 5e-45, "1E-44"},
          Case{-14.6, 0.02, "-14.6"}, Case{NAN, 1, ""}, Case{INFINITY, 1, ""}}) {
        EXPECT_EQ(tarvek::tickText(c.value, c.step), c.text) << c.value << " by " << c.step;
    }
}

}  // namespace
