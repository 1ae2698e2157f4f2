// The curve a page draws follows the boxes as typed, never the result the calculation wrote
// into the other quantity's box; and its plot reaches the highest value, or in Cv mode stops
// where the Cv needed runs away towards the inlet pressure.
#include "rules/calculator/shown_curve.h"

#include <gtest/gtest.h>

#include "rules/calculator/calculator.h"

namespace {

using namespace tarvek;

Calculator workedExample() {
    Calculator c;
    c.setGases({{"Air", "1", "1.4"}});
    c.type(CalculatorBox::InletPressure, "100");
    c.type(CalculatorBox::OutletPressure, "0");
    c.chooseGas(0);
    return c;
}

TEST(ShownCurve, FollowsTheTypedBoxesNotTheWrittenResult) {
    Calculator c = workedExample();
    ASSERT_EQ(c.state().massFlowResult.text, "1922.9");  // the catalogue's worked example
    const FlowCurve flow = shownCurve(c.state());
    ASSERT_TRUE(flow.drawn());
    EXPECT_EQ(flow.mode, FlowMode::MassFlow);
    EXPECT_EQ(flow.inlet, 100);
    EXPECT_NEAR(flow.operatingPoint.value, 1922.9, 0.1);
    // In Cv mode the flow box holds the written 1922.9; emptied, the curve has no flow to
    // size for, whatever the hidden Cv box holds.
    c.chooseMode(FlowMode::Cv);
    EXPECT_TRUE(shownCurve(c.state()).drawn());
    c.type(CalculatorBox::MassFlow, "");
    EXPECT_FALSE(shownCurve(c.state()).drawn());
    EXPECT_EQ(shownCurve(c.state()).gap, CurveGap::MissingInputs);
}

TEST(ShownCurve, TheSizingsCurveOnceItsMethodIsChosen) {
    Calculator c = workedExample();
    c.chooseMethod(CalculationMethod::Iec);
    const FlowCurve curve = shownCurve(c.state());
    ASSERT_TRUE(curve.drawn());
    EXPECT_TRUE(curve.sizing.has_value());
    c.chooseMethod(CalculationMethod::Catalogue);
    EXPECT_FALSE(shownCurve(c.state()).sizing.has_value());
}

TEST(PlottedMaximum, TheHighestValueOrFourTimesTheChokedCv) {
    FlowCurve curve;
    curve.mode = FlowMode::MassFlow;
    curve.points = {{-14.7, 10}, {0, 30}, {50, 20}};
    EXPECT_EQ(plottedMaximum(curve), 30);
    curve.mode = FlowMode::Cv;
    curve.points = {{-14.7, 1}, {0, 1}, {90, 3}, {99, 50}};
    curve.operatingPoint = {0, 1, true};
    EXPECT_EQ(plottedMaximum(curve), 4);  // four times the lowest (choked) Cv
    curve.operatingPoint = {90, 3, false};
    EXPECT_EQ(plottedMaximum(curve), 4);  // 1.25 x 3 is below
    curve.operatingPoint = {95, 8, false};
    EXPECT_EQ(plottedMaximum(curve), 10);  // a quarter above the operating point
}

}  // namespace
