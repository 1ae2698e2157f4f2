#include "rules/part_numbers/part_number_decoder.h"

#include <algorithm>

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/orderable_configurations.h"
#include "rules/part_numbers/part_number_text.h"

namespace tarvek {
namespace {

// The steps after a model, in the order the search takes them.
enum Stage {
    AtPorting,
    AtConnection1,
    AtConnection2,
    AtConnection3,
    AtConnection4,
    AtSeat,
    AtColour,
    AtLever,
    Done
};
constexpr Step kStepOf[] = {Step::Porting,     Step::Connection1, Step::Connection2,  Step::Connection3,
                            Step::Connection4, Step::Seat,        Step::HandleColour, Step::LeverHandle};
constexpr std::string_view kStageNames[] = {"a porting",      "connection 1",    "connection 2",
                                            "connection 3",   "connection 4",    "a seat or seal",
                                            "a handle color", "the lever handle"};

// The part-number segment a stage writes, and the one before it.
Segment segmentOf(Stage stage) { return tarvek::segmentOf(kStepOf[stage]); }
Segment segmentBefore(Stage stage) { return Segment(std::size_t(segmentOf(stage)) - 1); }

// A part number of the catalogue read as a typed one is: its codes are plain ASCII, so only
// the case needs reading.
std::string readAs(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return text;
}

// Whether a part number read so far can still become the text: the text begins with it, or it
// is the whole text and then only blanks of its own ("M " in position 4), which a typed
// number loses to the trimming around it.
bool beginsLike(std::string_view target, std::string_view prefix) {
    if (target.starts_with(prefix)) return true;
    return prefix.starts_with(target) &&
           prefix.find_first_not_of(' ', target.size()) == std::string_view::npos;
}

bool readsAs(std::string_view target, std::string_view partNumber) {
    return beginsLike(target, partNumber) && partNumber.size() >= target.size();
}

std::size_t commonLength(std::string_view a, std::string_view b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

// The part number through one of its segments.
std::string readThrough(const ConfigurationRecord& r, Segment last) {
    return readAs(partNumberThrough(r, last));
}

// The events a stage offers in a state: every entry of its list, or every option that
// answers and is not already selected.
std::vector<ConfiguratorEvent> alternatives(const Configurator& c, Stage stage) {
    std::vector<ConfiguratorEvent> events = choicesAt(c, kStepOf[stage]);
    std::erase_if(
        events, [&](const ConfiguratorEvent& e) { return !e.onList && c.state().option(e.option).checked; });
    return events;
}

// What each choice a stage offers writes into its segment.
std::vector<std::pair<ConfiguratorEvent, std::string>> codes(const Configurator& c, Stage stage) {
    std::vector<std::pair<ConfiguratorEvent, std::string>> result;
    for (const ConfiguratorEvent& event : alternatives(c, stage)) {
        Configurator next = c;
        next.apply(event);
        result.emplace_back(event, next.state().record[segmentOf(stage)].code);
    }
    return result;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : std::string(separator)) + part;
    return text;
}

}  // namespace

struct PartNumberDecoder::Search {
    explicit Search(const std::string& text) : target(text) {}

    const std::string& target;
    std::vector<DecodedConfiguration> found;
    std::vector<ConfiguratorEvent> events;
    // The deepest point the text was read to, and the stage the search stood at there.
    std::size_t bestLength = 0;
    bool understoodSome = false;
    Configurator best;
    Stage bestStage = AtPorting;

    bool reads(const Configurator& m, std::string_view prefix, Stage next) {
        if (!beginsLike(target, prefix)) return false;
        if (prefix.size() > bestLength || !understoodSome) {
            bestLength = std::min(prefix.size(), target.size());
            best = m;
            understoodSome = true;
            bestStage = next;
        }
        return true;
    }

    const Stem* stem = nullptr;

    void fromStem(const Stem& from) {
        stem = &from;
        events = from.events;
        if (!reads(from.configurator, from.prefix, AtPorting)) return;
        explore(from.configurator, nullptr, AtConnection1);  // no porting: straight to the options
        for (const PortingStem& porting : from.portings) {
            if (!reads(porting.configurator, porting.prefix, AtConnection1)) continue;
            events.push_back(porting.event);
            explore(porting.configurator, &porting, AtConnection1);
            events.pop_back();
        }
    }

