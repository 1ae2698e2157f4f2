// The calculator model without a window: the events a user sends (a gas, a box's text, a
// mode) and the state they lead to, warnings and focus requests included.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "rules/calculator/calculator.h"

namespace tarvek {

std::ostream& operator<<(std::ostream& out, const CalculatorWarning& w) {
    return out << w.title << ": " << w.prompt;
}

}  // namespace tarvek

namespace {

using tarvek::Calculator;
using tarvek::CalculatorBox;
using tarvek::CalculatorState;
using tarvek::CalculatorWarning;
using tarvek::FlowMode;
using tarvek::GasRecord;

const CalculatorWarning kTemperatureWarning{"Number must be greater than -460", "Invalid Temperature Value"};
const CalculatorWarning kPressureWarning{"Number must be greater than or equal to -14.7",
                                         "Invalid Pressure Value"};
const CalculatorWarning kCvWarning{"Number must be greater than or equal to 0", "Invalid Cv Value"};
const CalculatorWarning kFlowWarning{"Number must be greater than or equal to 0", "Invalid Flow Value"};
const CalculatorWarning kXtWarning{"Number must be greater than 0 and less than or equal to 1",
                                   "Invalid Xt Factor Value"};

// Gases as the table gives them: name, specific gravity, k; and rows the table may also hold.
const std::vector<GasRecord> kGases = {
    {"Air", "1", "1.4"},        {"Argon", "1.38", "1.667"},
    {"Butane", "2.007", "1.1"}, {"Carbon Dioxide", "1.52", "1.3"},
    {"No k", "1.2", ""},        {"Isothermal", "1", "1"},
    {"Odd", "1", "-3"},         {"No gravity", "", "1.3"},
};

class CalculatorModel : public ::testing::Test {
  protected:
    CalculatorModel() { model.setGases(kGases); }

    const CalculatorState& s() const { return model.state(); }
    const CalculatorState& choose(std::string_view gas) {
        const auto found = std::find_if(s().gases.begin(), s().gases.end(),
                                        [&](const GasRecord& g) { return g.name == gas; });
        EXPECT_NE(found, s().gases.end()) << gas;
        return model.chooseGas(int(found - s().gases.begin()));
    }
    const CalculatorState& type(CalculatorBox box, std::string_view text) { return model.type(box, text); }
    unsigned writes() const { return s().result(s().mode).writes; }

    // Air from 100 psig to atmosphere through Cv 1.0, at 70 F.
    void workedExample() {
        type(CalculatorBox::InletPressure, "100");
        type(CalculatorBox::OutletPressure, "0");
        choose("Air");
    }

