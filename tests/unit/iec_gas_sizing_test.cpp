// Gas sizing by the standard: its worked examples for gases, the catalogue's formula beside
// it as the issue compares them, the properties every answer has, and what gives no answer.
#include "rules/calculator/iec_gas_sizing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "rules/calculator/choked_flow_ratio.h"
#include "rules/calculator/flow_calculation.h"
#include "rules/numbers/number_text.h"

namespace {

using tarvek::IecCase;
using tarvek::IecGap;
using tarvek::IecOutcome;
using tarvek::ReynoldsInputs;

constexpr double kKvPerCv = 0.865;

void expectWithin(double actual, double expected, double fraction, const char* what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * fraction) << what;
}

// The standard's example of a compressible, non-choked flow without attached fittings:
// carbon dioxide, M 44.01, T1 433 K, k 1.30, Z 0.988, 680 to 310 kPa abs, 3800 m³/h at
// 101.325 kPa and 0 °C, a rotary valve of xT 0.60. The annex gives Fγ 0.929, x 0.544,
// Y 0.674, not choked (Fγ xT 0.557), and Kv 62.7 m³/h.
// Typed in US units: 680 and 310 kPa are 98.625662 and 44.961699 psia, 433 K is 779.4 °R,
// and 3800 m³/h at 1.963508 kg/m³ are 7461.329 kg/h, 16449.415 lb/h.
TEST(IecGasSizing, TheStandardsCarbonDioxideExample) {
    const IecCase co2{{44.01 / 28.96, 1.30, 0.988, 779.4}, 0.60, std::nullopt, 98.625662, 44.961699};
    const IecOutcome sized = tarvek::iecCv(co2, 16449.415);
    ASSERT_TRUE(sized.ok()) << tarvek::gapReason(sized.gap);
    expectWithin(sized.sizing->fGamma, 0.929, 0.005, "Fγ");
    expectWithin(sized.sizing->x, 0.544, 0.005, "x");
    expectWithin(sized.sizing->xChoked, 0.557, 0.005, "Fγ xT");
    expectWithin(sized.sizing->y, 0.674, 0.005, "Y");
    EXPECT_FALSE(sized.sizing->choked);
    EXPECT_TRUE(sized.sizing->turbulent);
    expectWithin(sized.sizing->cv * kKvPerCv, 62.7, 0.005, "Kv");

    // The same valve passes the same flow back.
    const IecOutcome flow = tarvek::iecFlow(co2, sized.sizing->cv);
    ASSERT_TRUE(flow.ok());
    expectWithin(flow.sizing->massFlow, 16449.415, 1e-12, "flow");
}

