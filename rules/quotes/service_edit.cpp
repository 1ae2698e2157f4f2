#include "rules/quotes/service_edit.h"

#include <algorithm>

#include "rules/calculator/sizing_boxes.h"
#include "rules/numbers/number_text.h"
#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/quotation.h"

namespace tarvek {
namespace {

constexpr std::array<std::string_view, kServiceFieldCount> kNames = {"tag",
                                                                     "service",
                                                                     "gas",
                                                                     "sg",
                                                                     "k",
                                                                     "temperature",
                                                                     "temperature_unit",
                                                                     "inlet",
                                                                     "outlet",
                                                                     "pressure_unit",
                                                                     "flow_min",
                                                                     "flow_normal",
                                                                     "flow_max",
                                                                     "flow_unit",
                                                                     "method",
                                                                     "margin",
                                                                     "xt",
                                                                     "z",
                                                                     "connection_kind",
                                                                     "connection_size"};

// Far above any margin a specification asks: what is beyond it is a typing mistake.
constexpr double kMostMargin = 1000;
constexpr std::string_view kMarginPrompt =
    "Number must be greater than or equal to 0 and less than or equal to 1000";
constexpr std::string_view kAboveZero = "Number must be greater than 0";

ServiceFieldEdit refusal(std::string_view prompt, std::string_view title) {
    return {EntryCheck::Refused, std::string(prompt), std::string(title)};
}

// A number checked against a rule the calculator's own boxes use; refused, the field takes
// the text the box is left with.
template <typename Rule, typename Check>
ServiceFieldEdit number(std::string& field, std::string_view text, const Rule& rule, Check check,
                        std::string_view reset = {}) {
    const EntryCheck checked = check(rule, text);
    if (checked == EntryCheck::Refused) {
        field = std::string(reset);
        return refusal(rule.prompt, rule.title);
    }
    field = std::string(text);
    return {checked, {}, {}};
}

// A number above 0 (a gas's specific gravity or k), partial entries standing as in Cv's box.
ServiceFieldEdit positive(std::string& field, std::string_view text, std::string_view title) {
    const SizingBoxRule rule{
        SizingBox::Cv, kUnsignedPartialEntries, Bound::Above, 0, std::nullopt, kAboveZero, title, ""};
    return number(field, text, rule, checkSizingEntry);
}

// The catalogue's box of a quantity, or the sizing's, with the units chosen.
ServiceFieldEdit caseNumber(std::string& field, std::string_view text, const ServiceConditions& c,
                            CalculatorBox box, SizingBox sizingBox) {
    if (c.method == CalculationMethod::Iec)
        return number(field, text, sizingBoxRule(sizingBox, c.units.pressure, c.units.temperature),
                      checkSizingEntry);
    return number(field, text, boxRule(box), checkEntry);
}

ServiceFieldEdit text(std::string& field, std::string_view value, std::string_view what,
                      std::string_view title, bool needed) {
    if (needed && withoutSurroundingBlanks(value).empty())
        return refusal("A service needs its " + std::string(what), title);
    if (const std::string problem = headerTextProblem(value); !problem.empty())
        return refusal("The " + std::string(what) + " " + problem, title);
    field = std::string(needed ? withoutSurroundingBlanks(value) : value);
    return {};
}

template <typename Unit>
ServiceFieldEdit unit(Unit& field, std::optional<Unit> named, std::string_view what,
                      const std::string& list) {
    if (!named) return refusal("The " + std::string(what) + " units are " + list, "Invalid Unit");
    field = *named;
    return {};
}

ServiceFieldEdit choice(std::string& field, std::string_view value, const std::vector<std::string>& names,
                        std::string_view what, std::string_view title) {
    if (!value.empty() && std::find(names.begin(), names.end(), value) == names.end())
        return refusal("The catalogue has no " + std::string(what) + " \"" + displayable(value, 40) + "\"",
                       title);
    field = std::string(value);
    return {};
}

}  // namespace

std::string_view serviceFieldName(ServiceField field) { return kNames[std::size_t(field)]; }

std::optional<ServiceField> serviceFieldNamed(std::string_view name) {
    const auto at = std::find(kNames.begin(), kNames.end(), name);
    if (at == kNames.end()) return std::nullopt;
    return ServiceField(at - kNames.begin());
}

ServiceFieldKind serviceFieldKind(ServiceField field) {
    switch (field) {
        case ServiceField::Tag:
        case ServiceField::Description:
        case ServiceField::Gas:
        case ServiceField::ConnectionKind:
        case ServiceField::ConnectionSize:
            return ServiceFieldKind::Text;
        case ServiceField::TemperatureUnit:
        case ServiceField::PressureUnit:
        case ServiceField::FlowUnit:
        case ServiceField::Method:
            return ServiceFieldKind::Choice;
        default:
            return ServiceFieldKind::Number;
    }
}

std::string* serviceTextField(Service& s, ServiceField field) {
    ServiceConditions& c = s.conditions;
    switch (field) {
        case ServiceField::Tag:
            return &s.tag;
        case ServiceField::Description:
            return &s.description;
        case ServiceField::Gas:
            return &c.gas;
        case ServiceField::SpecificGravity:
            return &c.specificGravity;
        case ServiceField::SpecificHeat:
            return &c.specificHeat;
        case ServiceField::Temperature:
            return &c.temperature;
        case ServiceField::InletPressure:
            return &c.inletPressure;
        case ServiceField::OutletPressure:
            return &c.outletPressure;
        case ServiceField::FlowMinimum:
            return &c.flow(FlowCase::Minimum);
        case ServiceField::FlowNormal:
            return &c.flow(FlowCase::Normal);
        case ServiceField::FlowMaximum:
            return &c.flow(FlowCase::Maximum);
        case ServiceField::Margin:
            return &s.margin;
        case ServiceField::Xt:
            return &c.xt;
        case ServiceField::Z:
            return &c.z;
        case ServiceField::ConnectionKind:
            return &s.connectionKind;
        case ServiceField::ConnectionSize:
            return &s.connectionSize;
        default:
            return nullptr;
    }
}

std::string serviceFieldText(const Service& s, ServiceField field) {
    switch (field) {
        case ServiceField::TemperatureUnit:
            return std::string(unitText(s.conditions.units.temperature));
        case ServiceField::PressureUnit:
            return std::string(unitText(s.conditions.units.pressure));
        case ServiceField::FlowUnit:
            return std::string(unitText(s.conditions.units.flow));
        case ServiceField::Method:
            return std::string(methodName(s.conditions.method));
        default:
            return *serviceTextField(const_cast<Service&>(s), field);
    }
}

ServiceFieldEdit editService(Service& s, ServiceField field, std::string_view value,
                             const ServiceChoices& choices) {
    ServiceConditions& c = s.conditions;
    switch (field) {
        case ServiceField::Tag:
            return text(s.tag, value, "tag", "Invalid Tag", true);
        case ServiceField::Description:
            return text(s.description, value, "service", "Invalid Service", false);
        case ServiceField::Gas: {
            const bool known = value.empty() || gasNamed(choices.gases, value);
            if (!known)
                return refusal("The gas list has no gas named \"" + displayable(value, 40) + "\"",
                               "Invalid Gas");
            c.gas = std::string(value);
            if (!value.empty()) c.specificGravity.clear(), c.specificHeat.clear();
            return {};
        }
        case ServiceField::SpecificGravity:
        case ServiceField::SpecificHeat: {
            const bool gravity = field == ServiceField::SpecificGravity;
            ServiceFieldEdit edit = positive(gravity ? c.specificGravity : c.specificHeat, value,
                                             gravity ? "Invalid Specific Gravity Value" : "Invalid k Value");
            if (!edit.refused() && !value.empty()) c.gas.clear();
            return edit;
        }
        case ServiceField::Temperature:
            return caseNumber(c.temperature, value, c, CalculatorBox::Temperature, SizingBox::Temperature);
        case ServiceField::InletPressure:
            return caseNumber(c.inletPressure, value, c, CalculatorBox::InletPressure,
                              SizingBox::InletPressure);
        case ServiceField::OutletPressure:
            return caseNumber(c.outletPressure, value, c, CalculatorBox::OutletPressure,
                              SizingBox::OutletPressure);
        case ServiceField::FlowMinimum:
        case ServiceField::FlowNormal:
        case ServiceField::FlowMaximum: {
            const auto flowCase = FlowCase(std::size_t(field) - std::size_t(ServiceField::FlowMinimum));
            return caseNumber(c.flow(flowCase), value, c, CalculatorBox::MassFlow, SizingBox::Flow);
        }
        case ServiceField::TemperatureUnit:
            return unit(c.units.temperature, temperatureUnitNamed(value), "temperature",
                        temperatureUnitList());
        case ServiceField::PressureUnit:
            return unit(c.units.pressure, pressureUnitNamed(value), "pressure", pressureUnitList());
        case ServiceField::FlowUnit:
            return unit(c.units.flow, flowUnitNamed(value), "flow", flowUnitList());
        case ServiceField::Method: {
            const std::optional<CalculationMethod> method = methodNamed(value);
            if (!method) return refusal("The methods are catalogue and iec", "Invalid Method");
            c.method = *method;
            return {};
        }
        case ServiceField::Margin: {
            const SizingBoxRule rule{SizingBox::Cv, kUnsignedPartialEntries, Bound::AtLeast,         0,
                                     kMostMargin,   kMarginPrompt,           "Invalid Margin Value", ""};
            return number(s.margin, value, rule, checkSizingEntry);
        }
        case ServiceField::Xt:
            if (c.method == CalculationMethod::Iec)
                return number(c.xt, value,
                              sizingBoxRule(SizingBox::Xt, c.units.pressure, c.units.temperature),
                              checkSizingEntry);
            // Typed, the catalogue's Xt is what its box's message says: above 0, at most 1
            // (as --xt takes it; the window's hidden box would take 0 as 0.001).
            if (const BoxRule& rule = boxRule(CalculatorBox::XtFactor);
                isNumeric(value) && leadingNumber(value) <= 0) {
                c.xt.clear();
                return refusal(rule.prompt, rule.title);
            }
            return number(c.xt, value, boxRule(CalculatorBox::XtFactor), checkEntry);
        case ServiceField::Z:
            return number(c.z, value,
                          sizingBoxRule(SizingBox::Compressibility, c.units.pressure, c.units.temperature),
                          checkSizingEntry);
        case ServiceField::ConnectionKind:
            return choice(s.connectionKind, value, choices.connectionKinds, "connection kind",
                          "Invalid Connection Kind");
        case ServiceField::ConnectionSize:
            return choice(s.connectionSize, value, choices.connectionSizes, "connection size",
                          "Invalid Connection Size");
    }
    return {};
}

}  // namespace tarvek
