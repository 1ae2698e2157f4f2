#include "rules/calculator/flow_calculation.h"

#include <gtest/gtest.h>

namespace {

using tarvek::FlowFields;
using tarvek::FlowMode;
using tarvek::FlowOutcome;
using Action = FlowOutcome::Action;

// The worked example: air at 70 F from 100 psig to atmosphere, Xt 0.472, Cv 1.0.
FlowFields workedExample(FlowMode mode = FlowMode::MassFlow) {
    return {mode, "70", "100", "0", "1", "0.472", "1.0", "1922.9"};
}

FlowOutcome written(std::string text, bool choked) { return {Action::Write, std::move(text), choked}; }
const FlowOutcome kNothing{};
const FlowOutcome kCleared{Action::Clear, "", false};

TEST(FlowCalculation, WorkedExampleIsChokedAndComesBackFromTheTruncatedFlow) {
    EXPECT_EQ(tarvek::calculateFlow(workedExample()), written("1922.9", true));
    // Cv mode reads the truncated flow back: 0.99998, cut to 0.999.
    EXPECT_EQ(tarvek::calculateFlow(workedExample(FlowMode::Cv)), written("0.999", true));
}

TEST(FlowCalculation, ChokedFromXtOnwards) {
    // P1 = 114.7 psia; x reaches Xt 0.472 with P2 at 60.56 psia (45.86 psig).
    struct Case {
        const char* outlet;
        bool choked;
    };
    for (const Case c : {Case{"0", true}, Case{"45.85", true}, Case{"45.86", true}, Case{"45.87", false},
                         Case{"45.9", false}, Case{"99", false}}) {
        FlowFields fields = workedExample();
        fields.outletPressure = c.outlet;
        const FlowOutcome outcome = tarvek::calculateFlow(fields);
        EXPECT_EQ(outcome.action, Action::Write) << c.outlet;
        EXPECT_EQ(outcome.choked, c.choked) << "outlet " << c.outlet << " psig";
    }
    // Below the limit the flow follows the outlet pressure; at it, it stays at the choked flow.
    FlowFields justBelow = workedExample(), justAt = workedExample(), farBelow = workedExample();
    justBelow.outletPressure = "45.87";
    justAt.outletPressure = "45.86";
    EXPECT_LT(std::stod(tarvek::calculateFlow(justBelow).resultText), 1922.9);
    EXPECT_EQ(tarvek::calculateFlow(justAt).resultText, tarvek::calculateFlow(farBelow).resultText);
}

TEST(FlowCalculation, ResultsAreCutDownNeverRaised) {
    struct Case {
        float value;
        const char* flowText;
        const char* cvText;
    };
    for (const Case c :
         {Case{99.99f, "99.9", "99.99"}, Case{0.12399f, "0.1", "0.123"}, Case{125.0f, "125", "125"},
          Case{0.0f, "0", "0"}, Case{1922.93f, "1922.9", "1922.93"}, Case{0.0009f, "0", "0"}}) {
        EXPECT_EQ(tarvek::massFlowText(c.value), c.flowText) << c.value;
        EXPECT_EQ(tarvek::cvText(c.value), c.cvText) << c.value;
    }
}

TEST(FlowCalculation, WritesNothingUntilEveryInputIsThere) {
    const auto without = [](auto change) {
        FlowFields fields = workedExample();
        change(fields);
        return tarvek::calculateFlow(fields);
    };
    EXPECT_EQ(without([](FlowFields& f) { f.specificGravity = ""; }), kNothing);  // no gas chosen
    EXPECT_EQ(without([](FlowFields& f) { f.specificGravity = "0"; }), kNothing);
    EXPECT_EQ(without([](FlowFields& f) { f.specificGravity = "-1"; }), kNothing);
    EXPECT_EQ(without([](FlowFields& f) { f.temperature = ""; }), kNothing);
    EXPECT_EQ(without([](FlowFields& f) { f.inletPressure = ""; }), kNothing);
    EXPECT_EQ(without([](FlowFields& f) { f.outletPressure = ""; }), kNothing);
    EXPECT_EQ(without([](FlowFields& f) { f.xtFactor = ""; }), kNothing);
    EXPECT_EQ(without([](FlowFields& f) { f.cv = ""; }), kNothing);
    EXPECT_EQ(without([](FlowFields& f) { f.mode = FlowMode::None; }), kNothing);
    // The other mode's input does not matter.
    EXPECT_EQ(without([](FlowFields& f) { f.massFlow = ""; }), written("1922.9", true));
    // A partial entry is present and reads as 0: Cv "." gives no flow, but a result.
    EXPECT_EQ(without([](FlowFields& f) { f.cv = "."; }), written("0", true));
    EXPECT_EQ(without([](FlowFields& f) { f.outletPressure = "-"; }), written("1922.9", true));
}

TEST(FlowCalculation, NoFlowClearsTheResultAndTheChokedIndicator) {
    const auto with = [](const char* inlet, const char* outlet, FlowMode mode = FlowMode::MassFlow) {
        FlowFields fields = workedExample(mode);
        fields.inletPressure = inlet;
        fields.outletPressure = outlet;
        return tarvek::calculateFlow(fields);
    };
    EXPECT_EQ(with("100", "100"), kCleared);
    EXPECT_EQ(with("50", "100"), kCleared);
    EXPECT_EQ(with("50", "100", FlowMode::Cv), kCleared);
    // -14.7 psig is no pressure at all: cleared without dividing by it.
    EXPECT_EQ(with("-14.7", "-14.7"), kCleared);
    EXPECT_EQ(with("-14.7", "0"), kCleared);
    EXPECT_EQ(with("-14.7", "-14.7", FlowMode::Cv), kCleared);
    EXPECT_EQ(with("-14.7", "-20"), kCleared);  // an outlet the window refuses: still no division
    EXPECT_EQ(with("-14.7", "-20", FlowMode::Cv), kCleared);
}

TEST(FlowCalculation, AnXtOfZeroOrLessStandsAsOneThousandth) {
    FlowFields smallest = workedExample();
    smallest.xtFactor = "0.001";
    const FlowOutcome expected = tarvek::calculateFlow(smallest);
    EXPECT_TRUE(expected.choked);
    for (const char* xt : {"0", "-5", "."}) {
        FlowFields fields = workedExample();
        fields.xtFactor = xt;
        EXPECT_EQ(tarvek::calculateFlow(fields), expected) << xt;
    }
}

TEST(FlowCalculation, ResultsBeyondSinglePrecisionClearInsteadOfWriting) {
    FlowFields hugeCv = workedExample();
    hugeCv.cv = "1e300";
    EXPECT_EQ(tarvek::calculateFlow(hugeCv), kCleared);

    FlowFields hugeInlet = workedExample();
    hugeInlet.inletPressure = "1e39";  // beyond single precision: no pressure ratio at all
    EXPECT_EQ(tarvek::calculateFlow(hugeInlet), kCleared);

    FlowFields heavyGas = workedExample(FlowMode::Cv);
    heavyGas.specificGravity = "1e300";  // G is 0: no Cv passes any flow
    EXPECT_EQ(tarvek::calculateFlow(heavyGas), kCleared);

    FlowFields largeFlow = workedExample();
    largeFlow.cv = "10000";
    EXPECT_EQ(tarvek::calculateFlow(largeFlow).resultText, "1.922929E+07");  // seven digits at most
}

}  // namespace