    Calculator model;
};

TEST(CalculatorStart, MassFlowModeNoGasAndTheBoxesAsTheWindowOpens) {
    const Calculator model;
    const CalculatorState& s = model.state();
    EXPECT_EQ(s.mode, FlowMode::MassFlow);
    EXPECT_TRUE(s.gases.empty());
    EXPECT_EQ(s.chosenGas, -1);
    EXPECT_EQ(s.specificGravity, "");
    EXPECT_EQ(s.boxes, (std::array<std::string, 6>{"70", "", "", "1.0", "", "0.47"}));
    EXPECT_EQ(s.massFlowResult.text, "");
    EXPECT_EQ(s.cvResult.text, "");
    EXPECT_FALSE(s.choked);
    EXPECT_FALSE(s.warning);
    EXPECT_FALSE(s.focus);
}

TEST_F(CalculatorModel, WithNoGasChosenNothingIsCalculated) {
    type(CalculatorBox::InletPressure, "100");
    type(CalculatorBox::OutletPressure, "0");
    model.chooseMode(FlowMode::Cv);
    model.chooseMode(FlowMode::MassFlow);
    EXPECT_EQ(s().massFlowResult.writes, 0u);
    EXPECT_EQ(s().cvResult.writes, 0u);
    EXPECT_EQ(s().massFlowResult.text, "");
}

TEST_F(CalculatorModel, ChoosingAGasGivesItsValuesAndXtFromK) {
    struct Case {
        const char* gas;
        const char* specificGravity;
        const char* k;
        const char* xt;
    };
    for (const Case c : {Case{"Air", "1", "1.4", "0.472"}, Case{"Carbon Dioxide", "1.52", "1.3", "0.455"},
                         Case{"Argon", "1.38", "1.667", "0.513"}, Case{"Butane", "2.007", "1.1", "0.416"}}) {
        choose(c.gas);
        EXPECT_EQ(s().specificGravity, c.specificGravity) << c.gas;
        EXPECT_EQ(s().specificHeat, c.k) << c.gas;
        EXPECT_EQ(s().box(CalculatorBox::XtFactor), c.xt) << c.gas;
        EXPECT_EQ(s().gases[std::size_t(s().chosenGas)].name, c.gas);
    }
    EXPECT_EQ(s().massFlowResult.text, "");  // no pressures yet, no result
    EXPECT_FALSE(s().warning);
}

TEST_F(CalculatorModel, AKThatGivesNoXtLeavesTheXtThereIs) {
    workedExample();
    ASSERT_EQ(s().box(CalculatorBox::XtFactor), "0.472");
    ASSERT_EQ(s().massFlowResult.text, "1922.9");

    choose("No k");
    EXPECT_EQ(s().specificGravity, "1.2");
    EXPECT_EQ(s().specificHeat, "");
    EXPECT_EQ(s().box(CalculatorBox::XtFactor), "0.472");
    EXPECT_EQ(s().massFlowResult.text, "1755.3");
    for (const char* gas : {"Isothermal", "Odd"}) {
        choose(gas);
        EXPECT_EQ(s().box(CalculatorBox::XtFactor), "0.472") << gas;
    }

    choose("No gravity");  // no specific gravity, no calculation
    EXPECT_EQ(s().specificGravity, "");
    EXPECT_EQ(s().box(CalculatorBox::XtFactor), "0.455");
    EXPECT_EQ(s().massFlowResult.text, "1922.9");
    EXPECT_FALSE(s().warning);
}

TEST_F(CalculatorModel, OfTwoGasesWithOneNameTheFirstGivesTheValues) {
    model.setGases({{"Air", "1", "1.4"}, {"Argon", "1.38", "1.667"}, {"Air", "2", "1.3"}});
    model.chooseGas(2);
    EXPECT_EQ(s().chosenGas, 2);
    EXPECT_EQ(s().specificGravity, "1");
    EXPECT_EQ(s().specificHeat, "1.4");
    EXPECT_EQ(s().box(CalculatorBox::XtFactor), "0.472");
}

TEST_F(CalculatorModel, FillingTheListAgainLeavesNoGasChosenAndCalculatesNothing) {
    workedExample();
    const unsigned before = writes();
    model.setGases(kGases);
    EXPECT_EQ(s().chosenGas, -1);
    EXPECT_EQ(s().specificGravity, "");
    EXPECT_EQ(s().specificHeat, "1.4");
    EXPECT_EQ(s().box(CalculatorBox::XtFactor), "0.472");
    EXPECT_EQ(s().massFlowResult.text, "1922.9");
    EXPECT_EQ(writes(), before);
}

TEST_F(CalculatorModel, WorkedExampleAndBackInCvMode) {
    workedExample();
    EXPECT_EQ(s().box(CalculatorBox::MassFlow), "1922.9");
    EXPECT_EQ(s().massFlowResult.text, "1922.9");
    EXPECT_TRUE(s().choked);

    model.chooseMode(FlowMode::Cv);
    EXPECT_EQ(s().box(CalculatorBox::Cv), "0.999");
    EXPECT_EQ(s().cvResult.text, "0.999");
    EXPECT_TRUE(s().choked);

    model.chooseMode(FlowMode::MassFlow);  // Cv 0.999 now gives the flow
    EXPECT_EQ(s().massFlowResult.text, "1921");
    EXPECT_FALSE(s().warning);
}

TEST_F(CalculatorModel, EachModeShowsItsResultInPlaceOfItsBox) {
    struct Shown {
        bool massFlowResult, cvResult, massFlowBox, cvBox;
        bool operator==(const Shown&) const = default;
    };
    const auto shown = [this] {
        return Shown{s().resultShown(FlowMode::MassFlow), s().resultShown(FlowMode::Cv),
                     s().shown(CalculatorBox::MassFlow), s().shown(CalculatorBox::Cv)};
    };
    EXPECT_EQ(shown(), (Shown{true, false, false, true}));
    model.chooseMode(FlowMode::Cv);
    EXPECT_EQ(shown(), (Shown{false, true, true, false}));
    model.chooseMode(FlowMode::MassFlow);
    EXPECT_EQ(shown(), (Shown{true, false, false, true}));
    for (const CalculatorBox box :
         {CalculatorBox::Temperature, CalculatorBox::InletPressure, CalculatorBox::OutletPressure})
        EXPECT_TRUE(s().shown(box));
    EXPECT_FALSE(s().shown(CalculatorBox::XtFactor));
}

TEST_F(CalculatorModel, ChoosingTheModeThereIsChangesNothing) {
    workedExample();
    const CalculatorState before = s();
    EXPECT_TRUE(model.chooseMode(FlowMode::MassFlow) == before);
    EXPECT_TRUE(model.chooseMode(FlowMode::None) == before);
}

// Writing the result into the hidden flow box checks that box and calculates once more; that
// run writes the same text, which is no change, and so the repetition ends.
TEST_F(CalculatorModel, TheResultBoxCalculatesOnceMoreAndTheRepetitionEnds) {
    type(CalculatorBox::InletPressure, "100");
    type(CalculatorBox::OutletPressure, "0");
    ASSERT_EQ(writes(), 0u);
    // Xt 0.472 from k calculates (and the flow box it writes once more); then the choice itself.
    choose("Air");
    EXPECT_EQ(writes(), 3u);
    EXPECT_EQ(s().box(CalculatorBox::MassFlow), "1922.9");
    // Xt and the flow stay as they are: the choice's own calculation alone.
    choose("Air");
    EXPECT_EQ(writes(), 4u);
    // A new Cv, a new flow written: twice again.
    type(CalculatorBox::Cv, "2");
    EXPECT_EQ(writes(), 6u);
    EXPECT_EQ(s().massFlowResult.text, "3845.8");
}

TEST_F(CalculatorModel, TheSameGasTwiceGivesTheSameFieldsAndResult) {
    workedExample();
    const CalculatorState first = s();
    choose("Argon");
    choose("Air");
    choose("Air");
    EXPECT_EQ(s().specificGravity, first.specificGravity);
    EXPECT_EQ(s().box(CalculatorBox::XtFactor), first.box(CalculatorBox::XtFactor));
    EXPECT_EQ(s().massFlowResult.text, first.massFlowResult.text);
}

TEST_F(CalculatorModel, TypingMinus14Point7KeyByKey) {
    workedExample();
    type(CalculatorBox::InletPressure, "");
    struct Step {
        const char* text;
        bool calculates;
    };
    for (const Step step :
         {Step{"-", false}, Step{"-1", true}, Step{"-14", true}, Step{"-14.", true}, Step{"-14.7", true}}) {
        const unsigned before = writes();
        type(CalculatorBox::InletPressure, step.text);
        EXPECT_EQ(s().box(CalculatorBox::InletPressure), step.text);
        EXPECT_EQ(writes() != before, step.calculates) << step.text;
        EXPECT_FALSE(s().warning) << step.text;
    }
    // -14.7 psig is no pressure: no flow, no indicator.
    EXPECT_EQ(s().massFlowResult.text, "");
    EXPECT_EQ(s().box(CalculatorBox::MassFlow), "");
    EXPECT_FALSE(s().choked);
}

// Each refusal warns with its box's prompt and title, puts the box back to its reset text and
// asks for the focus on it when it is shown; the refused text itself calculates nothing.
TEST_F(CalculatorModel, RefusalsWarnResetTheBoxAndFocusIt) {
    struct Case {
        FlowMode mode;
        CalculatorBox box;
        const char* text;
        CalculatorWarning warning;
        bool focused;
    };
    const Case cases[] = {
        {FlowMode::MassFlow, CalculatorBox::Temperature, "-460", kTemperatureWarning, true},
        {FlowMode::MassFlow, CalculatorBox::Temperature, "12abc", kTemperatureWarning, true},
        {FlowMode::MassFlow, CalculatorBox::InletPressure, "-15", kPressureWarning, true},
        {FlowMode::MassFlow, CalculatorBox::OutletPressure, "-15", kPressureWarning, true},
        {FlowMode::MassFlow, CalculatorBox::Cv, "-", kCvWarning, true},
        {FlowMode::MassFlow, CalculatorBox::MassFlow, "-1", kFlowWarning, false},  // hidden: the result
        {FlowMode::Cv, CalculatorBox::MassFlow, "-", kFlowWarning, true},
        {FlowMode::Cv, CalculatorBox::Cv, "-1", kCvWarning, false},
    };
    for (const Case& c : cases) {
        Calculator m;
        m.setGases(kGases);
        m.type(CalculatorBox::InletPressure, "100");
        m.type(CalculatorBox::OutletPressure, "0");
        m.chooseGas(0);
        m.chooseMode(c.mode);
        const tarvek::ShownResult result = m.state().result(c.mode);
        ASSERT_NE(result.text, "");

        const CalculatorState& s = m.type(c.box, c.text);
        EXPECT_EQ(s.warning, c.warning) << c.text;
        EXPECT_EQ(s.box(c.box), "") << c.text;
        EXPECT_EQ(s.focus, c.focused ? std::optional(c.box) : std::nullopt) << c.text;
        EXPECT_EQ(s.result(c.mode), result) << c.text;
    }
}

TEST_F(CalculatorModel, XtReturnsTo047WhichIsAcceptedAndCalculates) {
    workedExample();
    type(CalculatorBox::XtFactor, "1.5");
    EXPECT_EQ(s().warning, kXtWarning);
    EXPECT_EQ(s().box(CalculatorBox::XtFactor), "0.47");
    EXPECT_EQ(s().massFlowResult.text, "1920.1");  // choked at Xt 0.47
    EXPECT_FALSE(s().focus);                       // the Xt box is never shown

    for (const char* accepted : {"0", "1", "-2"}) {
        type(CalculatorBox::XtFactor, accepted);
        EXPECT_FALSE(s().warning) << accepted;
    }
}

TEST_F(CalculatorModel, AWarningBelongsToTheEventThatRefused) {
    type(CalculatorBox::InletPressure, "-15");
    ASSERT_TRUE(s().warning);
    type(CalculatorBox::InletPressure, "1");
    EXPECT_FALSE(s().warning);
    EXPECT_FALSE(s().focus);
}

TEST_F(CalculatorModel, PartialEntriesStandUnchecked) {
    workedExample();
    const unsigned before = writes();
    for (const char* partial : {"", "-", ".", "-."}) {
        type(CalculatorBox::Temperature, partial);
        EXPECT_FALSE(s().warning) << partial;
        EXPECT_EQ(writes(), before) << partial;
    }
    type(CalculatorBox::Temperature, "70");
    for (const char* partial : {"", "."}) {
        const unsigned calculated = writes();
        type(CalculatorBox::Cv, partial);
        EXPECT_FALSE(s().warning) << partial;
        EXPECT_EQ(writes(), calculated) << partial;
    }
    type(CalculatorBox::Cv, ".5");
    EXPECT_EQ(s().massFlowResult.text, "961.4");
    type(CalculatorBox::Cv, "0");
    EXPECT_EQ(s().massFlowResult.text, "0");
    EXPECT_FALSE(s().warning);
}

// Choked from the point where the pressure ratio reaches Xt: 14.7 psig to atmosphere is 29.4
// to 14.7 psia, a ratio of exactly 0.5. At Xt 0.5 the choked outlet (1 - Xt) x P1 is the outlet
// itself, so only the indicator tells the two sides apart (Cv 1, air at 70 F:
// 454.47 x sqrt(29.4^2 - 14.7^2) / sqrt(530) = 502.63).
TEST_F(CalculatorModel, ChokedExactlyWhereThePressureRatioReachesXt) {
    type(CalculatorBox::InletPressure, "14.7");
    type(CalculatorBox::OutletPressure, "0");
    choose("Air");
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"0.5", true, "502.6"},
        {"0.5001", false, "502.6"},
        {"0.4999", true, "502.5"},  // choked outlet 0.5001 x 29.4 psia
    };
    for (const auto& [xt, choked, flow] : cases) {
        type(CalculatorBox::XtFactor, xt);
        EXPECT_EQ(s().choked, choked) << "Xt " << xt;
        EXPECT_EQ(s().massFlowResult.text, flow) << "Xt " << xt;
    }
}

