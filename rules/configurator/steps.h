// The steps of a configuration in the order the page offers them: the eight lists, then the
// seat, the handle colour and the lever handle; the part-number segment each step writes.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "rules/configurator/configurator_state.h"

namespace tarvek {

enum class Step {
    ProductType,
    Body,
    Model,
    Porting,
    Connection1,
    Connection2,
    Connection3,
    Connection4,
    Seat,
    HandleColour,
    LeverHandle,
};
inline constexpr std::size_t kStepCount = 11;

// The captions of the page: the lists' labels, and names for the option groups.
inline constexpr std::array<std::string_view, kStepCount> kStepNames = {
    "Product Type", "Body Type",    "Model / Series", "Porting Style", "Connection 1", "Connection 2",
    "Connection 3", "Connection 4", "Seat / Seal",    "Handle Color",  "Lever Handle"};

constexpr bool isListStep(Step step) { return std::size_t(step) < kListCount; }
constexpr List listOf(Step step) { return List(std::size_t(step)); }
constexpr Step connectionStep(std::size_t position) {
    return Step(std::size_t(Step::Connection1) + position);
}

// The segment a step from the porting on writes (the first three write the model and body
// segments between them).
constexpr Segment segmentOf(Step step) {
    switch (step) {
        case Step::Seat:
            return Segment::Seat;
        case Step::HandleColour:
            return Segment::HandleColour;
        case Step::LeverHandle:
            return Segment::LeverHandle;
        default:
            return Segment(std::size_t(step) - std::size_t(Step::Porting) + std::size_t(Segment::Porting));
    }
}

// The option buttons of an option step.
struct OptionGroup {
    std::size_t first, count;
};
constexpr OptionGroup optionGroupOf(Step step) {
    switch (step) {
        case Step::Seat:
            return {std::size_t(Option::StandardSeat), kSeatButtons};
        case Step::HandleColour:
            return {std::size_t(Option::StandardColour), kColourButtons};
        case Step::LeverHandle:
            return {std::size_t(Option::LeverHandle), 1};
        default:
            return {0, 0};
    }
}

}  // namespace tarvek