// The standard's example of a small-flow trim sized for gas: argon, M 39.95, T1 320 K,
// k 1.67, 2.8 to 1.3 bar abs, 0.46 m³/h at 1.01325 bar and 15 °C, kinematic viscosity
// 1.338e-5 m²/s (at those conditions), a needle valve with FL 0.98, xT 0.8, a 5 mm port
// and a 15 mm inlet, Fd = N19 √(C FL) / Do. The annex finds a valve Reynolds number of 1202:
// not turbulent. By its steps FR comes to 0.715 and C = C(FR 1) / FR to 0.0184 (worked
// by hand with its constants: C at FR 1 is 0.01319, n2 = 1 + N32 (C / d²)^⅔ is 1.24).
// Typed in US units: 40.610567 and 18.854906 psia, 576 °R; 0.46 m³/h at 1.689587 kg/m³ are
// 1.713455 lb/h, and the viscosity is 1.338e-5 x 1.689587 Pa s, 0.0226067 cP; Fd at that C
// is 2.3 √(0.0184 x 0.98) / 5 = 0.0618.
TEST(IecGasSizing, TheStandardsSmallFlowArgonExample) {
    const IecCase argon{{39.95 / 28.96, 1.67, 1, 576},
                        0.8,
                        ReynoldsInputs{0.0226067, 15, 0.0618, 0.98},
                        40.610567,
                        18.854906};
    const IecOutcome sized = tarvek::iecCv(argon, 1.713455);
    ASSERT_TRUE(sized.ok()) << tarvek::gapReason(sized.gap);
    EXPECT_FALSE(sized.sizing->turbulent);
    ASSERT_TRUE(sized.sizing->reynoldsNumber);
    expectWithin(*sized.sizing->reynoldsNumber, 1202, 0.005, "Rev");
    expectWithin(sized.sizing->fr, 0.715, 0.005, "FR");
    expectWithin(sized.sizing->cv, 0.0184, 0.005, "C");

    // The flow of that Cv is the example's flow again, through the same factor.
    const IecOutcome flow = tarvek::iecFlow(argon, sized.sizing->cv);
    ASSERT_TRUE(flow.ok());
    EXPECT_FALSE(flow.sizing->turbulent);
    expectWithin(flow.sizing->massFlow, 1.713455, 1e-9, "flow");
    expectWithin(flow.sizing->fr, sized.sizing->fr, 1e-9, "FR");

    // Without the Reynolds inputs the flow is taken as turbulent and needs less Cv.
    IecCase turbulent = argon;
    turbulent.reynolds.reset();
    const IecOutcome plain = tarvek::iecCv(turbulent, 1.713455);
    ASSERT_TRUE(plain.ok());
    EXPECT_TRUE(plain.sizing->turbulent);
    EXPECT_LT(plain.sizing->cv, 0.8 * sized.sizing->cv);
}

// The side-by-side figures: Cv 0.23 at 70 °F, xT 0.5; the catalogue's flow is 8 %
// above the standard's for nitrogen from 100 to 80 psig, 27 % from 100 to 20 psig, and 30 %
// for carbon dioxide. Hand-computed, the standard's flows are 276.2, 352.8 and 270.2 slm.
TEST(IecGasSizing, BesideTheCataloguesFormula) {
    struct Case {
        const char* gas;
        const char* sg;
        double k;
        const char* outlet;
        double iecSlm;
        double cataloguePercentAbove;
    };
    for (const Case c :
         {Case{"nitrogen", "0.967", 1.4, "80", 276.2, 8}, Case{"nitrogen", "0.967", 1.4, "20", 352.8, 27},
          Case{"carbon dioxide", "1.519", 1.29, "20", 270.2, 30}}) {
        const double m = 28.96 * tarvek::leadingNumber(c.sg);
        const double slmDensity = 14.7 * m / (10.7315771 * 519.67) * 60 / 28.316846592;  // lb/h per slm
        const IecCase sizing{{tarvek::leadingNumber(c.sg), c.k, 1, 529.67},
                             0.5,
                             std::nullopt,
                             100 + 14.695949,
                             tarvek::leadingNumber(c.outlet) + 14.695949};
        const IecOutcome flow = tarvek::iecFlow(sizing, 0.23);
        ASSERT_TRUE(flow.ok()) << c.gas;
        const double iecSlm = flow.sizing->massFlow / slmDensity;
        expectWithin(iecSlm, c.iecSlm, 0.001, c.gas);

        const std::string xt =
            tarvek::numberText(*tarvek::chokedFlowRatio(float(c.k)));  // as the gas sets it
        const tarvek::FlowOutcome catalogue =
            tarvek::calculateFlow({tarvek::FlowMode::MassFlow, "70", "100", c.outlet, c.sg, xt, "0.23", ""});
        ASSERT_EQ(catalogue.action, tarvek::FlowOutcome::Action::Write) << c.gas;
        const double percentAbove = (tarvek::leadingNumber(catalogue.resultText) / iecSlm - 1) * 100;
        EXPECT_NEAR(percentAbove, c.cataloguePercentAbove, 1) << c.gas << " to " << c.outlet << " psig";
    }
}

