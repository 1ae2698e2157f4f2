// The sizing by the standard in words and as a curve: its status, factors, regime and
// equivalents, and the curve drawn from its own equations in its own units. Expected values
// are hand-computed (nitrogen, 70 °F, 100 to 80 psig, Cv 0.23, xT 0.5: 276.22 slm).
#include "rules/calculator/sizing_curve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rules/calculator/flow_curve_text.h"
#include "rules/calculator/sizing_text.h"

namespace {

using tarvek::FlowUnit;
using tarvek::PressureUnit;
using tarvek::SizingBox;
using tarvek::SizingTexts;
using tarvek::SizingUnknown;

SizingTexts nitrogen(SizingUnknown unknown = SizingUnknown::Flow) {
    SizingTexts t{{}, "0.967", "1.4", unknown, {}};
    t.boxes = {"70", "100", "80", "0.23", "276.22", "0.5", "1", "", "", "", ""};
    t.boxes[std::size_t(tarvek::resultBox(unknown))] = "";
    return t;
}

TEST(SizingText, TheResultInWords) {
    const tarvek::SizingOutcome flow = tarvek::calculateSizing(nitrogen());
    ASSERT_TRUE(flow.ok());
    EXPECT_EQ(tarvek::sizingStatusText(flow, {}), "");
    EXPECT_EQ(tarvek::sizingFactorsText(*flow.sizing), "x 0.1744 · Fγ 1 · Y 0.8838");
    EXPECT_EQ(tarvek::flowRegimeText(*flow.sizing), "Turbulent");
    EXPECT_EQ(tarvek::flowEquivalents(flow, FlowUnit::Slm),
              (std::vector<std::string>{"585.3 scfh (14.7 psia, 60 °F)", "15.68 Nm³/h (0 °C, 1 atm)",
                                        "16.55 Sm³/h (15 °C, 1 atm)", "19.6 kg/h"}));
    EXPECT_EQ(tarvek::flowEquivalents(flow, FlowUnit::KilogramsPerHour).front(),
              "276.2 slm (14.7 psia, 60 °F)");

    SizingTexts choked = nitrogen();
    choked.boxes[std::size_t(SizingBox::OutletPressure)] = "20";
    const tarvek::SizingOutcome chokedFlow = tarvek::calculateSizing(choked);
    ASSERT_TRUE(chokedFlow.ok());
    EXPECT_EQ(tarvek::sizingFactorsText(*chokedFlow.sizing), "x 0.6975 → 0.5 · Fγ 1 · Y 0.6667");

    SizingTexts tooMuch = nitrogen(SizingUnknown::OutletPressure);
    tooMuch.boxes[std::size_t(SizingBox::Flow)] = "400";
    EXPECT_EQ(tarvek::sizingStatusText(tarvek::calculateSizing(tooMuch), {}),
              "No result: the valve passes at most 352.8 slm (14.7 psia, 60 °F), at any outlet pressure");

    SizingTexts missing = nitrogen();
    missing.specificGravity = "";
    missing.boxes[std::size_t(SizingBox::InletPressure)] = "";
    missing.boxes[std::size_t(SizingBox::Fd)] = "0.46";
    EXPECT_EQ(tarvek::sizingStatusText(tarvek::calculateSizing(missing), {}),
              "Missing: gas, inlet pressure, viscosity, inlet diameter, FL");

    SizingTexts noXt = nitrogen();
    noXt.boxes[std::size_t(SizingBox::Xt)] = "0";
    EXPECT_EQ(tarvek::sizingStatusText(tarvek::calculateSizing(noXt), {}),
              "No result: xT must be greater than 0 and at most 1");
}

TEST(SizingText, NotTurbulentWithItsReynoldsNumberAndFactor) {
    tarvek::IecSizing s;
    s.turbulent = false;
    s.reynoldsNumber = 1201.9;
    s.fr = 0.71517;
    EXPECT_EQ(tarvek::flowRegimeText(s), "Not turbulent: Rev 1202, FR 0.7152");
    s.turbulent = true;
    s.reynoldsNumber = 234567;
    s.fr = 1;
    EXPECT_EQ(tarvek::flowRegimeText(s), "Turbulent: Rev 234567");
}

// Each point is the sizing's own result at its outlet pressure; the flow grows as the outlet
// falls until choked at 0.5 x 114.696 psia, 42.65 psig, and is constant beyond.
TEST(SizingCurve, PointsAreTheSizingsResultsAndChokeAtFgammaXt) {
    const tarvek::FlowCurve curve = tarvek::sizingCurve(nitrogen());
    ASSERT_TRUE(curve.drawn()) << tarvek::gapText(curve);
    ASSERT_GE(curve.points.size(), 100u);
    EXPECT_NEAR(curve.chokedOutlet, 42.652, 0.001);
    EXPECT_NEAR(curve.points.front().outlet, -14.696, 0.001);
    EXPECT_EQ(curve.points.back().outlet, curve.inlet);
    EXPECT_EQ(curve.points.back().value, 0);
    EXPECT_NEAR(curve.operatingPoint.value, 276.22, 0.01);
    EXPECT_NEAR(curve.operatingPoint.outlet, 80, 1e-9);
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const tarvek::CurvePoint& below = curve.points[i - 1];
        const tarvek::CurvePoint& point = curve.points[i];
        EXPECT_LT(below.outlet, point.outlet);
        EXPECT_EQ(point.choked, point.outlet <= curve.chokedOutlet + 1e-9) << point.outlet;
        if (point.choked) {
            EXPECT_NEAR(point.value, 352.84, 0.01) << point.outlet;
        } else {
            EXPECT_LT(point.value, below.value) << point.outlet;
        }
        SizingTexts at = nitrogen();
        const std::string outlet = std::to_string(point.outlet);
        if (point.outlet >= curve.inlet || point.outlet < -14.69) continue;
        at.boxes[std::size_t(SizingBox::OutletPressure)] = outlet;
        const auto pointer = tarvek::curvePointAt(curve, point.outlet);
        ASSERT_TRUE(pointer) << outlet;
        EXPECT_NEAR(pointer->value, point.value, 1e-9 * point.value) << outlet;
        EXPECT_NEAR(tarvek::calculateSizing(at).sizing->massFlow / 0.15640869, point.value, 0.01) << outlet;
    }
    EXPECT_EQ(tarvek::curveSummary(curve),
              "Flow from -14.7 psig to 100 psig; now 80 psig: 276.2 slm; choked at or below 42.65 psig");
    EXPECT_EQ(tarvek::pressureAxisTitle(curve), "Outlet pressure (psig)");
    EXPECT_EQ(tarvek::valueAxisTitle(curve), "Flow (slm at 14.7 psia, 60 °F)");
}

