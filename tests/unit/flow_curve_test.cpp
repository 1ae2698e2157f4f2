#include "rules/calculator/flow_curve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rules/calculator/flow_curve_text.h"
#include "rules/numbers/number_text.h"

namespace {

using tarvek::CurveGap;
using tarvek::FlowFields;
using tarvek::FlowInput;
using tarvek::FlowMode;
using Action = tarvek::FlowOutcome::Action;

// The calculator's worked example: air at 70 F from 100 psig, Xt 0.472, Cv 1.0.
FlowFields workedExample(FlowMode mode = FlowMode::MassFlow) {
    return {mode, "70", "100", "0", "1", "0.472", "1.0", "1922.9"};
}

struct Variant {
    const char* name;
    FlowFields fields;
};

std::vector<Variant> drawnVariants() {
    const auto with = [](FlowMode mode, auto change) {
        FlowFields fields = workedExample(mode);
        change(fields);
        return fields;
    };
    return {
        {"worked example", workedExample()},
        {"worked example, Cv mode", workedExample(FlowMode::Cv)},
        {"argon, 50 psig, Xt 0.513", with(FlowMode::MassFlow,
                                          [](FlowFields& f) {
                                              f.specificGravity = "1.38", f.inletPressure = "50",
                                              f.outletPressure = "20", f.xtFactor = "0.513";
                                          })},
        {"Xt 0 stands as 0.001", with(FlowMode::MassFlow, [](FlowFields& f) { f.xtFactor = "0"; })},
        {"Xt 1", with(FlowMode::Cv, [](FlowFields& f) { f.xtFactor = "1"; })},
        {"vacuum outlet, small inlet",
         with(FlowMode::MassFlow,
              [](FlowFields& f) { f.inletPressure = "-14", f.outletPressure = "-14.7"; })},
        {"huge inlet", with(FlowMode::MassFlow, [](FlowFields& f) { f.inletPressure = "1e30"; })},
        {"huge inlet, Cv mode", with(FlowMode::Cv, [](FlowFields& f) { f.inletPressure = "1e30"; })},
        {"near absolute zero", with(FlowMode::MassFlow, [](FlowFields& f) { f.temperature = "-459.9"; })},
        {"partial entries",
         with(FlowMode::MassFlow,
              [](FlowFields& f) { f.temperature = "-.", f.outletPressure = "-", f.cv = "."; })},
        {"no flow asked", with(FlowMode::Cv, [](FlowFields& f) { f.massFlow = "0"; })},
    };
}

TEST(FlowCurve, PointsAreTheCalculatorsResultsAtTheirOutletPressures) {
    for (const Variant& v : drawnVariants()) {
        const tarvek::FlowCurve curve = tarvek::flowCurve(v.fields);
        ASSERT_TRUE(curve.drawn()) << v.name << ": " << tarvek::gapText(curve);
        ASSERT_GE(curve.points.size(), 100u) << v.name;
        EXPECT_EQ(curve.points.front().outlet, -14.7) << v.name;
        for (const tarvek::CurvePoint& point : curve.points) {
            ASSERT_TRUE(std::isfinite(point.value)) << v.name << " at " << point.outlet;
            if (point.outlet == curve.inlet) continue;  // no flow there: the calculator clears
            FlowFields at = v.fields;
            const std::string outlet = tarvek::numberText(point.outlet);
            at.outletPressure = outlet;
            const tarvek::FlowOutcome outcome = tarvek::calculateFlow(at);
            ASSERT_EQ(outcome.action, Action::Write) << v.name << " at " << outlet;
            const std::string drawn = v.fields.mode == FlowMode::MassFlow
                                          ? tarvek::massFlowText(float(point.value))
                                          : tarvek::cvText(float(point.value));
            EXPECT_EQ(drawn, outcome.resultText) << v.name << " at " << outlet << " psig";
            EXPECT_EQ(point.choked, outcome.choked) << v.name << " at " << outlet << " psig";
        }
        // The operating point is on the curve and is the calculator's own result.
        const tarvek::FlowOutcome now = tarvek::calculateFlow(v.fields);
        EXPECT_EQ(v.fields.mode == FlowMode::MassFlow
                      ? tarvek::massFlowText(float(curve.operatingPoint.value))
                      : tarvek::cvText(float(curve.operatingPoint.value)),
                  now.resultText)
            << v.name;
        EXPECT_EQ(curve.operatingPoint.choked, now.choked) << v.name;
    }
}

TEST(FlowCurve, FlowFallsToNothingAtTheInletAndStaysAtTheChokedFlowBelowTheBoundary) {
    const tarvek::FlowCurve curve = tarvek::flowCurve(workedExample());
    ASSERT_TRUE(curve.drawn());
    EXPECT_EQ(curve.points.back().outlet, 100);
    EXPECT_EQ(curve.points.back().value, 0);
    EXPECT_EQ(tarvek::massFlowText(float(curve.points.front().value)), "1922.9");
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const tarvek::CurvePoint& below = curve.points[i - 1];
        const tarvek::CurvePoint& point = curve.points[i];
        EXPECT_LT(below.outlet, point.outlet);
        EXPECT_GE(below.value, point.value) << "the flow rises as the outlet pressure falls";
        if (point.choked) {
            EXPECT_EQ(point.value, curve.points.front().value) << point.outlet;
        }
    }
    // In Cv mode the Cv needed grows towards the inlet; the curve stops short of it.
    const tarvek::FlowCurve cvCurve = tarvek::flowCurve(workedExample(FlowMode::Cv));
    EXPECT_LT(cvCurve.points.back().outlet, 100);
    EXPECT_GT(cvCurve.points.back().value, 10 * cvCurve.points.front().value);
}

