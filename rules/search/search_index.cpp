#include "rules/search/search_index.h"

#include <algorithm>

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/nonstandard_check.h"
#include "rules/numbers/number_text.h"
#include "rules/search/price_on_request.h"
#include "rules/search/product_attributes.h"
#include "rules/search/search_text.h"

namespace tarvek::search {
namespace {

constexpr std::array<Step, 3> kOptionSteps = {Step::Seat, Step::HandleColour, Step::LeverHandle};
constexpr std::array<Attribute, 3> kOptionAttributes = {Attribute::Seat, Attribute::HandleColour,
                                                        Attribute::LeverHandle};
constexpr std::array<Step, 4> kGroupSteps = {Step::ProductType, Step::Body, Step::Model, Step::Porting};

// The rating values in thousandths of a Cv, written as the catalogue writes numbers.
std::string cvName(int thousandths) { return numberText(thousandths / 1000.0); }

// The id of each rating, in ascending order after none.
std::vector<int> ascending(std::vector<int> ratings) {
    std::sort(ratings.begin(), ratings.end());
    ratings.erase(std::unique(ratings.begin(), ratings.end()), ratings.end());
    ratings.insert(ratings.begin(), 0);
    return ratings;
}

ValueId ratingId(const std::vector<int>& ratings, std::optional<int> rating) {
    if (!rating) return kNone;
    return ValueId(std::lower_bound(ratings.begin() + 1, ratings.end(), *rating) - ratings.begin());
}

// The numbers of a note with the leading zero the catalogue leaves off: ".23 Cv" as "0.23 Cv",
// so that a word typed either way finds it.
std::string withLeadingZeros(std::string_view text) {
    std::string written;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digitBefore = i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9';
        const bool digitAfter = i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9';
        if (text[i] == '.' && digitAfter && !digitBefore) written += '0';
        written += text[i];
    }
    return written;
}

constexpr std::string_view kWithoutLever = "Without lever handle";

// Whether each choice of connections is standard, in catalogue order (the first position
// varies slowest). A connection writes only its own position of the record, and the check
// reads the connections' kinds, so the group's record with the chosen kinds put in is marked
// by the configurator's own check: far quicker than making every choice in a configurator.
void markNonStandard(IndexGroup& g, const ConfiguratorState& group) {
    ConfigurationRecord record = group.record;
    std::array<std::size_t, kConnectionPositions> at{};  // the choice at each position used
    g.nonStandard.reserve(g.connectionChoices);
    for (std::uint32_t n = 0; n < g.connectionChoices; ++n) {
        for (std::size_t p = 0; p < kConnectionPositions; ++p) {
            if (g.connections[p].empty()) continue;
            record.connectionKinds[p] = g.connections[p][at[p]].kind;
        }
        g.nonStandard.push_back(nonStandardCheck(group.productFamily, record));
        for (std::size_t p = kConnectionPositions; p-- > 0;) {  // the next choice: last position first
            if (g.connections[p].empty()) continue;
            if (++at[p] < g.connections[p].size()) break;
            at[p] = 0;
        }
    }
}

}  // namespace

SearchIndex::SearchIndex() : SearchIndex(orderableGroups()) {}

SearchIndex::SearchIndex(const std::vector<OrderableGroup>& groups) {
    for (auto& names : values_) names.emplace_back();  // none
    std::vector<ValveRating> ratings;
    for (const OrderableGroup& group : groups) {
        addGroup(group);
        const ConfiguratorState& s = group.configurator.state();
        ratings.push_back(s.valveDescriptionShown ? valveRating(s.valveDescription) : ValveRating{});
    }
    std::vector<int> cvs, pressures;
    for (const ValveRating& r : ratings) {
        if (r.cvThousandths) cvs.push_back(*r.cvThousandths);
        if (r.ratedPsig) pressures.push_back(*r.ratedPsig);
    }
    cvs_ = ascending(cvs);
    pressures_ = ascending(pressures);
    for (std::size_t i = 1; i < cvs_.size(); ++i)
        values_[std::size_t(Attribute::Cv)].push_back(cvName(cvs_[i]));
    for (std::size_t i = 1; i < pressures_.size(); ++i)
        values_[std::size_t(Attribute::RatedPressure)].push_back(std::to_string(pressures_[i]));
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        groups_[g].values[std::size_t(Attribute::Cv)] = ratingId(cvs_, ratings[g].cvThousandths);
        groups_[g].values[std::size_t(Attribute::RatedPressure)] = ratingId(pressures_, ratings[g].ratedPsig);
    }
    listEntries();
}