TEST(SizingCurve, InTheSizingsUnitsAndForEachUnknown) {
    SizingTexts bar = nitrogen(SizingUnknown::Cv);
    bar.units.pressure = PressureUnit::BarGauge;
    bar.units.flow = FlowUnit::NormalCubicMetresPerHour;
    bar.boxes[std::size_t(SizingBox::InletPressure)] = "6.89476";
    bar.boxes[std::size_t(SizingBox::OutletPressure)] = "5.51581";
    bar.boxes[std::size_t(SizingBox::Flow)] = "15.6846";  // 276.22 slm
    const tarvek::FlowCurve cv = tarvek::sizingCurve(bar);
    ASSERT_TRUE(cv.drawn()) << tarvek::gapText(cv);
    EXPECT_EQ(cv.mode, tarvek::FlowMode::Cv);
    EXPECT_NEAR(cv.vacuum, -1.01325, 1e-9);
    EXPECT_NEAR(cv.operatingPoint.value, 0.23, 0.0001);
    EXPECT_EQ(tarvek::pressureAxisTitle(cv), "Outlet pressure (bar(g))");
    EXPECT_EQ(tarvek::valueAxisTitle(cv), "Cv needed");
    EXPECT_LT(cv.points.back().outlet, cv.inlet);  // the Cv needed grows without bound there
    EXPECT_EQ(tarvek::curvePointText(cv, cv.operatingPoint), "5.516 bar(g): Cv 0.23");

    bar.unknown = SizingUnknown::Flow;
    bar.boxes[std::size_t(SizingBox::Cv)] = "0.23";
    EXPECT_EQ(tarvek::valueAxisTitle(tarvek::sizingCurve(bar)), "Flow (Nm³/h at 0 °C, 1 atm)");
    bar.units.flow = FlowUnit::KilogramsPerHour;
    EXPECT_EQ(tarvek::valueAxisTitle(tarvek::sizingCurve(bar)), "Flow (kg/h)");

    // The outlet pressure unknown: the flow of the Cv typed, its point the solution.
    SizingTexts outlet = nitrogen(SizingUnknown::OutletPressure);
    const tarvek::FlowCurve solved = tarvek::sizingCurve(outlet);
    ASSERT_TRUE(solved.drawn());
    EXPECT_EQ(solved.mode, tarvek::FlowMode::MassFlow);
    EXPECT_NEAR(solved.operatingPoint.outlet, 80, 0.001);
    EXPECT_NEAR(solved.operatingPoint.value, 276.22, 0.001);
}

TEST(SizingCurve, EmptyWithTheSizingsReason) {
    SizingTexts noGas = nitrogen();
    noGas.specificGravity = "";
    SizingTexts same = nitrogen();
    same.boxes[std::size_t(SizingBox::OutletPressure)] = "100";
    SizingTexts huge = nitrogen();
    huge.boxes[std::size_t(SizingBox::InletPressure)] = "1e308";
    SizingTexts vacuum = nitrogen();
    vacuum.boxes[std::size_t(SizingBox::OutletPressure)] = "-14.7";
    struct Case {
        SizingTexts texts;
        tarvek::CurveGap gap;
        const char* line;
    };
    for (const Case& c :
         {Case{noGas, tarvek::CurveGap::MissingInputs, "Missing: gas"},
          Case{same, tarvek::CurveGap::NoPressureDrop,
               "No result: the outlet pressure is not below the inlet pressure"},
          Case{huge, tarvek::CurveGap::OutOfRange, "No result: the numbers are too large to calculate"},
          Case{vacuum, tarvek::CurveGap::OutOfRange,
               "No result: the outlet pressure is vacuum, so x = Δp / p1 would be 1 or more"}}) {
        const tarvek::FlowCurve curve = tarvek::sizingCurve(c.texts);
        EXPECT_EQ(curve.gap, c.gap) << c.line;
        EXPECT_TRUE(curve.points.empty()) << c.line;
        EXPECT_EQ(tarvek::gapText(curve), c.line);
        EXPECT_EQ(tarvek::curveSummary(curve), c.line);
    }
}

}  // namespace