// Zero is within the bound of every box: accepted without a warning, and calculated. From air
// at 70 F, 100 psig to 10 psig through Cv 1.0 (choked at Xt 0.472: 1922.9 slm).
TEST_F(CalculatorModel, ZeroInEachBoxIsAcceptedAndCalculated) {
    struct Case {
        FlowMode mode;
        CalculatorBox box;
        const char* result;
        bool choked;
    };
    const Case cases[] = {
        {FlowMode::MassFlow, CalculatorBox::Temperature, "2064", true},  // 460 R: 1922.93 x sqrt(530 / 460)
        {FlowMode::MassFlow, CalculatorBox::InletPressure, "", false},   // below the outlet: no flow
        {FlowMode::MassFlow, CalculatorBox::OutletPressure, "1922.9", true},
        {FlowMode::MassFlow, CalculatorBox::Cv, "0", true},
        {FlowMode::MassFlow, CalculatorBox::XtFactor, "101.2", true},  // Xt 0.001: 114.7 x sqrt(0.001999)
        {FlowMode::Cv, CalculatorBox::MassFlow, "0", true},
    };
    for (const Case& c : cases) {
        Calculator m;
        m.setGases(kGases);
        m.type(CalculatorBox::InletPressure, "100");
        m.type(CalculatorBox::OutletPressure, "10");
        m.chooseGas(0);
        m.chooseMode(c.mode);
        const unsigned before = m.state().result(c.mode).writes;
        const CalculatorState& after = m.type(c.box, "0");
        EXPECT_FALSE(after.warning) << int(c.box);
        EXPECT_EQ(after.box(c.box), "0") << int(c.box);
        EXPECT_GT(after.result(c.mode).writes, before) << int(c.box);
        EXPECT_EQ(after.result(c.mode).text, c.result) << int(c.box);
        EXPECT_EQ(after.choked, c.choked) << int(c.box);
    }
}