    // Each stage after the porting is either left as it is or taken with one of its choices.
    void explore(const Configurator& m, const PortingStem* porting, Stage stage) {
        // What is decided so far, connections left unchosen included, must read like the text.
        if (!reads(m, readThrough(m.state().record, segmentOf(Stage(stage - 1))), stage)) return;
        if (stage == Done) {
            if (readsAs(target, readAs(m.state().partNumber))) found.push_back({events, m.state()});
            return;
        }
        explore(m, porting, Stage(stage + 1));
        const bool connection = stage <= AtConnection4;
        if (connection && !porting) return;
        // Each choice's code is known from the index, so most are passed over unapplied.
        const std::string before = readThrough(m.state().record, segmentBefore(stage));
        for (const auto& [event, code] : connection ? porting->connectionCodes[stage - AtConnection1]
                                                    : stem->optionCodes[stage - AtSeat]) {
            if (!beginsLike(target, readAs(before + code))) continue;
            Configurator next = m;
            next.apply(event);
            if (next.state().record == m.state().record) continue;
            if (!reads(next, readThrough(next.state().record, segmentOf(stage)), Stage(stage + 1))) continue;
            events.push_back(event);
            explore(next, porting, Stage(stage + 1));
            events.pop_back();
        }
    }
};

PartNumberDecoder::PartNumberDecoder() {
    for (ProductStem& product : productStems()) {
        const Configurator& c = product.configurator;
        Stem stem{std::move(product.events), c, readThrough(c.state().record, Segment::Body), {}, {}};
        for (const ConfiguratorEvent& event : alternatives(c, AtPorting)) {
            PortingStem porting{event, c, {}, {}};
            porting.configurator.apply(event);
            porting.prefix = readThrough(porting.configurator.state().record, segmentOf(AtPorting));
            for (int p = AtConnection1; p <= AtConnection4; ++p)
                porting.connectionCodes[std::size_t(p - AtConnection1)] =
                    codes(porting.configurator, Stage(p));
            stem.portings.push_back(std::move(porting));
        }
        for (int o = AtSeat; o <= AtLever; ++o)
            stem.optionCodes[std::size_t(o - AtSeat)] = codes(c, Stage(o));
        stems_.push_back(std::move(stem));
    }
}

PartNumberDecoding PartNumberDecoder::decode(std::string_view text) const {
    PartNumberDecoding result;
    result.partNumber = normalizedPartNumber(text);
    if (result.partNumber.empty()) {
        result.explanation = "No part number given.";
        return result;
    }
    Search search(result.partNumber);
    for (const Stem& stem : stems_)
        if (!stem.prefix.empty()) search.fromStem(stem);

    // The same configuration reached twice is one; keep the shorter way to it.
    auto& found = search.found;
    std::stable_sort(found.begin(), found.end(),
                     [](const DecodedConfiguration& a, const DecodedConfiguration& b) {
                         if (a.events.size() != b.events.size()) return a.events.size() < b.events.size();
                         return a.state.listPrice < b.state.listPrice;
                     });
    const auto sameConfiguration = [](const ConfiguratorState& a, const ConfiguratorState& b) {
        if (a.record != b.record) return false;
        for (std::size_t step = 0; step < kStepCount; ++step)
            if (stepText(a, Step(step)) != stepText(b, Step(step))) return false;
        return true;
    };
    for (const DecodedConfiguration& candidate : found) {
        const bool seen =
            std::any_of(result.configurations.begin(), result.configurations.end(),
                        [&](const auto& kept) { return sameConfiguration(kept.state, candidate.state); });
        if (!seen) result.configurations.push_back(candidate);
    }
    if (!result.configurations.empty()) {
        result.status = result.configurations.size() == 1 ? PartNumberDecoding::Status::Ok
                                                          : PartNumberDecoding::Status::Ambiguous;
        return result;
    }

    result.explanation = explain(result.partNumber, search);
    if (search.understoodSome) result.understood = result.partNumber.substr(0, search.bestLength);
    return result;
}

// Not a part number of the catalogue: what goes wrong first and what the catalogue offers
// there, then how far the text was understood.
std::string PartNumberDecoder::explain(const std::string& text, const Search& search) const {
    // Where the text reads like the beginning of a product, and what could go on from there:
    // "A310-MX" is the beginning of A310-MX1 …, "A310 MX2" leaves the catalogue after "A310".
    std::size_t reach = 0;
    for (const Stem& stem : stems_) {
        reach = std::max(reach, commonLength(stem.prefix, text));
        for (const PortingStem& porting : stem.portings)
            reach = std::max(reach, commonLength(porting.prefix, text));
    }
    std::vector<std::string> goesOn;
    const auto addGoingOn = [&](const std::string& prefix) {
        if (prefix.size() <= reach || commonLength(prefix, text) < reach) return;
        std::string continuation = reach == text.size() ? prefix : prefix.substr(reach);
        if (std::find(goesOn.begin(), goesOn.end(), continuation) == goesOn.end())
            goesOn.push_back(continuation);
    };
    if (reach > search.bestLength || !search.understoodSome || search.bestLength < text.size()) {
        for (const Stem& stem : stems_) {
            if (!stem.prefix.empty()) addGoingOn(stem.prefix);
            if (stem.prefix.size() <= reach)
                for (const PortingStem& porting : stem.portings) addGoingOn(porting.prefix);
        }
    }
    constexpr std::size_t kShown = 8;
    const auto someOf = [&](std::vector<std::string> items) {
        const bool more = items.size() > kShown;
        items.resize(std::min(items.size(), kShown));
        return joined(items, ", ") + (more ? ", …" : "");
    };
    const std::string reached = "\"" + displayable(std::string_view(text).substr(0, reach), 40) + "\"";

    if (!goesOn.empty() && reach == text.size())
        return "\"" + displayable(text, 40) + "\" is not a whole part number: the catalogue goes on with " +
               someOf(goesOn) + ".";
    if (!search.understoodSome) {
        if (reach > 0 && !goesOn.empty())
            return "\"" + displayable(std::string_view(text).substr(reach), 24) + "\" is not what follows " +
                   reached + " in the catalogue, which goes on with " + someOf(goesOn) + ".";
        std::vector<std::string> examples;  // the first model of each product type
        ConfiguratorEvent lastType;
        for (const Stem& stem : stems_) {
            const std::string_view code = stem.configurator.state().record.model.code;
            if (!code.empty() && (examples.empty() || stem.events[0] != lastType))
                examples.push_back(std::string(code));
            if (!code.empty()) lastType = stem.events[0];
        }
        return "No part number of the catalogue begins like \"" + displayable(text, 24) +
               "\"; part numbers begin with a model code, such as " + joined(examples, ", ") + ".";
    }

    const std::string understood = "\"" + text.substr(0, search.bestLength) + "\"";
    const std::string rest = displayable(std::string_view(text).substr(search.bestLength), 24);
    std::vector<std::string> steps;
    for (const DescriptionLine& line : describeConfiguration(search.best.state()))
        steps.push_back(std::string(line.text));
    const std::string readsAsText = understood + " reads as " + joined(steps, " / ") + ".";

    // The choices the catalogue offers from where the text was understood.
    std::vector<std::string> offers;
    Configurator example = search.best;  // a whole number of the catalogue from there
    bool connectionsMissing = false;
    for (int stage = search.bestStage; stage < Done; ++stage) {
        std::vector<std::string> codes;
        const std::vector<ConfiguratorEvent> choices = alternatives(search.best, Stage(stage));
        for (const ConfiguratorEvent& event : choices) {
            Configurator next = search.best;
            next.apply(event);
            const std::string code(next.state().record[segmentOf(Stage(stage))].code);
            if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
                codes.push_back(code);
        }
        const bool connection = stage >= AtConnection1 && stage <= AtConnection4;
        if (connection && !choices.empty()) {
            connectionsMissing = true;
            example.apply(choices.front());
        }
        if (codes.empty()) continue;
        if (connection)
            codes.push_back(std::string(search.best.state().record[segmentOf(Stage(stage))].code) +
                            " when not chosen");
        offers.push_back(std::string(kStageNames[stage]) + " (" + joined(codes, ", ") + ")");
    }

    if (rest.empty() && connectionsMissing)
        return understood + " is not a whole part number: the connections follow, one code for each of the " +
               "four positions, X where the porting has no port or none is chosen: " + joined(offers, "; ") +
               "; for example " + example.state().partNumber + ". " + readsAsText;
    if (offers.empty() && !goesOn.empty())
        return "\"" + rest + "\" is not what follows " + understood +
               " in the catalogue, which goes on with " + someOf(goesOn) + ". " + readsAsText;
    if (offers.empty())
        return "Nothing in the catalogue follows " + understood + ", but the text goes on with \"" + rest +
               "\". " + readsAsText;
    return "\"" + rest + "\" is not what follows " + understood +
           " in the catalogue: " + joined(offers, "; or ") + ". " + readsAsText;
}

PartNumberDecoding tooLongForAPartNumber() {
    PartNumberDecoding result;
    result.explanation = "The text is far longer than any part number of the catalogue.";
    return result;
}

const PartNumberDecoder& partNumberDecoder() {
    static const PartNumberDecoder decoder;
    return decoder;
}

}  // namespace tarvek
