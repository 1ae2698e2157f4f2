// The calculator's sizing by the standard as a user meets it: the method chosen beside the
// catalogue's formula (which stays exactly as it was), its own boxes and their checks, the
// unknown solved for, the units converted, and the Cv a search for valves would ask for.
// Expected flows are hand-computed from the standard's turbulent equation (N8 = 19.3).
#include <gtest/gtest.h>

#include <algorithm>

#include "rules/calculator/calculator.h"
#include "rules/calculator/cv_needed.h"
#include "rules/numbers/number_text.h"

namespace {

using tarvek::CalculationMethod;
using tarvek::Calculator;
using tarvek::CalculatorBox;
using tarvek::CalculatorState;
using tarvek::CalculatorWarning;
using tarvek::FlowMode;
using tarvek::FlowUnit;
using tarvek::GasRecord;
using tarvek::IecGap;
using tarvek::PressureUnit;
using tarvek::SizingBox;
using tarvek::SizingInput;
using tarvek::SizingUnknown;
using tarvek::TemperatureUnit;

const std::vector<GasRecord> kGases = {
    {"Air", "1", "1.4"}, {"Nitrogen", "0.967", "1.4"}, {"No k", "1.2", ""}};

class CalculatorSizing : public ::testing::Test {
  protected:
    CalculatorSizing() { model.setGases(kGases); }

    const CalculatorState& s() const { return model.state(); }
    const std::string& box(SizingBox b) const { return s().sizing.box(b); }
    void choose(std::string_view gas) {
        const auto found = std::find_if(s().gases.begin(), s().gases.end(),
                                        [&](const GasRecord& g) { return g.name == gas; });
        model.chooseGas(int(found - s().gases.begin()));
    }
    // The case in the catalogue's boxes: nitrogen at 70 F, 100 to 80 psig, Cv 0.23.
    void nitrogenInTheCatalogue() {
        model.type(CalculatorBox::InletPressure, "100");
        model.type(CalculatorBox::OutletPressure, "80");
        model.type(CalculatorBox::Cv, "0.23");
        choose("Nitrogen");
    }

