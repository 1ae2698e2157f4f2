// Each verdict of a tagged service against its line's valve, with its reason in words. The Cv
// each case needs comes from --flow (the commands beside the figures); the valves' ratings
// from the catalogue's notes typed out in catalogue_facts.h (A310 on MX2: ".23 Cv, 250 psig").
#include "rules/quotes/service_fit.h"

#include <gtest/gtest.h>

#include "rules/quotes/quotation_lines.h"
#include "tests/support/catalogue_facts.h"
#include "tests/support/services_examples.h"

namespace {

using tarvek::FlowCase;
using tarvek::Verdict;

const std::vector<tarvek::GasRecord> kGases = {{"Nitrogen", "0.967", "1.4"}};

// The README's nitrogen case with a minimum flow of 100 slm.
tarvek::Service purge(const char* largestFlow) {
    tarvek::Service s = tarvek::testing::nitrogenPurge("FV-101", largestFlow);
    s.conditions.flow(FlowCase::Minimum) = "100";
    return s;
}

tarvek::QuotationLine lineOf(const char* partNumber, tarvek::Service service) {
    tarvek::QuotationLine line;
    if (*partNumber) line = *tarvek::lineForPartNumber(partNumber);
    line.service = std::move(service);
    return line;
}

TEST(ServiceFit, TheValvesRatingIsItsNote) {
    const tarvek::testing::facts::ValveOnSeries* a310 =
        tarvek::testing::facts::valveOnSeries("MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure");
    ASSERT_NE(a310, nullptr);
    ASSERT_STREQ(a310->rating, ".23 Cv, 250 psig");
    const tarvek::search::ValveRating rating =
        tarvek::lineRating(*tarvek::lineForPartNumber("A310-MX2-2A-MXFX-VS"));
    EXPECT_EQ(rating.cvThousandths, 230);
    EXPECT_EQ(rating.ratedPsig, 250);
    // Read from a file, the line has no events: its number is decoded.
    tarvek::QuotationLine saved = *tarvek::lineForPartNumber("A310-MX2-2A-MXFX-VS");
    saved.events.clear();
    EXPECT_EQ(tarvek::lineRating(saved).ratedPsig, 250);
    EXPECT_FALSE(tarvek::lineRating(*tarvek::lineForPartNumber("1-4-VC-1")).cvThousandths);
    EXPECT_FALSE(tarvek::lineRating(tarvek::QuotationLine{}).cvThousandths);
}

TEST(ServiceFit, EachVerdictWithItsReason) {
    struct Case {
        const char* name;
        tarvek::QuotationLine line;
        Verdict verdict;
        const char* reason;
    };
    tarvek::Service margin = purge("400");
    margin.margin = "15";
    tarvek::Service highPressure = purge("400");
    highPressure.conditions.inletPressure = "300";
    highPressure.conditions.outletPressure = "250";
    tarvek::Service level = purge("400");
    level.conditions.outletPressure = "100";
    for (
        const Case& c : {
            Case{"fits", lineOf("A310-MX2-2A-MXFX-VS", purge("400")), Verdict::Fits,
                 "Fits: rated Cv 0.23 is 1.124 times the Cv 0.2046 the maximum flow needs."},
            Case{"undersized", lineOf("A310-MX2-2A-MXFX-VS", purge("450.5")), Verdict::Undersized,
                 "Undersized at the maximum flow: it needs Cv 0.2304, the valve is rated 0.23, 0.2 % short."},
            Case{
                "undersized by the margin asked", lineOf("A310-MX2-2A-MXFX-VS", margin), Verdict::Undersized,
                "Undersized at the maximum flow: it needs Cv 0.2353 (0.2046 and a 15 % margin), the valve is "
                "rated 0.23, 2.3 % short."},
            Case{"rated below the inlet", lineOf("A310-MX2-2A-MXFX-VS", highPressure),
                 Verdict::PressureBelowInlet,
                 "Rated pressure below inlet: the valve is rated 250 psig, the inlet is 300 psig."},
            Case{"a higher rating serves it", lineOf("J310-MX2-2A-MXFX-VS-BK-LS", highPressure),
                 Verdict::Fits, ""},
            Case{"a fitting", lineOf("1-4-VC-1", purge("400")), Verdict::NoRating,
                 "No rating: the line is not a valve with a rated Cv and pressure."},
            Case{"no result", lineOf("A310-MX2-2A-MXFX-VS", level), Verdict::NoResult,
                 "No flow: the outlet pressure is not below the inlet pressure"},
            Case{"no valve yet", lineOf("", purge("400")), Verdict::NoValve,
                 "No valve yet: the maximum flow needs Cv 0.2046, rated for 100 psig."},
        }) {
        const std::optional<tarvek::ServiceCheck> check = tarvek::checkLine(c.line, kGases);
        ASSERT_TRUE(check) << c.name;
        EXPECT_EQ(check->verdict, c.verdict) << c.name;
        if (*c.reason) {
            EXPECT_EQ(check->reason, c.reason) << c.name;
        }
    }
}

TEST(ServiceFit, TheMarginIsTheRatedCvOverTheLargestCasesNeed) {
    const tarvek::ServiceCheck check =
        *tarvek::checkLine(lineOf("A310-MX2-2A-MXFX-VS", purge("400")), kGases);
    ASSERT_TRUE(check.margin && check.largest && check.cvAsked);
    EXPECT_EQ(*check.largest, FlowCase::Maximum);
    EXPECT_NEAR(*check.margin, 0.23 / *check.cvAsked, 1e-12);
    EXPECT_NEAR(*check.cvAsked, 0.204555, 0.000005);  // 400 / (R 454.47 G), worked in python
    EXPECT_EQ(check.inletPsig, 100);
    EXPECT_EQ(tarvek::verdictName(check.verdict), "fits");
    EXPECT_EQ(tarvek::verdictTitle(Verdict::NoValve), "No valve yet");
}

TEST(ServiceFit, TheInletIsHeldInPsigWhateverItsUnit) {
    // 17.2368 bar(g) is 249.999 psig: a valve rated 250 psig stands it; 17.3 bar(g) it does not.
    tarvek::Service metric = purge("400");
    metric.conditions.method = tarvek::CalculationMethod::Iec;
    metric.conditions.units.pressure = tarvek::PressureUnit::BarGauge;
    metric.conditions.outletPressure = "15";
    metric.conditions.inletPressure = "17.2368";
    EXPECT_NE(tarvek::checkLine(lineOf("A310-MX2-2A-MXFX-VS", metric), kGases)->verdict,
              Verdict::PressureBelowInlet);
    metric.conditions.inletPressure = "17.3";
    EXPECT_EQ(tarvek::checkLine(lineOf("A310-MX2-2A-MXFX-VS", metric), kGases)->verdict,
              Verdict::PressureBelowInlet);
}

TEST(ServiceFit, ALineWithoutAServiceHasNoCheck) {
    EXPECT_FALSE(tarvek::checkLine(*tarvek::lineForPartNumber("A310-MX2-2A-MXFX-VS"), kGases));
}

}  // namespace
