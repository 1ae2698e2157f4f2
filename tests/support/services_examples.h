// Services lists the tests and benchmarks share: the README's five tags, and many tagged
// services of every kind (both methods, every unit, gases by name and by their values, one to
// three cases, margins and connections) as an instrument index of a plant lists them.
#pragma once

#include <string>
#include <vector>

#include "rules/quotes/quotation.h"

namespace tarvek::testing {

// The README's worked example: five tags, two with a valve named, three to be proposed.
inline constexpr const char* kFiveTags =
    "tag,service,gas,sg,k,temperature,inlet,outlet,flow_min,flow_normal,flow_max,method,margin,connection_"
    "kind,"
    "connection_size,part_number,quantity\n"
    "FV-101,Nitrogen purge to R-1,Nitrogen,,,70,100,20,100,300,400,catalogue,,,,A310-MX2-2A-MXFX-VS,2\n"
    "FV-102,Nitrogen blanket,Nitrogen,,,70,100,20,,,450.5,catalogue,,,,A310-MX2-2A-MXFX-VS,1\n"
    "PCV-7,Fuel gas to burner,,0.554,1.31,60,50,10,,200,600,catalogue,10,,,,1\n"
    "HV-12,Argon to glovebox,Argon,,,70,300,250,,50,120,iec,,Male Face Seal,1/4 inch,,4\n"
    "FV-205,Helium leak test,Helium,,,70,3000,100,,,1500,catalogue,,,,,1\n";

// Nitrogen at 70 °F from 100 to 20 psig, the README's case of the calculator: --flow gives
// Cv 0.051 for 100 slm, 0.204 for 400 and 0.23 for 450.5 (which needs 0.2304 before it is cut).
inline Service nitrogenPurge(const char* tag, const char* largestFlow) {
    Service s;
    s.tag = tag;
    s.description = "Nitrogen purge";
    s.conditions.gas = "Nitrogen";
    s.conditions.temperature = "70";
    s.conditions.inletPressure = "100";
    s.conditions.outletPressure = "20";
    s.conditions.flow(FlowCase::Maximum) = largestFlow;
    return s;
}

// `count` services, each different, cycling through the methods, units and gases.
inline std::vector<Service> manyServices(std::size_t count) {
    static constexpr const char* kGases[] = {"Nitrogen", "Air", "Argon", "Oxygen", ""};
    std::vector<Service> services;
    for (std::size_t i = 0; i < count; ++i) {
        Service s;
        s.tag = "FV-" + std::to_string(1000 + i);
        s.description = "Service " + std::to_string(i);
        ServiceConditions& c = s.conditions;
        c.gas = kGases[i % 5];
        if (c.gas.empty()) {
            c.specificGravity = "0.554";
            c.specificHeat = "1.31";
        }
        const bool metric = i % 3 == 1;
        c.method = i % 2 ? CalculationMethod::Iec : CalculationMethod::Catalogue;
        if (metric && c.method == CalculationMethod::Iec) {
            c.units = {PressureUnit::BarGauge, TemperatureUnit::Celsius, FlowUnit::NormalCubicMetresPerHour};
            c.temperature = std::to_string(10 + i % 40);
            c.inletPressure = std::to_string(2 + i % 60);
            c.outletPressure = std::to_string(1 + i % 2);
            c.flow(FlowCase::Maximum) = std::to_string(1 + i % 50);
        } else {
            c.temperature = std::to_string(40 + i % 100);
            c.inletPressure = std::to_string(30 + i % 900);
            c.outletPressure = std::to_string(i % 25);
            c.flow(FlowCase::Maximum) = std::to_string(20 + i % 700);
        }
        if (i % 4 == 0) c.flow(FlowCase::Normal) = "10";
        if (i % 7 == 0) s.margin = "10";
        if (i % 11 == 0) {
            s.connectionKind = "Male Face Seal";
            s.connectionSize = "1/4 inch";
        }
        services.push_back(std::move(s));
    }
    return services;
}

}  // namespace tarvek::testing
