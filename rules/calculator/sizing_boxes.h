// The input boxes of the sizing by the standard and their checks, as the catalogue's boxes
// check theirs: partial entries let stand while a number is typed, the numeric test, a
// range, and what a refusal says and leaves. The temperature's and the pressures' bounds
// follow their unit.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "rules/calculator/input_validation.h"
#include "rules/calculator/sizing_units.h"

namespace tarvek {

enum class SizingBox {
    Temperature,
    InletPressure,
    OutletPressure,
    Cv,
    Flow,
    Xt,
    Compressibility,
    Viscosity,      // cP
    InletDiameter,  // mm
    Fd,
    Fl,
};
inline constexpr std::size_t kSizingBoxCount = 11;

struct SizingBoxRule {
    SizingBox box;
    std::span<const std::string_view> partialEntries;
    Bound lowBound;  // Above or AtLeast
    double low;
    std::optional<double> atMost;
    std::string_view prompt;
    std::string_view title;
    std::string_view resetText;
};

// The rule of a box with the units chosen.
const SizingBoxRule& sizingBoxRule(SizingBox box, PressureUnit pressure, TemperatureUnit temperature);

EntryCheck checkSizingEntry(const SizingBoxRule& rule, std::string_view text);

// What each box starts with: xT 0.5 and Z 1, the rest empty.
std::array<std::string_view, kSizingBoxCount> sizingStartTexts();

}  // namespace tarvek
