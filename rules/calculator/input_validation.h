// The checks of the calculator's six input boxes: the partial entries let stand while a
// number is typed, the numeric test, each box's bound, and what a refusal says and leaves.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tarvek {

enum class CalculatorBox { Temperature, InletPressure, OutletPressure, Cv, MassFlow, XtFactor };

enum class Bound { Above, AtLeast, AtMost };

struct BoxRule {
    CalculatorBox box;
    std::span<const std::string_view> partialEntries;
    Bound bound;
    double limit;
    std::string_view prompt;
    std::string_view title;
    std::string_view resetText;
};

inline constexpr std::string_view kSignedPartialEntries[] = {"", "-", ".", "-."};
inline constexpr std::string_view kUnsignedPartialEntries[] = {"", "."};

// In the order of CalculatorBox.
inline constexpr std::array<BoxRule, 6> kBoxRules = {{
    {CalculatorBox::Temperature, kSignedPartialEntries, Bound::Above, -460,
     "Number must be greater than -460", "Invalid Temperature Value", ""},
    {CalculatorBox::InletPressure, kSignedPartialEntries, Bound::AtLeast, -14.7,
     "Number must be greater than or equal to -14.7", "Invalid Pressure Value", ""},
    {CalculatorBox::OutletPressure, kSignedPartialEntries, Bound::AtLeast, -14.7,
     "Number must be greater than or equal to -14.7", "Invalid Pressure Value", ""},
    {CalculatorBox::Cv, kUnsignedPartialEntries, Bound::AtLeast, 0,
     "Number must be greater than or equal to 0", "Invalid Cv Value", ""},
    {CalculatorBox::MassFlow, kUnsignedPartialEntries, Bound::AtLeast, 0,
     "Number must be greater than or equal to 0", "Invalid Flow Value", ""},
    // No lower bound: the calculation puts 0.001 in place of an Xt of 0 or less.
    {CalculatorBox::XtFactor, kUnsignedPartialEntries, Bound::AtMost, 1,
     "Number must be greater than 0 and less than or equal to 1", "Invalid Xt Factor Value", "0.47"},
}};

static_assert([] {
    for (std::size_t i = 0; i < kBoxRules.size(); ++i)
        if (kBoxRules[i].box != static_cast<CalculatorBox>(i)) return false;
    return true;
}());

constexpr const BoxRule& boxRule(CalculatorBox box) { return kBoxRules[static_cast<std::size_t>(box)]; }

// An optional sign, digits with at most one period (at least one digit), an optional
// exponent (E or e, optional sign, digits); blanks around it are allowed.
bool isNumeric(std::string_view text);

enum class EntryCheck { Partial, Accepted, Refused };

EntryCheck checkEntry(const BoxRule& rule, std::string_view text);

}  // namespace tarvek
