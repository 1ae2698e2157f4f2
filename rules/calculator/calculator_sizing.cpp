// The calculator's events of the sizing by the standard: the method, the sizing's boxes,
// the unknown and the units.
#include <utility>

#include "rules/calculator/calculator.h"
#include "rules/numbers/compact_number_text.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

// The catalogue's box each case box of the sizing takes its text from, and the catalogue's
// units: °F, psig, slm.
constexpr std::pair<SizingBox, CalculatorBox> kCataloguesBoxes[] = {
    {SizingBox::Temperature, CalculatorBox::Temperature},
    {SizingBox::InletPressure, CalculatorBox::InletPressure},
    {SizingBox::OutletPressure, CalculatorBox::OutletPressure},
    {SizingBox::Cv, CalculatorBox::Cv},
    {SizingBox::Flow, CalculatorBox::MassFlow}};

constexpr int kConvertedDigits = 6;

// A box's number in another unit, written with six significant digits; a text that is not
// a number, or a value the conversion cannot give, stays as it is.
template <typename Convert>
void convert(SizingState& sizing, SizingBox box, Convert toNewUnit) {
    std::string& text = sizing.box(box);
    std::optional<ConvertedText>& converted = sizing.converted[std::size_t(box)];
    if (!isNumeric(text)) return;
    const double value =
        toNewUnit(converted && converted->text == text ? converted->value : leadingNumber(text));
    const std::string written = compactNumberText(value, std::chars_format::general, kConvertedDigits);
    if (written.empty()) return;
    text = written;
    converted = ConvertedText{written, value};
}

double gaugeIn(double gauge, PressureUnit from, PressureUnit to) {
    return gaugeFromPsia(psiaFromGauge(gauge, from), to);
}

// Without a gas a mass and a standard volume cannot be told from each other; between
// standard volumes any molar mass gives the same.
std::optional<double> massForConversion(std::string_view specificGravity, FlowUnit from, FlowUnit to) {
    const double sg = leadingNumber(specificGravity);
    if (sg > 0) return molecularMass(sg);
    if (from == FlowUnit::KilogramsPerHour || to == FlowUnit::KilogramsPerHour) return std::nullopt;
    return kAirMolecularMass;
}

}  // namespace

const CalculatorState& Calculator::chooseMethod(CalculationMethod method) {
    startEvent();
    if (method == s_.method) return s_;
    s_.method = method;
    if (method == CalculationMethod::Iec) {
        if (!s_.sizing.takenFromCatalogue) takeCaseFromCatalogue();
        calculateSizing();
    }
    return s_;
}

void Calculator::takeCaseFromCatalogue() {
    SizingState& sizing = s_.sizing;
    sizing.takenFromCatalogue = true;
    sizing.unknown = s_.mode == FlowMode::Cv ? SizingUnknown::Cv : SizingUnknown::Flow;
    const auto massForFlow = massForConversion(s_.specificGravity, FlowUnit::Slm, sizing.units.flow);
    for (const auto& [box, from] : kCataloguesBoxes) {
        std::string& text = sizing.box(box);
        if (!text.empty() || !isNumeric(s_.box(from))) continue;
        text = s_.box(from);
        if (box == SizingBox::Temperature)
            convert(sizing, box, [&](double f) {
                return temperatureFromRankine(rankineFrom(f, TemperatureUnit::Fahrenheit),
                                              sizing.units.temperature);
            });
        if (box == SizingBox::InletPressure || box == SizingBox::OutletPressure)
            convert(sizing, box,
                    [&](double psig) { return gaugeIn(psig, PressureUnit::Psig, sizing.units.pressure); });
        if (box == SizingBox::Flow && sizing.units.flow != FlowUnit::Slm) {
            if (!massForFlow)
                text.clear();
            else
                convert(sizing, box, [&](double slm) {
                    return flowFromPoundsPerHour(poundsPerHourFrom(slm, FlowUnit::Slm, *massForFlow),
                                                 sizing.units.flow, *massForFlow);
                });
        }
    }
}

const CalculatorState& Calculator::typeSizing(SizingBox box, std::string_view text) {
    startEvent();
    if (s_.sizing.typed(box)) writeSizing(box, std::string(text));
    return s_;
}

// As the catalogue's boxes: a partial entry stands unchecked, an accepted one calculates,
// a refused one warns and puts the box back to its reset text, whose own check then runs.
void Calculator::writeSizing(SizingBox box, std::string text) {
    if (s_.sizing.box(box) == text) return;
    s_.sizing.box(box) = std::move(text);
    const SizingBoxRule& rule = sizingBoxRule(box, s_.sizing.units.pressure, s_.sizing.units.temperature);
    switch (checkSizingEntry(rule, s_.sizing.box(box))) {
        case EntryCheck::Partial:
            return;
        case EntryCheck::Accepted:
            calculateSizing();
            return;
        case EntryCheck::Refused:
            s_.warning = CalculatorWarning{rule.prompt, rule.title};
            writeSizing(box, std::string(rule.resetText));
            s_.sizingFocus = box;
            return;
    }
}

const CalculatorState& Calculator::chooseUnknown(SizingUnknown unknown) {
    startEvent();
    if (unknown == s_.sizing.unknown) return s_;
    s_.sizing.unknown = unknown;
    calculateSizing();
    return s_;
}

const CalculatorState& Calculator::choosePressureUnit(PressureUnit unit) {
    startEvent();
    SizingUnits& units = s_.sizing.units;
    if (unit == units.pressure) return s_;
    for (const SizingBox box : {SizingBox::InletPressure, SizingBox::OutletPressure})
        convert(s_.sizing, box, [&](double gauge) { return gaugeIn(gauge, units.pressure, unit); });
    units.pressure = unit;
    calculateSizing();
    return s_;
}

const CalculatorState& Calculator::chooseTemperatureUnit(TemperatureUnit unit) {
    startEvent();
    SizingUnits& units = s_.sizing.units;
    if (unit == units.temperature) return s_;
    convert(s_.sizing, SizingBox::Temperature,
            [&](double t) { return temperatureFromRankine(rankineFrom(t, units.temperature), unit); });
    units.temperature = unit;
    calculateSizing();
    return s_;
}

const CalculatorState& Calculator::chooseFlowUnit(FlowUnit unit) {
    startEvent();
    SizingUnits& units = s_.sizing.units;
    if (unit == units.flow) return s_;
    if (const auto m = massForConversion(s_.specificGravity, units.flow, unit))
        convert(s_.sizing, SizingBox::Flow, [&](double flow) {
            return flowFromPoundsPerHour(poundsPerHourFrom(flow, units.flow, *m), unit, *m);
        });
    units.flow = unit;
    calculateSizing();
    return s_;
}

// Only while the method is chosen; the unknown's box shows the result, or nothing.
void Calculator::calculateSizing() {
    if (s_.method != CalculationMethod::Iec) return;
    SizingState& sizing = s_.sizing;
    sizing.outcome = tarvek::calculateSizing(s_.sizingTexts());
    ++sizing.calculations;
    sizing.box(resultBox(sizing.unknown)) = resultText(sizing.outcome, sizing.unknown, sizing.units);
}

}  // namespace tarvek
