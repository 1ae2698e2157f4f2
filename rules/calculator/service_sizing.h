// A gas service sized case by case: its gas (by name from the gas list, or its specific
// gravity and k), temperature, inlet and outlet pressure and up to three flows (minimum,
// normal, maximum), by the catalogue's formula or IEC 60534-2-1. Each case is the flow
// question the calculator and --flow answer, so its figures are theirs digit for digit.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/calculator/flow_question.h"
#include "rules/calculator/gas_record.h"

namespace tarvek {

enum class FlowCase { Minimum, Normal, Maximum };
inline constexpr std::size_t kFlowCaseCount = 3;
inline constexpr std::array kFlowCases = {FlowCase::Minimum, FlowCase::Normal, FlowCase::Maximum};

// "minimum", "normal", "maximum": as a reason names the case.
std::string_view flowCaseName(FlowCase flowCase);
// "Minimum", "Normal", "Maximum": as a sheet's column heads it.
std::string_view flowCaseTitle(FlowCase flowCase);

// What a service asks of the sizing, every number as it was typed.
struct ServiceConditions {
    std::string gas;  // a name of the gas list; empty when the specific gravity and k are given
    std::string specificGravity, specificHeat;
    std::string temperature;                        // in units.temperature
    std::string inletPressure, outletPressure;      // gauge, in units.pressure
    std::array<std::string, kFlowCaseCount> flows;  // in units.flow; empty: the case is not given
    SizingUnits units;                              // the catalogue's formula takes psig, °F and slm alone
    CalculationMethod method = CalculationMethod::Catalogue;
    std::string xt;  // the valve's; empty: the method's own (from k, or 0.5)
    std::string z;   // the standard's only; empty: 1

    const std::string& flow(FlowCase c) const { return flows[std::size_t(c)]; }
    std::string& flow(FlowCase c) { return flows[std::size_t(c)]; }
    friend bool operator==(const ServiceConditions&, const ServiceConditions&) = default;
};

struct CaseSizing {
    FlowCase flowCase = FlowCase::Maximum;
    FlowSolution solution;  // its cvNeeded is the Cv the case asks of a valve
};

struct ServiceSizing {
    // Why the service as a whole has no result (no flow given, a gas the list does not have);
    // empty when each case was sized, each with its own result or reason.
    std::string noResult;
    std::string specificGravity, specificHeat;  // of the gas, as the list gives them, or as given
    std::vector<CaseSizing> cases;              // the cases given, in the order of FlowCase

    // The first case without a result; none when each has one.
    const CaseSizing* failedCase() const;
    // The case that needs the largest Cv; none unless every case has a result.
    const CaseSizing* largestCase() const;
};

// The first record of the list with exactly the name, as the window's gas list finds it.
const GasRecord* gasNamed(std::span<const GasRecord> gases, std::string_view name);

ServiceSizing sizeService(const ServiceConditions& conditions, std::span<const GasRecord> gases);

// The case's flow question, the gas's values already found.
FlowQuestion caseQuestion(const ServiceConditions& conditions, FlowCase flowCase, std::string_view sg,
                          std::string_view k);

}  // namespace tarvek