// The calculator's flow function works in absolute pressures: choked when the drop ratio
// (P1 - P2) / P1 reaches Xt, that is for P2 <= (1 - Xt) x P1 psia, or in the gauge
// pressures typed: outlet <= (1 - Xt) x (inlet + 14.7) - 14.7 psig.
TEST(FlowCurve, ChokedBoundaryIsOneLessXtTimesTheAbsoluteInletPressure) {
    struct Case {
        const char* inlet;
        const char* xt;
        double boundary;  // psig, hand-computed
    };
    for (const Case c :
         {Case{"100", "0.472", 45.8616}, Case{"50", "0.513", 16.8089}, Case{"0", "0.472", -6.9384},
          Case{"100", "0", 99.8853}, Case{"100", "1", -14.7}, Case{"1e30", "0.5", 5e29}}) {
        FlowFields fields = workedExample();
        fields.inletPressure = c.inlet;
        fields.xtFactor = c.xt;
        fields.outletPressure = "-14.7";
        const tarvek::FlowCurve curve = tarvek::flowCurve(fields);
        ASSERT_TRUE(curve.drawn()) << c.inlet;
        EXPECT_NEAR(curve.chokedOutlet, c.boundary, std::abs(c.boundary) * 1e-6 + 1e-4)
            << c.inlet << " Xt " << c.xt;
        for (const tarvek::CurvePoint& point : curve.points) {
            if (point.outlet == curve.inlet) continue;
            EXPECT_EQ(point.choked, point.outlet <= curve.chokedOutlet) << c.inlet << " at " << point.outlet;
        }
    }
    // The boundary itself is a point of the curve, so that the line bends exactly there.
    const tarvek::FlowCurve curve = tarvek::flowCurve(workedExample());
    EXPECT_TRUE(std::any_of(curve.points.begin(), curve.points.end(), [&](const auto& point) {
        return point.outlet == curve.chokedOutlet && point.choked;
    }));
}

