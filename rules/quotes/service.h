// A tagged service beside a quotation's line: the tag and what the service is, the gas and its
// conditions with up to three flows, the sizing method, the margin required on Cv, and the end
// connections the valve must have. Every number is kept as typed, with its unit, so that a
// refusal quotes the text and a file gives back exactly what was written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/calculator/service_sizing.h"

namespace tarvek {

struct Service {
    std::string tag;          // "FV-101"
    std::string description;  // "Nitrogen purge to reactor R-1"
    ServiceConditions conditions;
    std::string margin;  // % on the Cv required; empty: none
    // The valve's end connections, as the search's lists name them ("Male Face Seal",
    // "1/4 inch"); empty: any.
    std::string connectionKind, connectionSize;

    friend bool operator==(const Service&, const Service&) = default;
};

// The method as files and the command line name it ("catalogue", "iec") and as a sheet
// titles it ("Catalogue formula", "IEC 60534-2-1").
std::string_view methodName(CalculationMethod method);
std::string_view methodTitle(CalculationMethod method);
// A method by its name, its title, or "IEC" alone, in any case.
std::optional<CalculationMethod> methodNamed(std::string_view name);

// A unit by the text the calculator shows ("bar(g)", "°C", "Nm³/h") or a plain spelling of it
// ("barg", "bar g", "C", "degC", "Nm3/h"), in any case.
std::optional<PressureUnit> pressureUnitNamed(std::string_view name);
std::optional<TemperatureUnit> temperatureUnitNamed(std::string_view name);
std::optional<FlowUnit> flowUnitNamed(std::string_view name);

// "psig, bar(g), kPa(g)": the units there are, for a message.
std::string pressureUnitList();
std::string temperatureUnitList();
std::string flowUnitList();

// The margin as a factor on the Cv required: 1 without one, 1.1 for "10".
double marginFactor(const Service& service);

}  // namespace tarvek
