#include "rules/configurator/configuration_description.h"

#include "rules/catalogue/product_types.h"

namespace tarvek {
namespace {

// Headings, notes, blank lines and the product-type separator can be chosen, but they name
// nothing: the model list's only reset, and no model segment is written.
bool namesAStep(const ConfiguratorState& s, List list) {
    const std::string_view entry = s.list(list).chosenText();
    if (entry.find_first_not_of(' ') == std::string_view::npos) return false;
    if (list == List::ProductType) return s.productFamily != ProductFamily::None;
    if (list == List::Model) return !s.record.model.code.empty();
    return true;
}

std::string_view checkedCaption(const ConfiguratorState& s, std::size_t first, std::size_t count) {
    for (std::size_t i = first; i < first + count; ++i)
        if (s.options[i].checked) return s.options[i].caption;
    return {};
}

}  // namespace

std::string_view stepText(const ConfiguratorState& s, Step step) {
    const auto i = std::size_t(step);
    if (i < kListCount) return namesAStep(s, List(i)) ? s.lists[i].chosenText() : std::string_view();
    // An option group counts while its frame is open, or when the model fixed its choice
    // with the frame closed (the Vespel seat of the very high pressure valves).
    switch (step) {
        case Step::Seat:
            return s.seatFrameActive || !s.record.seat.code.empty() ? checkedCaption(s, 0, kSeatButtons)
                                                                    : std::string_view();
        case Step::HandleColour:
            return s.colourFrameActive || !s.record.handleColour.code.empty()
                       ? checkedCaption(s, kSeatButtons, kColourButtons)
                       : std::string_view();
        case Step::LeverHandle:
            return s.option(Option::LeverHandle).checked ? s.option(Option::LeverHandle).caption
                                                         : std::string_view();
        default:
            return {};
    }
}

std::vector<DescriptionLine> describeConfiguration(const ConfiguratorState& s) {
    std::vector<DescriptionLine> lines;
    for (std::size_t i = 0; i < kStepCount; ++i)
        if (const std::string_view text = stepText(s, Step(i)); !text.empty())
            lines.push_back({Step(i), text});
    return lines;
}

}  // namespace tarvek