TEST(FlowCurve, EmptyExactlyWhenTheCalculatorHasNoResult) {
    struct Case {
        const char* name;
        FlowFields fields;
        CurveGap gap;
        std::vector<FlowInput> missing;
        const char* line;
    };
    const FlowFields startUp{FlowMode::MassFlow, "70", "", "", "", "0.47", "1.0", ""};
    FlowFields noCv = workedExample(), noFlow = workedExample(FlowMode::Cv), same = workedExample(),
               reversed = workedExample(FlowMode::Cv), vacuum = workedExample(), huge = workedExample(),
               hugeCv = workedExample(), heavy = workedExample(FlowMode::Cv),
               noMode = workedExample(FlowMode::None);
    noCv.cv = "";
    noFlow.massFlow = "";
    same.outletPressure = "100";
    reversed.outletPressure = "120";
    vacuum.inletPressure = "-14.7";
    vacuum.outletPressure = "-20";  // refused by the window; still no division by zero
    huge.inletPressure = "1e39";
    hugeCv.cv = "1e300";
    heavy.specificGravity = "1e300";
    for (const Case& c : {
             Case{"start-up",
                  startUp,
                  CurveGap::MissingInputs,
                  {FlowInput::Gas, FlowInput::InletPressure, FlowInput::OutletPressure},
                  "Missing: gas, inlet pressure, outlet pressure"},
             Case{"no Cv", noCv, CurveGap::MissingInputs, {FlowInput::Cv}, "Missing: Cv"},
             Case{"no flow", noFlow, CurveGap::MissingInputs, {FlowInput::MassFlow}, "Missing: mass flow"},
             Case{"no mode", noMode, CurveGap::MissingInputs, {FlowInput::Mode}, "Missing: mode"},
             Case{"outlet at inlet",
                  same,
                  CurveGap::NoPressureDrop,
                  {},
                  "No flow: the outlet pressure is not below the inlet pressure"},
             Case{"outlet above inlet",
                  reversed,
                  CurveGap::NoPressureDrop,
                  {},
                  "No flow: the outlet pressure is not below the inlet pressure"},
             Case{"vacuum inlet",
                  vacuum,
                  CurveGap::NoInletPressure,
                  {},
                  "No flow: an inlet pressure of -14.7 psig is vacuum"},
             Case{"inlet beyond single precision",
                  huge,
                  CurveGap::OutOfRange,
                  {},
                  "No curve: the numbers are too large to calculate"},
             Case{"flow beyond single precision",
                  hugeCv,
                  CurveGap::OutOfRange,
                  {},
                  "No curve: the numbers are too large to calculate"},
             Case{"no Cv passes any flow",
                  heavy,
                  CurveGap::OutOfRange,
                  {},
                  "No curve: the numbers are too large to calculate"},
         }) {
        const tarvek::FlowCurve curve = tarvek::flowCurve(c.fields);
        EXPECT_EQ(curve.gap, c.gap) << c.name;
        EXPECT_EQ(curve.missing, c.missing) << c.name;
        EXPECT_TRUE(curve.points.empty()) << c.name;
        EXPECT_EQ(tarvek::gapText(curve), c.line) << c.name;
        EXPECT_EQ(tarvek::curveSummary(curve), c.line) << c.name;
        EXPECT_NE(tarvek::calculateFlow(c.fields).action, Action::Write) << c.name;
    }
}

TEST(FlowCurve, ThePointerReadsTheCurveAnywhereOnItsSpan) {
    const tarvek::FlowCurve curve = tarvek::flowCurve(workedExample());
    struct Case {
        double outlet;
        const char* text;  // hand-checked against the calculator at that outlet pressure
    };
    for (const Case c : {Case{0, "0 psig: 1922.9 slm, choked"}, Case{-14.7, "-14.7 psig: 1922.9 slm, choked"},
                         Case{60, "60 psig: 1718.2 slm"}, Case{100, "100 psig: 0 slm"}}) {
        const auto point = tarvek::curvePointAt(curve, c.outlet);
        ASSERT_TRUE(point) << c.outlet;
        EXPECT_EQ(tarvek::pointText(FlowMode::MassFlow, *point), c.text);
    }
    EXPECT_FALSE(tarvek::curvePointAt(curve, -15));
    EXPECT_FALSE(tarvek::curvePointAt(curve, 100.5));
    EXPECT_FALSE(tarvek::curvePointAt(curve, NAN));
    EXPECT_FALSE(tarvek::curvePointAt(tarvek::flowCurve({}), 0));
    EXPECT_EQ(
        tarvek::curveSummary(curve),
        "Flow from -14.7 psig to 100 psig; now 0 psig: 1922.9 slm, choked; choked at or below 45.86 psig");
}

}  // namespace
