#include "rules/part_numbers/part_number_decoder.h"

#include <algorithm>

#include "rules/configurator/configuration_description.h"
#include "rules/part_numbers/part_number_text.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

// The steps after a model, in the order the search takes them, and the part-number
// segment each one writes (its place in kPartNumberSegments).
enum Stage { Porting, Conn1, Conn2, Conn3, Conn4, Seat, Colour, Lever, Done };
constexpr std::size_t kSegmentOf[] = {2, 3, 4, 5, 6, 7, 8, 10};
constexpr std::size_t kModelAndBody = 1;
constexpr std::string_view kStageNames[] = {"a porting",      "connection 1",    "connection 2",
                                            "connection 3",   "connection 4",    "a seat or seal",
                                            "a handle color", "the lever handle"};

// A part number of the catalogue read as a typed one is: its codes are plain ASCII, so only
// case and trailing blanks need reading.
std::string readAs(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The part number through one of its segments.
std::string readThrough(const ConfigurationRecord& r, std::size_t lastSegment) {
    std::string text;
    for (std::size_t i = 0; i <= lastSegment; ++i) text += r.*kPartNumberSegments[i];
    return readAs(std::move(text));
}

// The events a stage offers in a state: every entry of its list, or every option that
// answers and is not already selected.
std::vector<ConfiguratorEvent> alternatives(const ConfiguratorModel& m, Stage stage) {
    std::vector<ConfiguratorEvent> events;
    const ConfiguratorState& s = m.state();
    if (stage <= Conn4) {
        const List list = List(std::size_t(List::Porting) + std::size_t(stage));
        if (s.list(list).enabled)
            for (std::size_t i = 0; i < s.list(list).entries.size(); ++i)
                events.push_back(ConfiguratorEvent::choice(list, int(i)));
        return events;
    }
    const auto options = [&](std::size_t first, std::size_t count) {
        for (std::size_t i = first; i < first + count; ++i)
            if (m.answers(Option(i)) && !s.options[i].checked)
                events.push_back(ConfiguratorEvent::click(Option(i)));
    };
    if (stage == Seat) options(0, kSeatButtons);
    if (stage == Colour) options(kSeatButtons, kColourButtons);
    if (stage == Lever) options(std::size_t(Option::chkLS), 1);
    return events;
}

// What each choice a stage offers writes into its segment.
std::vector<std::pair<ConfiguratorEvent, std::string>> codes(const ConfiguratorModel& m, Stage stage) {
    std::vector<std::pair<ConfiguratorEvent, std::string>> result;
    for (const ConfiguratorEvent& event : alternatives(m, stage)) {
        ConfiguratorModel next = m;
        next.apply(event);
        result.emplace_back(event, next.state().record.*kPartNumberSegments[kSegmentOf[stage]]);
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
    ConfiguratorModel best;
    Stage bestStage = Porting;

    bool reads(const ConfiguratorModel& m, std::string_view prefix, Stage next) {
        if (!target.starts_with(prefix)) return false;
        if (prefix.size() > bestLength || !understoodSome) {
            bestLength = prefix.size();
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
        if (!reads(from.model, from.prefix, Porting)) return;
        explore(from.model, nullptr, Conn1);  // no porting: straight to the options
        for (const PortingStem& porting : from.portings) {
            if (!reads(porting.model, porting.prefix, Conn1)) continue;
            events.push_back(porting.event);
            explore(porting.model, &porting, Conn1);
            events.pop_back();
        }
    }

    // Each stage after the porting is either left as it is or taken with one of its choices.
    void explore(const ConfiguratorModel& m, const PortingStem* porting, Stage stage) {
        // What is decided so far, connections left unchosen included, must read like the text.
        if (!reads(m, readThrough(m.state().record, kSegmentOf[stage - 1]), stage)) return;
        if (stage == Done) {
            if (readAs(m.state().partNumber) == target) found.push_back({events, m.state()});
            return;
        }
        explore(m, porting, Stage(stage + 1));
        const bool connection = stage <= Conn4;
        if (connection && !porting) return;
        // Each choice's code is known from the index, so most are passed over unapplied.
        const std::string before = readThrough(m.state().record, kSegmentOf[stage] - 1);
        for (const auto& [event, code] :
             connection ? porting->connectionCodes[stage - Conn1] : stem->optionCodes[stage - Seat]) {
            if (!target.starts_with(readAs(before + code))) continue;
            ConfiguratorModel next = m;
            next.apply(event);
            if (next.state().record == m.state().record) continue;
            if (!reads(next, readThrough(next.state().record, kSegmentOf[stage]), Stage(stage + 1))) continue;
            events.push_back(event);
            explore(next, porting, Stage(stage + 1));
            events.pop_back();
        }
    }
};

PartNumberDecoder::PartNumberDecoder() {
    const ConfiguratorModel opened;
    const auto add = [&](const ConfiguratorModel& m, std::vector<ConfiguratorEvent> events) {
        Stem stem{std::move(events), m, readThrough(m.state().record, kModelAndBody), {}, {}};
        for (const ConfiguratorEvent& event : alternatives(m, Porting)) {
            PortingStem porting{event, m, {}, {}};
            porting.model.apply(event);
            porting.prefix = readThrough(porting.model.state().record, kSegmentOf[Porting]);
            for (int p = Conn1; p <= Conn4; ++p)
                porting.connectionCodes[std::size_t(p - Conn1)] = codes(porting.model, Stage(p));
            stem.portings.push_back(std::move(porting));
        }
        for (int o = Seat; o <= Lever; ++o) stem.optionCodes[std::size_t(o - Seat)] = codes(m, Stage(o));
        stems_.push_back(std::move(stem));
    };
    const auto addModels = [&](const ConfiguratorModel& above, const std::vector<ConfiguratorEvent>& events) {
        const ListState& models = above.state().list(List::Model);
        if (!models.enabled) return;
        for (std::size_t k = 0; k < models.entries.size(); ++k) {
            ConfiguratorModel m = above;
            m.choose(List::Model, int(k));
            if (m.state().record == above.state().record) continue;  // headings, notes and blank lines
            auto path = events;
            path.push_back(ConfiguratorEvent::choice(List::Model, int(k)));
            add(m, std::move(path));
        }
    };
    for (std::size_t t = 0; t < opened.state().list(List::ProductType).entries.size(); ++t) {
        ConfiguratorModel type = opened;
        type.choose(List::ProductType, int(t));
        const std::vector<ConfiguratorEvent> typeEvents = {
            ConfiguratorEvent::choice(List::ProductType, int(t))};
        const ListState& bodies = type.state().list(List::Body);
        if (!bodies.enabled) {
            addModels(type, typeEvents);
            continue;
        }
        for (std::size_t b = 0; b < bodies.entries.size(); ++b) {
            ConfiguratorModel body = type;
            body.choose(List::Body, int(b));
            auto events = typeEvents;
            events.push_back(ConfiguratorEvent::choice(List::Body, int(b)));
            if (!body.state().partNumber.empty()) add(body, events);  // a series is a part number of its own
            addModels(body, events);
        }
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
                         return leadingNumber(a.state.listPrice) < leadingNumber(b.state.listPrice);
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

    // Not a part number of the catalogue: say how far it reads like one, and what may follow.
    const std::string rest = displayable(std::string_view(result.partNumber).substr(search.bestLength), 24);
    if (!search.understoodSome) {
        std::vector<std::string> examples;  // the first model of each product type
        ConfiguratorEvent lastType;
        for (const Stem& stem : stems_) {
            const std::string& code = stem.model.state().record.lblPNModel;
            if (!code.empty() && (examples.empty() || stem.events[0] != lastType)) examples.push_back(code);
            if (!code.empty()) lastType = stem.events[0];
        }
        result.explanation = "No part number of the catalogue begins like \"" + rest +
                             "\"; part numbers begin with a model code, such as " + joined(examples, ", ") +
                             ".";
        return result;
    }
    result.understood = result.partNumber.substr(0, search.bestLength);
    std::vector<std::string> steps;
    for (const DescriptionLine& line : describeConfiguration(search.best.state()))
        steps.push_back(std::string(line.text));
    std::vector<std::string> offers;
    for (int stage = search.bestStage; stage < Done; ++stage) {
        std::vector<std::string> codes;
        for (const ConfiguratorEvent& event : alternatives(search.best, Stage(stage))) {
            ConfiguratorModel next = search.best;
            next.apply(event);
            const std::string code = next.state().record.*kPartNumberSegments[kSegmentOf[stage]];
            if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
                codes.push_back(code);
        }
        if (codes.empty()) continue;
        if (stage >= Conn1 && stage <= Conn4)
            codes.push_back(search.best.state().record.*kPartNumberSegments[kSegmentOf[stage]] +
                            " when not chosen");
        offers.push_back(std::string(kStageNames[stage]) + " (" + joined(codes, ", ") + ")");
    }
    // What went wrong first, then what was understood.
    const std::string understood = "\"" + result.understood + "\"";
    if (offers.empty())
        result.explanation = "Nothing in the catalogue follows " + understood +
                             ", but the text goes on with \"" + rest + "\". ";
    else
        result.explanation = "\"" + rest + "\" is not what follows " + understood +
                             " in the catalogue: " + joined(offers, "; or ") + ". ";
    result.explanation += understood + " reads as " + joined(steps, " / ") + ".";
    return result;
}

const PartNumberDecoder& partNumberDecoder() {
    static const PartNumberDecoder decoder;
    return decoder;
}

}  // namespace tarvek
