// A service's fields edited as texts: numbers refused with the calculator's own messages and
// titles for the method and units chosen (the catalogue's box table, the sizing's boxes), the
// partial entries a box lets stand, and what a refusal leaves; texts, units, the method, the
// gas and the connection held to what they may be.
#include "rules/quotes/service_edit.h"

#include <gtest/gtest.h>

namespace {

using tarvek::EntryCheck;
using tarvek::ServiceField;

const std::vector<tarvek::GasRecord> kGases = {{"Nitrogen", "0.967", "1.4"}};
const tarvek::ServiceChoices kChoices{kGases, {"Male Face Seal", "Any male face seal"}, {"1/4 inch"}};

tarvek::Service inUnits(tarvek::CalculationMethod method, tarvek::PressureUnit pressure,
                        tarvek::TemperatureUnit temperature) {
    tarvek::Service s;
    s.conditions.method = method;
    s.conditions.units.pressure = pressure;
    s.conditions.units.temperature = temperature;
    return s;
}

TEST(ServiceEdit, NumbersAreRefusedAsTheCalculatorsBoxesRefuseThem) {
    using M = tarvek::CalculationMethod;
    using P = tarvek::PressureUnit;
    using T = tarvek::TemperatureUnit;
    const tarvek::Service catalogue = inUnits(M::Catalogue, P::Psig, T::Fahrenheit);
    const tarvek::Service metric = inUnits(M::Iec, P::BarGauge, T::Celsius);
    struct Case {
        tarvek::Service service;
        ServiceField field;
        const char* text;
        EntryCheck check;
        const char *prompt, *title;
    };
    for (const Case& c : {
             Case{catalogue, ServiceField::Temperature, "-460", EntryCheck::Refused,
                  "Number must be greater than -460", "Invalid Temperature Value"},
             Case{catalogue, ServiceField::Temperature, "-459.9", EntryCheck::Accepted, "", ""},
             Case{metric, ServiceField::Temperature, "-273.15", EntryCheck::Refused,
                  "Number must be greater than -273.15", "Invalid Temperature Value"},
             Case{catalogue, ServiceField::InletPressure, "-15", EntryCheck::Refused,
                  "Number must be greater than or equal to -14.7", "Invalid Pressure Value"},
             Case{catalogue, ServiceField::InletPressure, "-", EntryCheck::Partial, "", ""},
             Case{catalogue, ServiceField::OutletPressure, "12abc", EntryCheck::Refused,
                  "Number must be greater than or equal to -14.7", "Invalid Pressure Value"},
             Case{metric, ServiceField::OutletPressure, "-1.1", EntryCheck::Refused,
                  "Number must be greater than or equal to -1.01325", "Invalid Pressure Value"},
             Case{catalogue, ServiceField::FlowMaximum, "-1", EntryCheck::Refused,
                  "Number must be greater than or equal to 0", "Invalid Flow Value"},
             Case{catalogue, ServiceField::FlowMaximum, "-", EntryCheck::Refused,
                  "Number must be greater than or equal to 0", "Invalid Flow Value"},
             Case{metric, ServiceField::FlowMinimum, ".", EntryCheck::Partial, "", ""},
             Case{catalogue, ServiceField::Xt, "1.5", EntryCheck::Refused,
                  "Number must be greater than 0 and less than or equal to 1", "Invalid Xt Factor Value"},
             Case{catalogue, ServiceField::Xt, "0", EntryCheck::Refused,
                  "Number must be greater than 0 and less than or equal to 1", "Invalid Xt Factor Value"},
             Case{metric, ServiceField::Xt, "1.5", EntryCheck::Refused,
                  "Number must be greater than or equal to 0 and less than or equal to 1",
                  "Invalid xT Value"},
             Case{metric, ServiceField::Z, "-1", EntryCheck::Refused,
                  "Number must be greater than or equal to 0", "Invalid Compressibility Value"},
             Case{catalogue, ServiceField::Margin, "1001", EntryCheck::Refused,
                  "Number must be greater than or equal to 0 and less than or equal to 1000",
                  "Invalid Margin Value"},
             Case{catalogue, ServiceField::Margin, "12.5", EntryCheck::Accepted, "", ""},
             Case{catalogue, ServiceField::SpecificGravity, "0", EntryCheck::Refused,
                  "Number must be greater than 0", "Invalid Specific Gravity Value"},
             Case{catalogue, ServiceField::SpecificHeat, "1e308", EntryCheck::Accepted, "", ""},
         }) {
        tarvek::Service s = c.service;
        const tarvek::ServiceFieldEdit edit = tarvek::editService(s, c.field, c.text, kChoices);
        const std::string name(tarvek::serviceFieldName(c.field));
        EXPECT_EQ(edit.check, c.check) << name << " " << c.text;
        EXPECT_EQ(edit.prompt, c.prompt) << name << " " << c.text;
        EXPECT_EQ(edit.title, c.title) << name << " " << c.text;
        // Taken or standing, the field holds the text; refused, it is emptied as its box is.
        EXPECT_EQ(tarvek::serviceFieldText(s, c.field), c.check == EntryCheck::Refused ? "" : c.text) << name;
    }
}

TEST(ServiceEdit, TextsChoicesAndTheGas) {
    tarvek::Service s;
    s.tag = "FV-1";
    EXPECT_EQ(tarvek::editService(s, ServiceField::Tag, "  ", kChoices).prompt, "A service needs its tag");
    EXPECT_EQ(tarvek::editService(s, ServiceField::Tag, "FV\x1B", kChoices).prompt,
              "The tag holds the control character U+001B");
    EXPECT_EQ(tarvek::editService(s, ServiceField::Description, "\xE9t\xE9", kChoices).title,
              "Invalid Service");
    EXPECT_EQ(s.tag, "FV-1");  // a refused text leaves the field as it was
    EXPECT_FALSE(tarvek::editService(s, ServiceField::Tag, " FV-2 ", kChoices).refused());
    EXPECT_EQ(s.tag, "FV-2");

    s.conditions.specificGravity = "0.5";
    s.conditions.specificHeat = "1.3";
    EXPECT_EQ(tarvek::editService(s, ServiceField::Gas, "Unobtainium", kChoices).prompt,
              "The gas list has no gas named \"Unobtainium\"");
    EXPECT_FALSE(tarvek::editService(s, ServiceField::Gas, "Nitrogen", kChoices).refused());
    EXPECT_EQ(s.conditions.specificGravity, "");  // a gas by name, or by its values
    EXPECT_FALSE(tarvek::editService(s, ServiceField::SpecificGravity, "0.554", kChoices).refused());
    EXPECT_EQ(s.conditions.gas, "");

    for (const auto& [text, unit] : {std::pair{"barg", tarvek::PressureUnit::BarGauge},
                                     std::pair{"kPa(g)", tarvek::PressureUnit::KilopascalGauge},
                                     std::pair{"PSIG", tarvek::PressureUnit::Psig}}) {
        EXPECT_FALSE(tarvek::editService(s, ServiceField::PressureUnit, text, kChoices).refused()) << text;
        EXPECT_EQ(s.conditions.units.pressure, unit) << text;
    }
    EXPECT_EQ(tarvek::editService(s, ServiceField::PressureUnit, "bars", kChoices).prompt,
              "The pressure units are psig, bar(g), kPa(g)");
    EXPECT_FALSE(tarvek::editService(s, ServiceField::FlowUnit, "Nm3/h", kChoices).refused());
    EXPECT_EQ(tarvek::serviceFieldText(s, ServiceField::FlowUnit), "Nm³/h");
    EXPECT_FALSE(tarvek::editService(s, ServiceField::TemperatureUnit, "degC", kChoices).refused());
    EXPECT_EQ(tarvek::serviceFieldText(s, ServiceField::TemperatureUnit), "°C");
    EXPECT_FALSE(tarvek::editService(s, ServiceField::Method, "IEC 60534-2-1", kChoices).refused());
    EXPECT_EQ(tarvek::serviceFieldText(s, ServiceField::Method), "iec");
    EXPECT_EQ(tarvek::editService(s, ServiceField::Method, "guess", kChoices).prompt,
              "The methods are catalogue and iec");

    EXPECT_FALSE(
        tarvek::editService(s, ServiceField::ConnectionKind, "Any male face seal", kChoices).refused());
    EXPECT_EQ(tarvek::editService(s, ServiceField::ConnectionSize, "3/4 inch", kChoices).prompt,
              "The catalogue has no connection size \"3/4 inch\"");
    EXPECT_FALSE(tarvek::editService(s, ServiceField::ConnectionKind, "", kChoices).refused());
    EXPECT_EQ(s.connectionKind, "");
}

TEST(ServiceEdit, FieldsByName) {
    for (std::size_t f = 0; f < tarvek::kServiceFieldCount; ++f)
        EXPECT_EQ(tarvek::serviceFieldNamed(tarvek::serviceFieldName(ServiceField(f))), ServiceField(f));
    EXPECT_EQ(tarvek::serviceFieldName(ServiceField::FlowMaximum), "flow_max");
    EXPECT_FALSE(tarvek::serviceFieldNamed("flowmax"));
}

}  // namespace
