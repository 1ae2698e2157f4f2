#include "rules/calculator/sizing_boxes.h"

#include <algorithm>

#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

// Until the valve's own xT is typed: a middle value for small diaphragm and globe valves,
// with which air chokes at half the inlet pressure, next to the critical pressure ratio
// 0.528 that the catalogue's own formula takes for k = 1.4.
constexpr std::string_view kDefaultXt = "0.5";

constexpr std::string_view kZeroOrMore = "Number must be greater than or equal to 0";
constexpr std::string_view kZeroToOne =
    "Number must be greater than or equal to 0 and less than or equal to 1";
constexpr std::string_view kPressureTitle = "Invalid Pressure Value";

// Boxes whose rule is the same in every unit, in the order of SizingBox from Cv on. A value
// of 0 passes the box: the calculation then says why there is no result.
constexpr std::array<SizingBoxRule, 6> kFixedRules = {{
    {SizingBox::Cv, kUnsignedPartialEntries, Bound::AtLeast, 0, std::nullopt, kZeroOrMore, "Invalid Cv Value",
     ""},
    {SizingBox::Flow, kUnsignedPartialEntries, Bound::AtLeast, 0, std::nullopt, kZeroOrMore,
     "Invalid Flow Value", ""},
    {SizingBox::Xt, kUnsignedPartialEntries, Bound::AtLeast, 0, 1, kZeroToOne, "Invalid xT Value",
     kDefaultXt},
    {SizingBox::Compressibility, kUnsignedPartialEntries, Bound::AtLeast, 0, std::nullopt, kZeroOrMore,
     "Invalid Compressibility Value", "1"},
    {SizingBox::Viscosity, kUnsignedPartialEntries, Bound::AtLeast, 0, std::nullopt, kZeroOrMore,
     "Invalid Viscosity Value", ""},
    {SizingBox::InletDiameter, kUnsignedPartialEntries, Bound::AtLeast, 0, std::nullopt, kZeroOrMore,
     "Invalid Diameter Value", ""},
}};
static_assert([] {
    for (std::size_t i = 0; i < kFixedRules.size(); ++i)
        if (kFixedRules[i].box != SizingBox(std::size_t(SizingBox::Cv) + i)) return false;
    return true;
}());
constexpr SizingBoxRule kFdRule{
    SizingBox::Fd, kUnsignedPartialEntries, Bound::AtLeast, 0, 1, kZeroToOne, "Invalid Fd Value", ""};
constexpr SizingBoxRule kFlRule{
    SizingBox::Fl, kUnsignedPartialEntries, Bound::AtLeast, 0, 1, kZeroToOne, "Invalid FL Value", ""};

// Above absolute zero, in each temperature unit.
constexpr std::array<SizingBoxRule, 2> kTemperatureRules = {{
    {SizingBox::Temperature, kSignedPartialEntries, Bound::Above, kAbsoluteZeroFahrenheit, std::nullopt,
     "Number must be greater than -459.67", "Invalid Temperature Value", ""},
    {SizingBox::Temperature, kSignedPartialEntries, Bound::Above, kAbsoluteZeroCelsius, std::nullopt,
     "Number must be greater than -273.15", "Invalid Temperature Value", ""},
}};

// Vacuum or above, in each pressure unit (vacuum as its gauge reading is written); the
// calculation says when an inlet at vacuum, or an outlet there, gives no flow.
struct PressureRules {
    SizingBoxRule inlet, outlet;
};
constexpr PressureRules pressureRules(double vacuum, std::string_view prompt) {
    return {{SizingBox::InletPressure, kSignedPartialEntries, Bound::AtLeast, vacuum, std::nullopt, prompt,
             kPressureTitle, ""},
            {SizingBox::OutletPressure, kSignedPartialEntries, Bound::AtLeast, vacuum, std::nullopt, prompt,
             kPressureTitle, ""}};
}
constexpr std::array<PressureRules, 3> kPressureRules = {
    pressureRules(-14.696, "Number must be greater than or equal to -14.696"),
    pressureRules(-1.01325, "Number must be greater than or equal to -1.01325"),
    pressureRules(-101.325, "Number must be greater than or equal to -101.325"),
};

bool meetsRange(const SizingBoxRule& rule, double value) {
    const bool low = rule.lowBound == Bound::Above ? value > rule.low : value >= rule.low;
    return low && (!rule.atMost || value <= *rule.atMost);
}

}  // namespace

const SizingBoxRule& sizingBoxRule(SizingBox box, PressureUnit pressure, TemperatureUnit temperature) {
    switch (box) {
        case SizingBox::Temperature:
            return kTemperatureRules[std::size_t(temperature)];
        case SizingBox::InletPressure:
            return kPressureRules[std::size_t(pressure)].inlet;
        case SizingBox::OutletPressure:
            return kPressureRules[std::size_t(pressure)].outlet;
        case SizingBox::Fd:
            return kFdRule;
        case SizingBox::Fl:
            return kFlRule;
        default:
            return kFixedRules[std::size_t(box) - std::size_t(SizingBox::Cv)];
    }
}

EntryCheck checkSizingEntry(const SizingBoxRule& rule, std::string_view text) {
    if (std::find(rule.partialEntries.begin(), rule.partialEntries.end(), text) != rule.partialEntries.end())
        return EntryCheck::Partial;
    return isNumeric(text) && meetsRange(rule, leadingNumber(text)) ? EntryCheck::Accepted
                                                                    : EntryCheck::Refused;
}

std::array<std::string_view, kSizingBoxCount> sizingStartTexts() {
    std::array<std::string_view, kSizingBoxCount> texts{};
    texts[std::size_t(SizingBox::Xt)] = kDefaultXt;
    texts[std::size_t(SizingBox::Compressibility)] = "1";
    return texts;
}

}  // namespace tarvek