// Nitrogen at 70 °F through Cv 0.23 of xT 0.5: the properties of every turbulent answer.
IecCase nitrogen(double inletPsig = 100, double outletPsig = 80) {
    return {{0.967, 1.4, 1, 529.67}, 0.5, std::nullopt, inletPsig + 14.695949, outletPsig + 14.695949};
}

double flowOf(const IecCase& c, double cv) {
    const IecOutcome out = tarvek::iecFlow(c, cv);
    EXPECT_TRUE(out.ok()) << tarvek::gapReason(out.gap);
    return out.ok() ? out.sizing->massFlow : NAN;
}

TEST(IecGasSizing, FlowGrowsWithTheInletPressureAndWithCv) {
    double previous = 0;
    for (const double inlet : {30.0, 50.0, 100.0, 250.0, 1000.0, 1e6}) {
        const double flow = flowOf(nitrogen(inlet, 20), 0.23);
        EXPECT_GT(flow, previous) << inlet << " psig";
        previous = flow;
    }
    for (const double cv : {0.01, 0.23, 1.0, 40.0}) {
        EXPECT_GT(flowOf(nitrogen(), 2 * cv), flowOf(nitrogen(), cv));
        EXPECT_NEAR(flowOf(nitrogen(), 2 * cv), 2 * flowOf(nitrogen(), cv), 1e-9 * flowOf(nitrogen(), cv));
    }
    EXPECT_EQ(flowOf(nitrogen(), 0), 0);
}

// From no drop the flow grows as the outlet pressure falls; once choked (x at Fγ xT, here
// 0.5: 42.652 psig for 114.696 psia at the inlet) it stays, and Y is exactly 2/3.
TEST(IecGasSizing, FlowGrowsAsTheOutletFallsUntilChokedAndIsConstantBeyond) {
    const double boundary = 0.5 * (100 + 14.695949) - 14.695949;
    double previous = 0, choked = -1;
    for (double outlet = 99.9; outlet > -14.69; outlet -= 0.37) {
        const IecOutcome out = tarvek::iecFlow(nitrogen(100, outlet), 0.23);
        ASSERT_TRUE(out.ok()) << outlet;
        const tarvek::IecSizing& s = *out.sizing;
        EXPECT_EQ(s.choked, outlet <= boundary + 1e-9) << outlet;
        if (s.choked) {
            EXPECT_EQ(s.y, 2.0 / 3.0) << outlet;
            if (choked < 0) choked = s.massFlow;
            EXPECT_DOUBLE_EQ(s.massFlow, choked) << outlet;
        } else {
            EXPECT_GT(s.massFlow, previous) << outlet;
            EXPECT_GT(s.y, 2.0 / 3.0) << outlet;
            EXPECT_NEAR(s.y, 1 - s.x / 1.5, 1e-12) << outlet;
        }
        previous = s.massFlow;
    }
    EXPECT_GT(choked, 0);
    // At the boundary itself the flow is choked.
    const IecOutcome at = tarvek::iecFlow(nitrogen(100, boundary), 0.23);
    ASSERT_TRUE(at.ok());
    EXPECT_EQ(at.sizing->y, 2.0 / 3.0);
}

