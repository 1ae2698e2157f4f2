#include "rules/part_numbers/link_answer.h"

#include "rules/configurator/configuration_description.h"

namespace tarvek {
namespace {

// The steps in which the configurations of one number differ.
std::vector<Step> differingSteps(const std::vector<DecodedConfiguration>& found) {
    std::vector<Step> steps;
    for (std::size_t i = 0; i < kStepCount; ++i) {
        const std::string_view first = stepText(found.front().state, Step(i));
        for (const DecodedConfiguration& c : found)
            if (stepText(c.state, Step(i)) != first) {
                steps.push_back(Step(i));
                break;
            }
    }
    return steps;
}

// "configuration 2 of 2: Connection 1 “M - …”, Connection 2 “8 - …”"
std::string described(const std::vector<DecodedConfiguration>& found, std::size_t index,
                      const std::vector<Step>& steps) {
    std::string text = "configuration " + std::to_string(index + 1) + " of " + std::to_string(found.size());
    const char* between = ": ";
    for (const Step step : steps) {
        const std::string_view chosen = stepText(found[index].state, step);
        text.append(between);
        if (chosen.empty())
            text.append("no ").append(kStepNames[std::size_t(step)]);
        else
            text.append(kStepNames[std::size_t(step)]).append(" \u201c").append(chosen).append("\u201d");
        between = ", ";
    }
    return text;
}

}  // namespace

LinkAnswer linkAnswer(const OpenedLink& opened) {
    const std::vector<DecodedConfiguration>& found = opened.decoding.configurations;
    LinkAnswer answer;
    if (found.empty()) return answer;
    const std::string& partNumber = found[opened.shown].state.partNumber;
    const bool rankMissing = opened.rank && (*opened.rank < 1 || *opened.rank > found.size());
    if (rankMissing)
        answer.text = partNumber + " has no configuration ~" + std::to_string(*opened.rank) + ": ";
    if (found.size() == 1) {
        if (rankMissing) answer.text += "one configuration gives it, and it is shown.";
        return answer;
    }
    const std::vector<Step> steps = differingSteps(found);
    answer.text += std::to_string(found.size()) + " configurations give " +
                   (rankMissing ? "it" : partNumber) + "; this is " + described(found, opened.shown, steps) +
                   ".";
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (i == opened.shown) continue;
        answer.others.push_back({rankedLink(partNumber, i), "Show " + described(found, i, steps)});
    }
    return answer;
}

}  // namespace tarvek