TEST_F(CalculatorModel, ClearingABoxCalculatesNothing) {
    workedExample();
    type(CalculatorBox::Temperature, "");
    type(CalculatorBox::Cv, "");
    EXPECT_EQ(s().massFlowResult.text, "1922.9");
    type(CalculatorBox::Cv, "2");  // the temperature is missing
    EXPECT_EQ(s().massFlowResult.text, "1922.9");
    type(CalculatorBox::Temperature, "70");
    EXPECT_EQ(s().massFlowResult.text, "3845.8");
}

TEST_F(CalculatorModel, NoFlowClearsTheResultAndTheChokedIndicator) {
    workedExample();
    ASSERT_TRUE(s().choked);
    type(CalculatorBox::OutletPressure, "100");
    EXPECT_EQ(s().massFlowResult.text, "");
    EXPECT_EQ(s().box(CalculatorBox::MassFlow), "");
    EXPECT_FALSE(s().choked);

    type(CalculatorBox::OutletPressure, "0");
    model.chooseMode(FlowMode::Cv);
    ASSERT_EQ(s().cvResult.text, "0.999");
    ASSERT_TRUE(s().choked);
    type(CalculatorBox::InletPressure, "-5");
    EXPECT_EQ(s().cvResult.text, "");
    EXPECT_EQ(s().box(CalculatorBox::Cv), "");
    EXPECT_FALSE(s().choked);
}

TEST_F(CalculatorModel, AResultBeyondSinglePrecisionIsNotWritten) {
    workedExample();
    type(CalculatorBox::Cv, "1e300");
    EXPECT_EQ(s().massFlowResult.text, "");
    EXPECT_EQ(s().box(CalculatorBox::MassFlow), "");
    EXPECT_FALSE(s().choked);
    EXPECT_FALSE(s().warning);
}

}  // namespace
