// The units of the sizing by the standard: gauge pressures over one standard atmosphere,
// absolute temperatures, and flows at their reference conditions. Expected values are
// hand-computed from 1 atm = 101.325 kPa, 1 psi = 6.894757 kPa and R = 8.314463 J/(mol K).
#include "rules/calculator/sizing_units.h"

#include <gtest/gtest.h>

namespace {

using tarvek::FlowUnit;
using tarvek::PressureUnit;
using tarvek::TemperatureUnit;

TEST(SizingUnits, GaugePressuresAreAboveOneStandardAtmosphere) {
    struct Case {
        double gauge;
        PressureUnit unit;
        double psia;
    };
    for (const Case c :
         {Case{100, PressureUnit::Psig, 114.695949}, Case{0, PressureUnit::Psig, 14.695949},
          Case{1, PressureUnit::BarGauge, 29.199723}, Case{100, PressureUnit::KilopascalGauge, 29.199723},
          Case{-1.01325, PressureUnit::BarGauge, 0}, Case{-101.325, PressureUnit::KilopascalGauge, 0}}) {
        EXPECT_NEAR(tarvek::psiaFromGauge(c.gauge, c.unit), c.psia, 1e-6)
            << c.gauge << tarvek::unitText(c.unit);
        EXPECT_NEAR(tarvek::gaugeFromPsia(c.psia, c.unit), c.gauge, 1e-5)
            << c.gauge << tarvek::unitText(c.unit);
    }
    EXPECT_NEAR(tarvek::vacuumGauge(PressureUnit::Psig), -14.695949, 1e-6);
    EXPECT_NEAR(tarvek::vacuumGauge(PressureUnit::BarGauge), -1.01325, 1e-9);
    EXPECT_NEAR(tarvek::vacuumGauge(PressureUnit::KilopascalGauge), -101.325, 1e-9);
}

TEST(SizingUnits, TemperaturesInDegreesRankine) {
    struct Case {
        double temperature;
        TemperatureUnit unit;
        double rankine;
    };
    for (const Case c :
         {Case{70, TemperatureUnit::Fahrenheit, 529.67}, Case{60, TemperatureUnit::Fahrenheit, 519.67},
          Case{0, TemperatureUnit::Celsius, 491.67}, Case{15, TemperatureUnit::Celsius, 518.67},
          Case{-273.15, TemperatureUnit::Celsius, 0}, Case{-459.67, TemperatureUnit::Fahrenheit, 0}}) {
        EXPECT_NEAR(tarvek::rankineFrom(c.temperature, c.unit), c.rankine, 1e-9) << c.temperature;
    }
}

// Air (SG 1, M 28.96): one unit of each flow in lb/h.
TEST(SizingUnits, FlowsAtTheirReferenceConditions) {
    struct Case {
        FlowUnit unit;
        double poundsPerHour;
        const char* shown;
    };
    for (const Case c : {
             Case{FlowUnit::Slm, 0.16174507, "slm (14.7 psia, 60 °F)"},
             Case{FlowUnit::Scfh, 0.07633517, "scfh (14.7 psia, 60 °F)"},
             Case{FlowUnit::NormalCubicMetresPerHour, 1.29205137 / 0.45359237, "Nm³/h (0 °C, 1 atm)"},
             Case{FlowUnit::StandardCubicMetresPerHour, 1.22479206 / 0.45359237, "Sm³/h (15 °C, 1 atm)"},
             Case{FlowUnit::KilogramsPerHour, 1 / 0.45359237, "kg/h"},
         }) {
        const double m = tarvek::molecularMass(1);
        EXPECT_NEAR(tarvek::poundsPerHourFrom(1, c.unit, m), c.poundsPerHour, c.poundsPerHour * 1e-7)
            << c.shown;
        EXPECT_NEAR(tarvek::flowFromPoundsPerHour(c.poundsPerHour, c.unit, m), 1, 1e-7) << c.shown;
        EXPECT_EQ(tarvek::unitTextWithConditions(c.unit), c.shown);
        EXPECT_EQ(tarvek::referenceConditions(c.unit) == nullptr, c.unit == FlowUnit::KilogramsPerHour);
    }
    // A standard volume weighs in proportion to the molar mass; a mass does not.
    EXPECT_NEAR(tarvek::poundsPerHourFrom(1, FlowUnit::Scfh, tarvek::molecularMass(1.519)),
                0.07633517 * 1.519, 1e-7);
    EXPECT_EQ(tarvek::poundsPerHourFrom(1, FlowUnit::KilogramsPerHour, 44), 1 / 0.45359237);
}

}  // namespace
