#include "rules/calculator/sizing_calculation.h"

#include <algorithm>

#include "rules/calculator/flow_units.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

constexpr SizingBox kReynoldsBoxes[] = {SizingBox::Viscosity, SizingBox::InletDiameter, SizingBox::Fd,
                                        SizingBox::Fl};

SizingInput inputOf(SizingBox box) {
    return SizingInput(std::size_t(box) + std::size_t(SizingInput::Temperature));
}

double number(const SizingTexts& t, SizingBox box) { return leadingNumber(t.boxes[std::size_t(box)]); }

bool reynoldsAsked(const SizingTexts& t) {
    return std::any_of(std::begin(kReynoldsBoxes), std::end(kReynoldsBoxes),
                       [&](SizingBox b) { return !t.boxes[std::size_t(b)].empty(); });
}

}  // namespace

SizingBox resultBox(SizingUnknown unknown) {
    switch (unknown) {
        case SizingUnknown::Flow:
            return SizingBox::Flow;
        case SizingUnknown::Cv:
            return SizingBox::Cv;
        case SizingUnknown::OutletPressure:
            return SizingBox::OutletPressure;
    }
    return SizingBox::Flow;
}

std::string_view unknownText(SizingUnknown unknown) {
    switch (unknown) {
        case SizingUnknown::Flow:
            return "Flow";
        case SizingUnknown::Cv:
            return "Cv";
        case SizingUnknown::OutletPressure:
            return "Outlet pressure";
    }
    return {};
}

std::string_view inputName(SizingInput input) {
    switch (input) {
        case SizingInput::Gas:
            return "gas";
        case SizingInput::SpecificHeat:
            return "k of the gas";
        case SizingInput::Temperature:
            return "temperature";
        case SizingInput::InletPressure:
            return "inlet pressure";
        case SizingInput::OutletPressure:
            return "outlet pressure";
        case SizingInput::Cv:
            return "Cv";
        case SizingInput::Flow:
            return "flow";
        case SizingInput::Xt:
            return "xT";
        case SizingInput::Compressibility:
            return "Z";
        case SizingInput::Viscosity:
            return "viscosity";
        case SizingInput::InletDiameter:
            return "inlet diameter";
        case SizingInput::Fd:
            return "Fd";
        case SizingInput::Fl:
            return "FL";
    }
    return {};
}

std::vector<SizingInput> missingSizingInputs(const SizingTexts& t) {
    std::vector<SizingInput> missing;
    if (!(leadingNumber(t.specificGravity) > 0)) missing.push_back(SizingInput::Gas);
    if (t.specificHeat.empty()) missing.push_back(SizingInput::SpecificHeat);
    const SizingBox unknown = resultBox(t.unknown);
    const bool reynolds = reynoldsAsked(t);
    for (std::size_t i = 0; i < kSizingBoxCount; ++i) {
        const SizingBox box = SizingBox(i);
        const bool optional = std::find(std::begin(kReynoldsBoxes), std::end(kReynoldsBoxes), box) !=
                                  std::end(kReynoldsBoxes) &&
                              !reynolds;
        if (box != unknown && !optional && t.boxes[i].empty()) missing.push_back(inputOf(box));
    }
    return missing;
}

std::optional<SizingRequest> sizingRequest(const SizingTexts& t) {
    if (!missingSizingInputs(t).empty()) return std::nullopt;
    SizingRequest r;
    r.unknown = t.unknown;
    IecCase& c = r.conditions;
    c.gas.specificGravity = leadingNumber(t.specificGravity);
    c.gas.k = leadingNumber(t.specificHeat);
    c.gas.z = number(t, SizingBox::Compressibility);
    c.gas.temperature = rankineFrom(number(t, SizingBox::Temperature), t.units.temperature);
    c.xt = number(t, SizingBox::Xt);
    if (reynoldsAsked(t))
        c.reynolds = ReynoldsInputs{number(t, SizingBox::Viscosity), number(t, SizingBox::InletDiameter),
                                    number(t, SizingBox::Fd), number(t, SizingBox::Fl)};
    c.inlet = psiaFromGauge(number(t, SizingBox::InletPressure), t.units.pressure);
    if (t.unknown != SizingUnknown::OutletPressure)
        c.outlet = psiaFromGauge(number(t, SizingBox::OutletPressure), t.units.pressure);
    if (t.unknown != SizingUnknown::Cv) r.cv = number(t, SizingBox::Cv);
    if (t.unknown != SizingUnknown::Flow)
        r.massFlow =
            poundsPerHourFrom(number(t, SizingBox::Flow), t.units.flow, molecularMass(c.gas.specificGravity));
    return r;
}

SizingOutcome solve(const SizingRequest& r) {
    IecOutcome found;
    switch (r.unknown) {
        case SizingUnknown::Flow:
            found = iecFlow(r.conditions, r.cv);
            break;
        case SizingUnknown::Cv:
            found = iecCv(r.conditions, r.massFlow);
            break;
        case SizingUnknown::OutletPressure:
            found = iecOutlet(r.conditions, r.cv, r.massFlow);
            break;
    }
    return {{}, found.gap, found.mostFlow, found.sizing, molecularMass(r.conditions.gas.specificGravity)};
}

SizingOutcome calculateSizing(const SizingTexts& texts) {
    if (const auto request = sizingRequest(texts)) return solve(*request);
    SizingOutcome outcome;
    outcome.missing = missingSizingInputs(texts);
    return outcome;
}

std::string sizingValueText(double value) { return unitValueText(value); }

std::string resultText(const SizingOutcome& outcome, SizingUnknown unknown, const SizingUnits& units) {
    if (!outcome.ok()) return {};
    const IecSizing& s = *outcome.sizing;
    switch (unknown) {
        case SizingUnknown::Flow:
            return sizingValueText(flowFromPoundsPerHour(s.massFlow, units.flow, outcome.molecularMass));
        case SizingUnknown::Cv:
            return sizingValueText(s.cv);
        case SizingUnknown::OutletPressure:
            return sizingValueText(gaugeFromPsia(s.outlet, units.pressure));
    }
    return {};
}

}  // namespace tarvek
