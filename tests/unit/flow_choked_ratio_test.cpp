#include <gtest/gtest.h>

#include <cmath>

#include "rules/calculator/choked_flow_ratio.h"
#include "rules/numbers/number_text.h"

namespace {

TEST(ChokedFlowRatio, FromTheGasesK) {
    struct Case {
        float k;
        const char* text;
    };
    for (const Case c :
         {Case{1.4f, "0.472"}, Case{1.3f, "0.455"}, Case{1.667f, "0.513"}, Case{1.1f, "0.416"}}) {
        const auto xt = tarvek::chokedFlowRatio(c.k);
        ASSERT_TRUE(xt) << c.k;
        EXPECT_EQ(tarvek::numberText(*xt), c.text) << c.k;
    }
}

TEST(ChokedFlowRatio, NoneWhereTheCriticalRatioIsNoRealNumber) {
    EXPECT_FALSE(tarvek::chokedFlowRatio(1.0f));   // exponent k / 0
    EXPECT_FALSE(tarvek::chokedFlowRatio(-1.0f));  // 2 / 0
    EXPECT_FALSE(tarvek::chokedFlowRatio(-3.0f));  // a negative base to a fractional power
    EXPECT_FALSE(tarvek::chokedFlowRatio(INFINITY));
    EXPECT_FALSE(tarvek::chokedFlowRatio(NAN));
}

// Because r is cut down, Xt is never below 1 - r and exceeds it by less than 0.001; and
// it is never above 1, so the Xt box always accepts what a gas writes into it.
TEST(ChokedFlowRatio, CutDownAndNeverAboveOne) {
    for (float k = -0.99f; k < 3.0f; k += 0.0137f) {
        const auto xt = tarvek::chokedFlowRatio(k);
        if (!xt) continue;
        const double r = std::pow(2.0 / (double(k) + 1), double(k) / (double(k) - 1));
        EXPECT_GE(*xt, 1 - r - 1e-12) << k;
        EXPECT_LT(*xt, 1 - r + 0.001) << k;
        EXPECT_LE(*xt, 1.0) << k;
    }
}

}  // namespace