    Calculator model;
};

TEST(CalculatorSizingStart, TheCataloguesMethodAndTheSizingsOwnBoxes) {
    const Calculator model;
    const CalculatorState& s = model.state();
    EXPECT_EQ(s.method, CalculationMethod::Catalogue);
    EXPECT_EQ(s.sizing.unknown, SizingUnknown::Flow);
    EXPECT_EQ(s.sizing.units.pressure, PressureUnit::Psig);
    EXPECT_EQ(s.sizing.units.temperature, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(s.sizing.units.flow, FlowUnit::Slm);
    EXPECT_EQ(s.sizing.boxes, (std::array<std::string, 11>{"", "", "", "", "", "0.5", "1", "", "", "", ""}));
    EXPECT_EQ(s.sizing.calculations, 0u);
}

// The same case sized both ways: the catalogue's fields stay exactly as they were.
TEST_F(CalculatorSizing, ChoosingTheStandardTakesTheCataloguesCaseAndLeavesTheCatalogueAlone) {
    nitrogenInTheCatalogue();
    EXPECT_EQ(s().massFlowResult.text, "298.8");
    const CalculatorState catalogue = s();

    model.chooseMethod(CalculationMethod::Iec);
    EXPECT_EQ(s().method, CalculationMethod::Iec);
    EXPECT_EQ(box(SizingBox::Temperature), "70");
    EXPECT_EQ(box(SizingBox::InletPressure), "100");
    EXPECT_EQ(box(SizingBox::OutletPressure), "80");
    EXPECT_EQ(box(SizingBox::Cv), "0.23");
    EXPECT_EQ(box(SizingBox::Flow), "276.2");  // 276.22 slm, hand-computed
    ASSERT_TRUE(s().sizing.outcome.ok());
    EXPECT_FALSE(s().sizing.outcome.sizing->choked);
    EXPECT_NEAR(s().sizing.outcome.sizing->y, 0.88375, 1e-5);

    CalculatorState unchanged = s();
    unchanged.method = catalogue.method;
    unchanged.sizing = catalogue.sizing;
    EXPECT_EQ(unchanged, catalogue);

    // Back to the catalogue: nothing of it runs again; the sizing keeps its boxes.
    model.chooseMethod(CalculationMethod::Catalogue);
    EXPECT_EQ(s().massFlowResult, catalogue.massFlowResult);
    EXPECT_EQ(s().boxes, catalogue.boxes);
    EXPECT_EQ(box(SizingBox::Flow), "276.2");
    // Typed over, the sizing's boxes are not taken from the catalogue a second time.
    model.type(CalculatorBox::Cv, "1");
    model.chooseMethod(CalculationMethod::Iec);
    EXPECT_EQ(box(SizingBox::Cv), "0.23");
}

TEST_F(CalculatorSizing, InCvModeTheStandardSolvesForCv) {
    nitrogenInTheCatalogue();
    model.chooseMode(FlowMode::Cv);  // the catalogue's flow 298.8 slm needs Cv 0.229
    model.chooseMethod(CalculationMethod::Iec);
    EXPECT_EQ(s().sizing.unknown, SizingUnknown::Cv);
    EXPECT_EQ(box(SizingBox::Flow), "298.8");
    EXPECT_EQ(box(SizingBox::Cv), "0.2488");  // 0.23 x 298.8 / 276.22
}

TEST_F(CalculatorSizing, EachUnknownFromTheOtherTwo) {
    nitrogenInTheCatalogue();
    model.chooseMethod(CalculationMethod::Iec);
    model.chooseUnknown(SizingUnknown::Cv);
    EXPECT_EQ(box(SizingBox::Cv), "0.23");  // 0.229992 from the flow as shown, 276.2
    model.typeSizing(SizingBox::Flow, "552.4");
    EXPECT_EQ(box(SizingBox::Cv), "0.46");
    model.typeSizing(SizingBox::Cv, "7");  // the unknown's box is the calculation's
    EXPECT_EQ(box(SizingBox::Cv), "0.46");

    model.chooseUnknown(SizingUnknown::OutletPressure);
    model.typeSizing(SizingBox::Flow, "276.2");
    ASSERT_TRUE(s().sizing.outcome.ok());
    EXPECT_EQ(box(SizingBox::OutletPressure), "95.9");  // Cv 0.46 now: 95.903 psig
    model.typeSizing(SizingBox::Cv, "0.23");
    EXPECT_NEAR(tarvek::leadingNumber(box(SizingBox::OutletPressure)), 80, 0.05);
    // More than the choked flow of 352.8 slm passes at no outlet pressure.
    model.typeSizing(SizingBox::Flow, "400");
    EXPECT_EQ(s().sizing.outcome.gap, IecGap::AboveMostFlow);
    EXPECT_EQ(box(SizingBox::OutletPressure), "");
    EXPECT_EQ(tarvek::cvNeeded(s()), std::nullopt);
}

TEST_F(CalculatorSizing, UnitsConvertTheBoxesAndTheResultFollows) {
    nitrogenInTheCatalogue();
    model.chooseMethod(CalculationMethod::Iec);
    model.choosePressureUnit(PressureUnit::BarGauge);
    EXPECT_EQ(box(SizingBox::InletPressure), "6.89476");
    EXPECT_EQ(box(SizingBox::OutletPressure), "5.51581");
    EXPECT_EQ(box(SizingBox::Flow), "276.2");
    model.choosePressureUnit(PressureUnit::KilopascalGauge);
    EXPECT_EQ(box(SizingBox::InletPressure), "689.476");
    model.choosePressureUnit(PressureUnit::Psig);
    EXPECT_EQ(box(SizingBox::InletPressure), "100");
    EXPECT_EQ(box(SizingBox::OutletPressure), "80");

    model.chooseTemperatureUnit(TemperatureUnit::Celsius);
    EXPECT_EQ(box(SizingBox::Temperature), "21.1111");
    EXPECT_EQ(box(SizingBox::Flow), "276.2");

    struct Case {
        FlowUnit unit;
        const char* flow;  // 276.22 slm of nitrogen, hand-converted
    };
    for (const Case c : {Case{FlowUnit::Scfh, "585.3"}, Case{FlowUnit::NormalCubicMetresPerHour, "15.68"},
                         Case{FlowUnit::StandardCubicMetresPerHour, "16.55"},
                         Case{FlowUnit::KilogramsPerHour, "19.6"}, Case{FlowUnit::Slm, "276.2"}}) {
        model.chooseFlowUnit(c.unit);
        EXPECT_EQ(box(SizingBox::Flow), c.flow) << tarvek::unitText(c.unit);
    }
    // A typed flow converts too.
    model.chooseUnknown(SizingUnknown::Cv);
    model.typeSizing(SizingBox::Flow, "1000");
    model.chooseFlowUnit(FlowUnit::Scfh);
    EXPECT_EQ(box(SizingBox::Flow), "2118.88");
}

TEST_F(CalculatorSizing, BoxesAreCheckedAsTheCataloguesAre) {
    nitrogenInTheCatalogue();
    model.chooseMethod(CalculationMethod::Iec);
    struct Case {
        SizingBox box;
        const char* text;
        CalculatorWarning warning;
        const char* reset;
    };
    for (const Case& c : {
             Case{SizingBox::Temperature,
                  "-460",
                  {"Number must be greater than -459.67", "Invalid Temperature Value"},
                  ""},
             Case{SizingBox::InletPressure,
                  "-15",
                  {"Number must be greater than or equal to -14.696", "Invalid Pressure Value"},
                  ""},
             Case{SizingBox::OutletPressure,
                  "12abc",
                  {"Number must be greater than or equal to -14.696", "Invalid Pressure Value"},
                  ""},
             Case{SizingBox::Cv, "-", {"Number must be greater than or equal to 0", "Invalid Cv Value"}, ""},
             Case{SizingBox::Xt,
                  "1.5",
                  {"Number must be greater than or equal to 0 and less than or equal to 1",
                   "Invalid xT Value"},
                  "0.5"},
             Case{SizingBox::Compressibility,
                  "-1",
                  {"Number must be greater than or equal to 0", "Invalid Compressibility Value"},
                  "1"},
             Case{SizingBox::Viscosity,
                  "-0.02",
                  {"Number must be greater than or equal to 0", "Invalid Viscosity Value"},
                  ""},
             Case{SizingBox::InletDiameter,
                  "x",
                  {"Number must be greater than or equal to 0", "Invalid Diameter Value"},
                  ""},
             Case{SizingBox::Fd,
                  "2",
                  {"Number must be greater than or equal to 0 and less than or equal to 1",
                   "Invalid Fd Value"},
                  ""},
             Case{SizingBox::Fl,
                  "1.01",
                  {"Number must be greater than or equal to 0 and less than or equal to 1",
                   "Invalid FL Value"},
                  ""},
         }) {
        const unsigned calculations = s().sizing.calculations;
        model.typeSizing(c.box, c.text);
        ASSERT_TRUE(s().warning) << c.text;
        EXPECT_EQ(*s().warning, c.warning) << c.text;
        EXPECT_EQ(box(c.box), c.reset) << c.text;
        EXPECT_EQ(s().sizingFocus, c.box) << c.text;
        EXPECT_FALSE(s().focus);
        // A reset text that is a number calculates once; an emptied box does not.
        EXPECT_EQ(s().sizing.calculations, calculations + (*c.reset ? 1u : 0u)) << c.text;
        model.typeSizing(c.box, "");
        EXPECT_FALSE(s().warning);  // a warning belongs to the event that refused
    }
    // The bounds follow the unit.
    model.chooseTemperatureUnit(TemperatureUnit::Celsius);
    model.typeSizing(SizingBox::Temperature, "-274");
    ASSERT_TRUE(s().warning);
    EXPECT_EQ(s().warning->prompt, "Number must be greater than -273.15");
    model.typeSizing(SizingBox::Temperature, "-273");
    EXPECT_FALSE(s().warning);
    model.choosePressureUnit(PressureUnit::BarGauge);
    model.typeSizing(SizingBox::InletPressure, "-1.1");
    ASSERT_TRUE(s().warning);
    EXPECT_EQ(s().warning->prompt, "Number must be greater than or equal to -1.01325");
    model.choosePressureUnit(PressureUnit::KilopascalGauge);
    model.typeSizing(SizingBox::InletPressure, "-101.326");
    ASSERT_TRUE(s().warning);
    EXPECT_EQ(s().warning->prompt, "Number must be greater than or equal to -101.325");
}

// Typed key by key: partial entries stand unchecked, each number calculates. As in the
// catalogue's boxes, clearing a box calculates nothing: the next calculation finds it missing.
TEST_F(CalculatorSizing, TypingKeyByKey) {
    nitrogenInTheCatalogue();
    model.chooseMethod(CalculationMethod::Iec);
    const unsigned start = s().sizing.calculations;
    model.typeSizing(SizingBox::InletPressure, "");
    EXPECT_EQ(s().sizing.calculations, start);
    EXPECT_EQ(box(SizingBox::Flow), "276.2");
    model.chooseUnknown(SizingUnknown::Flow);  // the unknown already: no calculation either
    model.typeSizing(SizingBox::Temperature, "70.0");
    EXPECT_EQ(s().sizing.outcome.missing, (std::vector<SizingInput>{SizingInput::InletPressure}));
    EXPECT_EQ(box(SizingBox::Flow), "");
    for (const char* text : {"-", "-1", "-14", "-14.", "-14.6"})
        model.typeSizing(SizingBox::InletPressure, text);
    EXPECT_EQ(s().sizing.calculations, start + 5);
    EXPECT_EQ(s().sizing.outcome.gap, IecGap::NoPressureDrop);
    for (const char* text : {"1", "10", "100"}) model.typeSizing(SizingBox::InletPressure, text);
    EXPECT_EQ(box(SizingBox::Flow), "276.2");
    EXPECT_FALSE(s().warning);
}

// Zero and absurd values pass a box but give no result, with the reason; never inf or nan.
TEST_F(CalculatorSizing, NoResultWithItsReason) {
    nitrogenInTheCatalogue();
    model.chooseMethod(CalculationMethod::Iec);
    struct Case {
        SizingBox box;
        const char* text;
        IecGap gap;
    };
    for (const Case c :
         {Case{SizingBox::Xt, "0", IecGap::BadXt}, Case{SizingBox::Compressibility, "0", IecGap::BadZ},
          Case{SizingBox::InletPressure, "-14.696", IecGap::NoInletPressure},
          Case{SizingBox::OutletPressure, "-14.696", IecGap::VacuumOutlet},
          Case{SizingBox::OutletPressure, "100", IecGap::NoPressureDrop},
          Case{SizingBox::InletPressure, "1e308", IecGap::OutOfRange},
          Case{SizingBox::Cv, "1e308", IecGap::OutOfRange}}) {
        model.typeSizing(c.box, c.text);
        EXPECT_FALSE(s().warning) << c.text;
        EXPECT_EQ(s().sizing.outcome.gap, c.gap) << c.text;
        EXPECT_EQ(box(SizingBox::Flow), "") << c.text;
        model.typeSizing(c.box, tarvek::sizingStartTexts()[std::size_t(c.box)].empty()
                                    ? (c.box == SizingBox::InletPressure ? "100"
                                       : c.box == SizingBox::Cv          ? "0.23"
                                                                         : "80")
                                    : tarvek::sizingStartTexts()[std::size_t(c.box)]);
        EXPECT_EQ(box(SizingBox::Flow), "276.2") << c.text;
    }
}

TEST_F(CalculatorSizing, MissingInputsAndTheReynoldsNumbersFourBoxes) {
    model.chooseMethod(CalculationMethod::Iec);
    EXPECT_EQ(s().sizing.outcome.missing,
              (std::vector<SizingInput>{SizingInput::Gas, SizingInput::SpecificHeat,
                                        SizingInput::InletPressure, SizingInput::OutletPressure}));
    choose("No k");
    EXPECT_EQ(s().sizing.outcome.missing.front(), SizingInput::SpecificHeat);
    choose("Nitrogen");  // a gas recalculates the sizing too
    model.typeSizing(SizingBox::InletPressure, "100");
    model.typeSizing(SizingBox::OutletPressure, "80");
    EXPECT_EQ(box(SizingBox::Flow), "1201");  // the catalogue's Cv 1.0: 1200.96 slm
    model.typeSizing(SizingBox::Viscosity, "0.0176");
    EXPECT_EQ(s().sizing.outcome.missing,
              (std::vector<SizingInput>{SizingInput::InletDiameter, SizingInput::Fd, SizingInput::Fl}));
    EXPECT_EQ(box(SizingBox::Flow), "");
    model.typeSizing(SizingBox::InletDiameter, "4.6");
    model.typeSizing(SizingBox::Fd, "0.46");
    model.typeSizing(SizingBox::Fl, "0.9");
    ASSERT_TRUE(s().sizing.outcome.ok());
    EXPECT_TRUE(s().sizing.outcome.sizing->turbulent);  // Rev in the hundred thousands
    ASSERT_TRUE(s().sizing.outcome.sizing->reynoldsNumber);
    EXPECT_GT(*s().sizing.outcome.sizing->reynoldsNumber, 1e5);
}

TEST_F(CalculatorSizing, TheCvNeededByTheMethodChosen) {
    EXPECT_EQ(tarvek::cvNeeded(s()), std::nullopt);
    nitrogenInTheCatalogue();
    // Mass-flow mode: the Cv the flow shown needs, as Cv mode gives it.
    ASSERT_TRUE(tarvek::cvNeeded(s()));
    EXPECT_DOUBLE_EQ(*tarvek::cvNeeded(s()), 0.229);
    model.chooseMode(FlowMode::Cv);
    EXPECT_EQ(s().cvResult.text, "0.229");
    EXPECT_DOUBLE_EQ(*tarvek::cvNeeded(s()), 0.229);
    model.chooseMode(FlowMode::MassFlow);
    model.chooseMethod(CalculationMethod::Iec);  // by the standard the flow is less: more Cv
    model.chooseUnknown(SizingUnknown::Cv);
    model.typeSizing(SizingBox::Flow, "298.8");
    ASSERT_TRUE(tarvek::cvNeeded(s()));
    EXPECT_NEAR(*tarvek::cvNeeded(s()), 0.2488, 0.0001);
    model.typeSizing(SizingBox::Xt, "0");
    EXPECT_EQ(s().sizing.outcome.gap, IecGap::BadXt);
    EXPECT_EQ(tarvek::cvNeeded(s()), std::nullopt);
}

}  // namespace