// Any two of flow, Cv and outlet pressure give the third, and back.
TEST(IecGasSizing, EachUnknownFromTheOtherTwo) {
    struct Case {
        const char* name;
        IecCase conditions;
        double cv;
    };
    IecCase hot = nitrogen(3000, 2500);
    hot.gas.temperature = 1200;
    hot.gas.z = 1.07;
    IecCase helium = nitrogen(10, 9);
    helium.gas = {0.138, 1.667, 1, 491.67};
    helium.xt = 0.9;  // Fγ xT above 1: never choked
    IecCase argon = {
        {1.379489, 1.67, 1, 576}, 0.8, ReynoldsInputs{0.0226067, 15, 0.0618, 0.98}, 40.61, 18.85};
    for (const Case& c :
         {Case{"nitrogen", nitrogen(), 0.23}, Case{"nitrogen, small drop", nitrogen(100, 99.99), 0.23},
          Case{"nitrogen, large valve", nitrogen(15, 2), 180}, Case{"hot, compressed", hot, 3.5},
          Case{"helium", helium, 0.05}, Case{"argon, not turbulent", argon, 0.0185},
          Case{"argon, transitional", argon, 0.002}, Case{"argon, laminar", argon, 1e-5}}) {
        const IecOutcome flow = tarvek::iecFlow(c.conditions, c.cv);
        ASSERT_TRUE(flow.ok()) << c.name;
        const double w = flow.sizing->massFlow;
        const IecOutcome cv = tarvek::iecCv(c.conditions, w);
        ASSERT_TRUE(cv.ok()) << c.name;
        EXPECT_NEAR(cv.sizing->cv, c.cv, c.cv * 1e-9) << c.name;
        EXPECT_EQ(cv.sizing->turbulent, flow.sizing->turbulent) << c.name;
        const IecOutcome outlet = tarvek::iecOutlet(c.conditions, c.cv, w);
        ASSERT_TRUE(outlet.ok()) << c.name;
        EXPECT_NEAR(outlet.sizing->outlet, c.conditions.outlet, c.conditions.inlet * 1e-9) << c.name;
        EXPECT_NEAR(outlet.sizing->massFlow, w, w * 1e-9) << c.name;
    }
    // Choked, the flow is passed at every outlet pressure up to the boundary: the highest is it.
    const IecOutcome choked = tarvek::iecFlow(nitrogen(100, 0), 0.23);
    ASSERT_TRUE(choked.ok() && choked.sizing->choked);
    const IecOutcome outlet = tarvek::iecOutlet(nitrogen(), 0.23, choked.sizing->massFlow);
    ASSERT_TRUE(outlet.ok());
    // (The flow is flat at the boundary: within rounding, a hair above it passes the same.)
    EXPECT_NEAR(outlet.sizing->outlet, 0.5 * (100 + 14.695949), 1e-5);
    // No flow needs no pressure drop; more than the choked flow is passed at no pressure.
    const IecOutcome none = tarvek::iecOutlet(nitrogen(), 0.23, 0);
    ASSERT_TRUE(none.ok());
    EXPECT_EQ(none.sizing->outlet, 100 + 14.695949);
    const IecOutcome tooMuch = tarvek::iecOutlet(nitrogen(), 0.23, choked.sizing->massFlow * 1.001);
    EXPECT_EQ(tooMuch.gap, IecGap::AboveMostFlow);
    EXPECT_NEAR(tooMuch.mostFlow, choked.sizing->massFlow, choked.sizing->massFlow * 1e-9);
}

