#include "rules/quotes/quotation_lines.h"

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/pricing.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/part_numbers/part_number_text.h"

namespace tarvek {
namespace {

bool isOptionClick(const ConfiguratorEvent& event) { return !event.onList; }

ConfiguratorState replayed(const std::vector<ConfiguratorEvent>& events) {
    Configurator configurator;
    for (const ConfiguratorEvent& event : events) configurator.apply(event);
    return configurator.state();
}

bool sameConfiguration(const ConfiguratorState& a, const ConfiguratorState& b) {
    return a.partNumber == b.partNumber && a.listPrice == b.listPrice && descriptionOf(a) == descriptionOf(b);
}

// The lists from the top, then the options away from their defaults: how a user sets the
// page up from nothing.
std::vector<ConfiguratorEvent> choicesOf(const ConfiguratorState& state) {
    std::vector<ConfiguratorEvent> events;
    for (std::size_t list = 0; list < kListCount; ++list)
        if (state.lists[list].chosen >= 0)
            events.push_back(ConfiguratorEvent::choice(List(list), state.lists[list].chosen));
    for (const Option option : {Option::VespelSeat, Option::BleedSeat, Option::Black, Option::Green,
                                Option::Red, Option::White, Option::Yellow, Option::LeverHandle})
        if (state.option(option).checked) events.push_back(ConfiguratorEvent::click(option));
    return events;
}

std::string priceChange(Money saved, Money now) {
    return "list price " + decimalText(saved) + " is now " + decimalText(now);
}

}  // namespace

std::string descriptionOf(const ConfiguratorState& state) {
    std::string text;
    for (const DescriptionLine& line : describeConfiguration(state)) {
        if (!text.empty()) text += "; ";
        if (line.step >= Step::Connection1 && line.step <= Step::Connection4)
            text += std::to_string(std::size_t(line.step) - std::size_t(Step::Connection1) + 1) + ": ";
        text += line.text;
    }
    text.shrink_to_fit();  // kept by every line of a quote, of which there may be 100,000
    return text;
}

std::vector<ConfiguratorEvent> eventsReaching(const ConfiguratorState& state) {
    if (state.partNumber.empty()) return {};
    std::vector<ConfiguratorEvent> events = choicesOf(state);
    if (sameConfiguration(replayed(events), state)) return events;
    // A page reached some other way (an option clicked before a list was chosen again): the
    // decoder knows every configuration with this part number.
    for (const DecodedConfiguration& decoded : partNumberDecoder().decode(state.partNumber).configurations)
        if (sameConfiguration(decoded.state, state)) return decoded.events;
    return {};
}

std::string productPicture(const std::vector<ConfiguratorEvent>& events) {
    Configurator configurator;
    for (const ConfiguratorEvent& event : events) {
        // The porting shows its drawing, and the options their own pictures.
        if (isOptionClick(event) || event.list >= List::Porting) break;
        configurator.apply(event);
    }
    const ConfiguratorState& state = configurator.state();
    return state.pictureShown ? std::string(state.picture) : std::string();
}

QuotationLine lineOf(const ConfiguratorState& state, std::vector<ConfiguratorEvent> events) {
    QuotationLine line;
    line.partNumber = state.partNumber;
    line.description = descriptionOf(state);
    line.listPrice = state.listPrice.value_or(Money{});
    line.picture = productPicture(events);
    line.nonStandard = state.nonStandardBanner;
    line.events = std::move(events);
    return line;
}

std::optional<QuotationLine> lineForPartNumber(std::string_view partNumber, std::string* problem) {
    PartNumberDecoding decoded = partNumberDecoder().decode(partNumber);
    if (decoded.status == PartNumberDecoding::Status::Unknown || decoded.configurations.empty()) {
        if (problem) *problem = decoded.explanation;
        return std::nullopt;
    }
    DecodedConfiguration& first = decoded.configurations.front();
    return lineOf(first.state, std::move(first.events));
}

std::optional<ConfiguratorState> lineState(const QuotationLine& line) {
    if (line.partNumber.empty()) return std::nullopt;
    if (!line.events.empty()) {
        Configurator configurator;
        for (const ConfiguratorEvent& event : line.events) configurator.apply(event);
        return configurator.state();
    }
    const PartNumberDecoding decoded = partNumberDecoder().decode(line.partNumber);
    if (decoded.configurations.empty()) return std::nullopt;
    for (const DecodedConfiguration& configuration : decoded.configurations)
        if (descriptionOf(configuration.state) == line.description) return configuration.state;
    return decoded.configurations.front().state;
}

QuotationLine repriced(const QuotationLine& saved) {
    QuotationLine line = saved;
    line.change.clear();
    if (saved.partNumber.empty()) return line;  // a tag without a valve has nothing to price
    const PartNumberDecoding decoded = partNumberDecoder().decode(saved.partNumber);
    if (decoded.status == PartNumberDecoding::Status::Unknown || decoded.configurations.empty()) {
        line.events.clear();
        line.picture.clear();
        line.change = "part number no longer in the catalogue; the saved list price " +
                      decimalText(saved.listPrice) + " is kept";
        return line;
    }
    const DecodedConfiguration* chosen = &decoded.configurations.front();
    for (const DecodedConfiguration& configuration : decoded.configurations)
        if (descriptionOf(configuration.state) == saved.description) {
            chosen = &configuration;
            break;
        }
    QuotationLine now = lineOf(chosen->state, chosen->events);
    now.quantity = saved.quantity;
    now.discount = saved.discount;
    now.service = saved.service;
    now.proposed = saved.proposed;
    std::vector<std::string> changes;
    if (now.partNumber != saved.partNumber)
        changes.push_back("part number " + saved.partNumber + " is now " + now.partNumber);
    if (now.listPrice != saved.listPrice) changes.push_back(priceChange(saved.listPrice, now.listPrice));
    for (const std::string& change : changes) now.change += (now.change.empty() ? "" : "; ") + change;
    return now;
}

}  // namespace tarvek
