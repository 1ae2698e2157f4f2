#include "catalogue/configuration_description.h"

namespace tarvek {
namespace {

std::string_view checkedCaption(const ConfiguratorState& s, std::size_t first, std::size_t count) {
    for (std::size_t i = first; i < first + count; ++i)
        if (s.options[i].checked) return s.options[i].caption;
    return {};
}

// Headings, notes, separators and blank lines of a list begin with a dash or are empty:
// choosing one chooses nothing.
bool isHeading(std::string_view entry) { return entry.empty() || entry.starts_with('-'); }

}  // namespace

std::string_view stepText(const ConfiguratorState& s, Step step) {
    const auto i = std::size_t(step);
    if (i < kListCount) return isHeading(s.lists[i].chosenText()) ? std::string_view() : s.lists[i].chosenText();
    switch (step) {
        case Step::Seat:  // open for the user, or fixed by the model as on very high pressure valves
            return s.seatFrameActive || !s.record.lblPNOptionsSeat.empty() ? checkedCaption(s, 0, kSeatButtons)
                                                                            : std::string_view();
        case Step::Handle:
            return s.colourFrameActive ? checkedCaption(s, kSeatButtons, kColourButtons) : std::string_view();
        case Step::Lever:
            return s.option(Option::chkLS).checked ? s.option(Option::chkLS).caption : std::string_view();
        default:
            return {};
    }
}

std::vector<DescriptionLine> describeConfiguration(const ConfiguratorState& s) {
    std::vector<DescriptionLine> lines;
    for (std::size_t i = 0; i < kStepCount; ++i)
        if (const std::string_view text = stepText(s, Step(i)); !text.empty()) lines.push_back({Step(i), text});
    return lines;
}

}  // namespace tarvek
