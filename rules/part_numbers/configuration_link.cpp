#include "rules/part_numbers/configuration_link.h"

#include <algorithm>

#include "rules/configurator/configuration_description.h"

namespace tarvek {
namespace {

constexpr char kRankMark = '~';

// Two states are the same configuration to a user when the page describes them alike.
bool sameConfiguration(const ConfiguratorState& a, const ConfiguratorState& b) {
    const auto x = describeConfiguration(a), y = describeConfiguration(b);
    return a.partNumber == b.partNumber && std::equal(x.begin(), x.end(), y.begin(), y.end(),
                                                      [](const DescriptionLine& l, const DescriptionLine& r) {
                                                          return l.step == r.step && l.text == r.text;
                                                      });
}

}  // namespace

std::string rankedLink(std::string_view partNumber, std::size_t index) {
    std::string link(partNumber);
    if (index > 0) link.append(1, kRankMark).append(std::to_string(index + 1));
    return link;
}

std::string configurationLink(const ConfiguratorState& state) {
    if (state.partNumber.empty()) return {};
    const PartNumberDecoding decoding = partNumberDecoder().decode(state.partNumber);
    for (std::size_t i = 0; i < decoding.configurations.size(); ++i)
        if (sameConfiguration(decoding.configurations[i].state, state))
            return rankedLink(state.partNumber, i);
    return {};
}

OpenedLink openConfigurationLink(std::string_view link) {
    std::optional<std::size_t> rank;
    if (const auto mark = link.rfind(kRankMark); mark != std::string_view::npos) {
        const std::string_view digits = link.substr(mark + 1);
        const bool number =
            !digits.empty() && digits.size() <= 9 &&
            std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (number) {
            rank = std::size_t(std::stoi(std::string(digits)));
            link = link.substr(0, mark);
        }
    }
    OpenedLink opened{partNumberDecoder().decode(link), {}, rank, 0};
    const auto& found = opened.decoding.configurations;
    // A rank the number does not have opens the first, which the answer says.
    if (rank && *rank >= 1 && *rank <= found.size()) opened.shown = *rank - 1;
    if (!found.empty()) opened.events = found[opened.shown].events;
    return opened;
}

}  // namespace tarvek
