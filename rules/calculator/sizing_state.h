// What the sizing by the standard holds beside the catalogue's calculator: the unknown to
// solve for, the units, its own input boxes and the outcome of its last calculation.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "rules/calculator/sizing_boxes.h"
#include "rules/calculator/sizing_calculation.h"

namespace tarvek {

// A text a change of unit wrote, with the value it stands for: converting it again starts
// from the value, so that a unit chosen and chosen back gives the text that was typed.
struct ConvertedText {
    std::string text;
    double value = 0;

    friend bool operator==(const ConvertedText&, const ConvertedText&) = default;
};

// The catalogue's own formula, or IEC 60534-2-1.
enum class CalculationMethod { Catalogue, Iec };

struct SizingState {
    SizingUnknown unknown = SizingUnknown::Flow;
    SizingUnits units;
    // In the order of SizingBox. The unknown's box holds its result, or nothing.
    std::array<std::string, kSizingBoxCount> boxes = [] {
        std::array<std::string, kSizingBoxCount> texts;
        const auto start = sizingStartTexts();
        for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::string(start[i]);
        return texts;
    }();
    std::array<std::optional<ConvertedText>, kSizingBoxCount> converted;
    SizingOutcome outcome;  // of the last calculation
    unsigned calculations = 0;
    // The case boxes take the catalogue's inputs when the method is first chosen.
    bool takenFromCatalogue = false;

    const std::string& box(SizingBox b) const { return boxes[std::size_t(b)]; }
    std::string& box(SizingBox b) { return boxes[std::size_t(b)]; }
    // The unknown's box shows a result and is not typed into.
    bool typed(SizingBox b) const { return b != resultBox(unknown); }

    friend bool operator==(const SizingState&, const SizingState&) = default;
};

}  // namespace tarvek
