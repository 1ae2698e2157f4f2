#include "rules/calculator/service_sizing.h"

#include <algorithm>

namespace tarvek {
namespace {

constexpr std::array<std::string_view, kFlowCaseCount> kCaseNames = {"minimum", "normal", "maximum"};
constexpr std::array<std::string_view, kFlowCaseCount> kCaseTitles = {"Minimum", "Normal", "Maximum"};

std::optional<std::string> given(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return text;
}

}  // namespace

std::string_view flowCaseName(FlowCase c) { return kCaseNames[std::size_t(c)]; }
std::string_view flowCaseTitle(FlowCase c) { return kCaseTitles[std::size_t(c)]; }

const CaseSizing* ServiceSizing::failedCase() const {
    for (const CaseSizing& c : cases)
        if (!c.solution.ok()) return &c;
    return nullptr;
}

const CaseSizing* ServiceSizing::largestCase() const {
    if (!noResult.empty() || cases.empty() || failedCase()) return nullptr;
    const CaseSizing* largest = nullptr;
    for (const CaseSizing& c : cases)
        if (!largest || c.solution.cvNeeded.value_or(0) > largest->solution.cvNeeded.value_or(0))
            largest = &c;
    return largest;
}

const GasRecord* gasNamed(std::span<const GasRecord> gases, std::string_view name) {
    const auto found =
        std::find_if(gases.begin(), gases.end(), [&](const GasRecord& g) { return g.name == name; });
    return found == gases.end() ? nullptr : &*found;
}

FlowQuestion caseQuestion(const ServiceConditions& s, FlowCase flowCase, std::string_view sg,
                          std::string_view k) {
    FlowQuestion q;
    q.method = s.method;
    q.gas = s.gas;
    q.specificGravity = std::string(sg);
    q.specificHeat = std::string(k);
    q.temperature = s.temperature;
    q.inletPressure = s.inletPressure;
    q.outletPressure = s.outletPressure;
    q.flow = s.flow(flowCase);
    q.xt = given(s.xt);
    // Z is the standard's alone: the catalogue's formula has none to take.
    if (s.method == CalculationMethod::Iec) q.z = given(s.z);
    q.units = s.units;
    return q;
}

ServiceSizing sizeService(const ServiceConditions& s, std::span<const GasRecord> gases) {
    ServiceSizing sizing;
    sizing.specificGravity = s.specificGravity;
    sizing.specificHeat = s.specificHeat;
    if (!s.gas.empty()) {
        const GasRecord* gas = gasNamed(gases, s.gas);
        if (!gas) {
            sizing.noResult = "No result: the gas list has no gas named \"" + s.gas + "\"";
            return sizing;
        }
        sizing.specificGravity = gas->specificGravity;
        sizing.specificHeat = gas->specificHeat;
    }
    // Given by its values, a gas needs both: the catalogue's formula takes its Xt from k.
    if (sizing.specificGravity.empty() || sizing.specificHeat.empty()) {
        sizing.noResult = sizing.specificGravity.empty() ? "Missing: gas" : "Missing: k of the gas";
        return sizing;
    }
    for (const FlowCase c : kFlowCases)
        if (!s.flow(c).empty())
            sizing.cases.push_back(
                {c, solveFlow(caseQuestion(s, c, sizing.specificGravity, sizing.specificHeat))});
    if (sizing.cases.empty()) sizing.noResult = "Missing: flow";
    return sizing;
}

}  // namespace tarvek