void SearchIndex::listEntries() {
    for (std::size_t a = 0; a < kAttributeCount; ++a) {
        const std::vector<std::string>& names = values_[a];
        std::vector<ListEntry>& list = entries_[a];
        for (ValueId v = 1; v < names.size(); ++v) {
            if (Attribute(a) == Attribute::ConnectionKind) {
                // "Male Face Seal" and "Fixed Male Face Seal": a family, offered before its first.
                ListEntry family{"Any " + lowerCase(names[v]), {v}};
                for (ValueId other = 1; other < names.size(); ++other)
                    if (names[other].size() > names[v].size() && names[other].ends_with(" " + names[v]))
                        family.values.add(other);
                if (family.values.size() > 1) list.push_back(std::move(family));
            }
            list.push_back({names[v], {v}});
        }
        if (Attribute(a) == Attribute::LeverHandle) list.push_back({std::string(kWithoutLever), {kNone}});
    }
}

ValueId SearchIndex::intern(Attribute attribute, std::string_view name) {
    if (name.empty()) return kNone;
    std::vector<std::string>& names = values_[std::size_t(attribute)];
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end()) return ValueId(found - names.begin());
    names.emplace_back(name);
    return ValueId(names.size() - 1);
}

void SearchIndex::addGroup(const OrderableGroup& og) {
    IndexGroup g;
    g.events = og.events;
    const ConfiguratorState& s = og.configurator.state();
    g.prefix = partNumberThrough(s.record, Segment::Porting);
    for (std::size_t i = 0; i < kGroupSteps.size(); ++i) {
        g.texts[i] = stepText(s, kGroupSteps[i]);
        g.lowerTexts.push_back(lowerCase(g.texts[i]));
    }
    if (s.valveDescriptionShown) {
        g.lowerTexts.push_back(lowerCase(s.valveDescription));
        if (withLeadingZeros(s.valveDescription) != s.valveDescription)
            g.lowerTexts.push_back(lowerCase(withLeadingZeros(s.valveDescription)));
    }
    g.priceOnRequest = priceOnRequest(s);
    g.values[std::size_t(Attribute::ProductType)] = intern(Attribute::ProductType, g.texts[0]);
    g.values[std::size_t(Attribute::Body)] = intern(Attribute::Body, g.texts[1]);
    g.values[std::size_t(Attribute::Model)] = intern(Attribute::Model, g.texts[2]);
    g.values[std::size_t(Attribute::Actuator)] = intern(Attribute::Actuator, actuatorKind(g.texts[2]));
    g.values[std::size_t(Attribute::Porting)] = intern(Attribute::Porting, g.texts[3]);
    g.basePrice = s.record.model.price.amount() + s.record.body.price.amount() +
                  s.record.porting.price.amount() + s.record.generalOption.price.amount();
    g.generalCode = s.record.generalOption.code;

    for (std::size_t p = 0; p < kConnectionPositions; ++p) {
        g.fixedCodes[p] = s.record.connections[p].code;
        for (const ConfiguratorEvent& event : og.connections[p]) {
            Configurator c = og.configurator;
            c.apply(event);
            const Contribution& written = c.state().record.connections[p];
            const std::string_view text = stepText(c.state(), connectionStep(p));
            const ConnectionNature nature = connectionNature(text);
            g.connections[p].push_back({event, written.code, text, lowerCase(text), written.price.amount(),
                                        intern(Attribute::ConnectionKind, nature.kind),
                                        intern(Attribute::ConnectionSize, nature.size),
                                        c.state().record.connectionKinds[p]});
        }
        if (!g.connections[p].empty()) g.connectionChoices *= std::uint32_t(g.connections[p].size());
    }
    for (std::size_t k = 0; k < kOptionSteps.size(); ++k) {
        const auto choice = [&](std::optional<ConfiguratorEvent> event, const ConfiguratorState& state) {
            const Contribution& written = state.record[segmentOf(kOptionSteps[k])];
            const std::string_view text = stepText(state, kOptionSteps[k]);
            return Choice{event,
                          written.code,
                          text,
                          lowerCase(text),
                          written.price.amount(),
                          intern(kOptionAttributes[k], text),
                          kNone};
        };
        g.options[k].push_back(choice(std::nullopt, s));
        for (const ConfiguratorEvent& event : og.options[k]) {
            Configurator c = og.configurator;
            c.apply(event);
            g.options[k].push_back(choice(event, c.state()));
        }
        g.optionChoices *= std::uint32_t(g.options[k].size());
    }
    markNonStandard(g, s);
    g.first = ConfigurationId(size_);
    size_ += g.size();
    groups_.push_back(std::move(g));
}

