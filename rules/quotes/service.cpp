#include "rules/quotes/service.h"

#include <algorithm>
#include <array>

#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

// A name without case, blanks, degree signs or the characters around "(g)": "Bar (g)" is
// "barg", "°C" is "c", "Nm³/h" is "nm3/h".
std::string nameKey(std::string_view name) {
    std::string key;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (name.substr(i, 2) == "\xC2\xB0") {  // °
            ++i;
        } else if (name.substr(i, 2) == "\xC2\xB3") {  // ³
            key += '3';
            ++i;
        } else if (c >= 'A' && c <= 'Z') {
            key += char(c - 'A' + 'a');
        } else if (c != ' ' && c != '(' && c != ')' && c != '_' && c != '-') {
            key += c;
        }
    }
    return key;
}

template <typename Unit, std::size_t N>
std::optional<Unit> unitNamed(std::string_view name, const std::array<Unit, N>& units,
                              std::initializer_list<std::pair<std::string_view, Unit>> aliases) {
    const std::string key = nameKey(name);
    if (key.empty()) return std::nullopt;
    for (const Unit unit : units)
        if (nameKey(unitText(unit)) == key) return unit;
    for (const auto& [alias, unit] : aliases)
        if (alias == key) return unit;
    return std::nullopt;
}

template <typename Unit, std::size_t N>
std::string unitList(const std::array<Unit, N>& units) {
    std::string list;
    for (const Unit unit : units) list += (list.empty() ? "" : ", ") + std::string(unitText(unit));
    return list;
}

}  // namespace

std::string_view methodName(CalculationMethod method) {
    return method == CalculationMethod::Iec ? "iec" : "catalogue";
}

std::string_view methodTitle(CalculationMethod method) {
    return method == CalculationMethod::Iec ? "IEC 60534-2-1" : "Catalogue formula";
}

std::optional<CalculationMethod> methodNamed(std::string_view name) {
    const std::string key = nameKey(name);
    for (const CalculationMethod method : {CalculationMethod::Catalogue, CalculationMethod::Iec})
        if (key == nameKey(methodName(method)) || key == nameKey(methodTitle(method))) return method;
    if (key == "iec605342" || key == "iec60534") return CalculationMethod::Iec;
    return std::nullopt;
}

std::optional<PressureUnit> pressureUnitNamed(std::string_view name) {
    return unitNamed(name, kPressureUnits,
                     {{"psi", PressureUnit::Psig},
                      {"bar", PressureUnit::BarGauge},
                      {"kpa", PressureUnit::KilopascalGauge}});
}

std::optional<TemperatureUnit> temperatureUnitNamed(std::string_view name) {
    return unitNamed(name, kTemperatureUnits,
                     {{"degf", TemperatureUnit::Fahrenheit},
                      {"fahrenheit", TemperatureUnit::Fahrenheit},
                      {"degc", TemperatureUnit::Celsius},
                      {"celsius", TemperatureUnit::Celsius}});
}

std::optional<FlowUnit> flowUnitNamed(std::string_view name) {
    return unitNamed(name, kFlowUnits,
                     {{"nm3h", FlowUnit::NormalCubicMetresPerHour},
                      {"sm3h", FlowUnit::StandardCubicMetresPerHour},
                      {"kgh", FlowUnit::KilogramsPerHour}});
}

std::string pressureUnitList() { return unitList(kPressureUnits); }
std::string temperatureUnitList() { return unitList(kTemperatureUnits); }
std::string flowUnitList() { return unitList(kFlowUnits); }

double marginFactor(const Service& service) {
    return service.margin.empty() ? 1 : 1 + leadingNumber(service.margin) / 100;
}

}  // namespace tarvek