TEST(IecGasSizing, NoResultForAbsurdInputsAndNeverAnInfinityOrNan) {
    struct Case {
        const char* name;
        IecCase conditions;
        double cv, flow;
        IecGap gap;
    };
    const auto with = [](auto change) {
        IecCase c = nitrogen();
        change(c);
        return c;
    };
    const double huge = 1e308;
    for (const Case& c : {
             Case{"no gas", with([](IecCase& c) { c.gas.specificGravity = 0; }), 1, 1, IecGap::NoGas},
             Case{"NaN gravity", with([](IecCase& c) { c.gas.specificGravity = NAN; }), 1, 1, IecGap::NoGas},
             Case{"k 0", with([](IecCase& c) { c.gas.k = 0; }), 1, 1, IecGap::BadK},
             Case{"Z 0", with([](IecCase& c) { c.gas.z = 0; }), 1, 1, IecGap::BadZ},
             Case{"Z below 0", with([](IecCase& c) { c.gas.z = -1; }), 1, 1, IecGap::BadZ},
             Case{"xT 0", with([](IecCase& c) { c.xt = 0; }), 1, 1, IecGap::BadXt},
             Case{"xT above 1", with([](IecCase& c) { c.xt = 1.01; }), 1, 1, IecGap::BadXt},
             Case{"absolute zero", with([](IecCase& c) { c.gas.temperature = 0; }), 1, 1,
                  IecGap::BadTemperature},
             Case{"Fd above 1", with([](IecCase& c) {
                      c.reynolds = ReynoldsInputs{0.02, 5, 1.5, 0.9};
                  }),
                  1, 1, IecGap::BadReynoldsInputs},
             Case{"no viscosity", with([](IecCase& c) {
                      c.reynolds = ReynoldsInputs{0, 5, 0.5, 0.9};
                  }),
                  1, 1, IecGap::BadReynoldsInputs},
             Case{"vacuum inlet", with([](IecCase& c) { c.inlet = 0; }), 1, 1, IecGap::NoInletPressure},
             Case{"below vacuum", with([](IecCase& c) { c.inlet = -3; }), 1, 1, IecGap::NoInletPressure},
             Case{"vacuum outlet: x is 1", with([](IecCase& c) { c.outlet = 0; }), 1, 1,
                  IecGap::VacuumOutlet},
             Case{"outlet at inlet", with([](IecCase& c) { c.outlet = c.inlet; }), 1, 1,
                  IecGap::NoPressureDrop},
             Case{"outlet above inlet", with([](IecCase& c) { c.outlet = 2 * c.inlet; }), 1, 1,
                  IecGap::NoPressureDrop},
             Case{"huge inlet", with([&](IecCase& c) { c.inlet = huge, c.outlet = 1; }), 1e300, 1e300,
                  IecGap::OutOfRange},
             Case{"huge gravity", with([&](IecCase& c) { c.gas.specificGravity = huge; }), 1e300, 1e300,
                  IecGap::OutOfRange},
             Case{"infinite temperature", with([](IecCase& c) { c.gas.temperature = INFINITY; }), 1, 1,
                  IecGap::OutOfRange},
         }) {
        const std::vector<IecOutcome> outcomes = {tarvek::iecFlow(c.conditions, c.cv),
                                                  tarvek::iecCv(c.conditions, c.flow)};
        for (const IecOutcome& out : outcomes) {
            EXPECT_FALSE(out.ok()) << c.name;
            EXPECT_EQ(out.gap, c.gap) << c.name << ": " << tarvek::gapReason(out.gap);
            EXPECT_FALSE(tarvek::gapReason(out.gap).empty()) << c.name;
        }
        if (c.gap != IecGap::VacuumOutlet && c.gap != IecGap::NoPressureDrop) {
            EXPECT_EQ(tarvek::iecOutlet(c.conditions, c.cv, c.flow).gap, c.gap) << c.name;
        }
    }
    EXPECT_EQ(tarvek::iecFlow(nitrogen(), -0.1).gap, IecGap::NegativeCv);
    EXPECT_EQ(tarvek::iecFlow(nitrogen(), huge * 10).gap, IecGap::OutOfRange);
    EXPECT_EQ(tarvek::iecCv(nitrogen(), -1).gap, IecGap::NegativeFlow);
    EXPECT_EQ(tarvek::iecOutlet(nitrogen(), -1, 1).gap, IecGap::NegativeCv);
    EXPECT_EQ(tarvek::iecOutlet(nitrogen(), 1, -1).gap, IecGap::NegativeFlow);
    // A flow so large that its Cv overflows, and a Cv of no flow at all.
    EXPECT_EQ(tarvek::iecCv(nitrogen(), huge).gap, IecGap::None);
    EXPECT_EQ(tarvek::iecCv(nitrogen(100, 99.9999999999), huge).gap, IecGap::OutOfRange);
    EXPECT_EQ(tarvek::iecOutlet(nitrogen(), 0, 1).gap, IecGap::AboveMostFlow);
}

}  // namespace
