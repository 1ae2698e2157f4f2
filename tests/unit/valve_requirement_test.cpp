// What a flow asks of a valve. The calculator's worked example: air, 70 F, 100 psig in, 0 psig
// out, Xt 0.472; Cv 1.0 passes 1922.9 slm, which in Cv mode reads back as Cv 0.999. The
// search then asks for a Cv of 0.999 or more and a rating of 100 psig or more.
#include "rules/calculator/valve_requirement.h"

#include <gtest/gtest.h>

#include "rules/calculator/calculator.h"
#include "rules/search/search_query.h"

namespace {

using namespace tarvek;

class ValveRequirementOf : public ::testing::Test {
  protected:
    ValveRequirementOf() {
        model.setGases({{"Air", "1", "1.4"}});
        model.type(CalculatorBox::InletPressure, "100");
        model.type(CalculatorBox::OutletPressure, "0");
    }
    void workedExample() {
        model.chooseGas(0);
        model.type(CalculatorBox::XtFactor, "0.472");
    }
    Calculator model;
};

TEST_F(ValveRequirementOf, TheCataloguesFormula) {
    EXPECT_FALSE(valveRequirement(model.state()).has_value());  // no gas: no flow to pass
    workedExample();
    ASSERT_EQ(model.state().massFlowResult.text, "1922.9");
    for (const FlowMode mode : {FlowMode::MassFlow, FlowMode::Cv}) {
        model.chooseMode(mode);
        const std::optional<ValveRequirement> r = valveRequirement(model.state());
        ASSERT_TRUE(r.has_value());
        EXPECT_DOUBLE_EQ(r->cv, 0.999);
        EXPECT_EQ(r->inletPsig, 100);
        EXPECT_EQ(search::cvThreshold(r->cv), 999);
        EXPECT_EQ(search::pressureThreshold(r->inletPsig), 100);
    }
    model.type(CalculatorBox::OutletPressure, "100");  // no pressure drop, no flow
    EXPECT_FALSE(valveRequirement(model.state()).has_value());
}

// By the standard, in bar(g): the inlet is still asked in psig, as the catalogue rates.
TEST_F(ValveRequirementOf, TheStandardInItsOwnUnits) {
    workedExample();
    model.chooseMethod(CalculationMethod::Iec);
    model.chooseUnknown(SizingUnknown::Cv);
    model.typeSizing(SizingBox::Flow, "1922.9");
    model.choosePressureUnit(PressureUnit::BarGauge);
    const std::optional<ValveRequirement> r = valveRequirement(model.state());
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->inletPsig, 100, 0.01);  // 6.895 bar(g)
    EXPECT_GT(r->cv, 0.9);                 // the standard's own Cv, near the catalogue's
    EXPECT_LT(r->cv, 1.5);
}

}  // namespace