ConfigurationChoices SearchIndex::choices(ConfigurationId id) const {
    ConfigurationChoices c;
    const auto after = std::upper_bound(groups_.begin(), groups_.end(), id,
                                        [](ConfigurationId i, const IndexGroup& g) { return i < g.first; });
    c.group = std::size_t(after - groups_.begin()) - 1;
    const IndexGroup& g = groups_[c.group];
    const std::uint32_t local = id - g.first;
    c.connectionChoice = local / g.optionChoices;
    c.optionChoice = local % g.optionChoices;
    // Catalogue order: the first position varies slowest, the lever handle fastest.
    std::uint32_t rest = c.connectionChoice;
    for (std::size_t p = kConnectionPositions; p-- > 0;) {
        if (g.connections[p].empty()) continue;
        const auto n = std::uint32_t(g.connections[p].size());
        c.connections[p] = int(rest % n);
        rest /= n;
    }
    rest = c.optionChoice;
    for (std::size_t k = g.options.size(); k-- > 0;) {
        const auto n = std::uint32_t(g.options[k].size());
        c.options[k] = int(rest % n);
        rest /= n;
    }
    return c;
}

std::string SearchIndex::partNumber(const ConfigurationChoices& c) const {
    const IndexGroup& g = groups_[c.group];
    std::string number = g.prefix;
    for (std::size_t p = 0; p < kConnectionPositions; ++p)
        number +=
            c.connections[p] < 0 ? g.fixedCodes[p] : g.connections[p][std::size_t(c.connections[p])].code;
    number += g.options[0][std::size_t(c.options[0])].code;
    number += g.options[1][std::size_t(c.options[1])].code;
    number += g.generalCode;
    number += g.options[2][std::size_t(c.options[2])].code;
    return number;
}

Money SearchIndex::listPrice(const ConfigurationChoices& c) const {
    const IndexGroup& g = groups_[c.group];
    Money price = g.basePrice;
    for (std::size_t p = 0; p < kConnectionPositions; ++p)
        if (c.connections[p] >= 0) price = price + g.connections[p][std::size_t(c.connections[p])].price;
    for (std::size_t k = 0; k < g.options.size(); ++k)
        price = price + g.options[k][std::size_t(c.options[k])].price;
    return price;
}

IndexedConfiguration SearchIndex::configuration(ConfigurationId id) const {
    const ConfigurationChoices c = choices(id);
    const IndexGroup& g = groups_[c.group];
    IndexedConfiguration result{
        partNumber(c), listPrice(c), g.priceOnRequest, bool(g.nonStandard[c.connectionChoice]), {}, g.events};
    for (const std::string_view text : g.texts)
        if (!text.empty()) result.description.push_back(text);
    for (std::size_t p = 0; p < kConnectionPositions; ++p) {
        if (c.connections[p] < 0) continue;
        const Choice& choice = g.connections[p][std::size_t(c.connections[p])];
        result.description.push_back(choice.text);
        result.events.push_back(*choice.event);
    }
    for (std::size_t k = 0; k < g.options.size(); ++k) {
        const Choice& choice = g.options[k][std::size_t(c.options[k])];
        if (!choice.text.empty()) result.description.push_back(choice.text);
        if (choice.event) result.events.push_back(*choice.event);
    }
    return result;
}

std::size_t SearchIndex::memoryUse() const {
    std::size_t bytes = sizeof(*this) + groups_.capacity() * sizeof(IndexGroup);
    for (const IndexGroup& g : groups_) {
        bytes += g.events.capacity() * sizeof(ConfiguratorEvent) + g.prefix.capacity() +
                 g.nonStandard.capacity() / 8 + g.lowerTexts.capacity() * sizeof(std::string);
        for (const std::string& t : g.lowerTexts) bytes += t.capacity();
        for (const auto* list : {&g.connections[0], &g.connections[1], &g.connections[2], &g.connections[3],
                                 &g.options[0], &g.options[1], &g.options[2]})
            for (const Choice& choice : *list) bytes += sizeof(Choice) + choice.lowerText.capacity();
    }
    for (const auto& names : values_)
        for (const std::string& name : names) bytes += sizeof(std::string) + name.capacity();
    return bytes;
}

const SearchIndex& searchIndex() {
    static const SearchIndex index;
    return index;
}

}  // namespace tarvek::search
