#include "rules/search/valve_proposals.h"

#include <algorithm>
#include <limits>

#include "rules/search/configuration_search.h"
#include "rules/search/search_link.h"

namespace tarvek::search {
namespace {

constexpr double kSmallestRating = 0.001;  // the ratings' own precision

// The entry of a list by its name.
const ListEntry* entryNamed(const SearchIndex& index, Attribute list, std::string_view name) {
    for (const ListEntry& entry : index.entries(list))
        if (entry.name == name) return &entry;
    return nullptr;
}

std::int64_t cheapestChoice(const std::vector<Choice>& choices) {
    std::int64_t cheapest = std::numeric_limits<std::int64_t>::max();
    for (const Choice& c : choices) cheapest = std::min(cheapest, c.price.cents);
    return choices.empty() ? 0 : cheapest;
}

// No configuration of the group costs less: its stem, and the cheapest choice at each place.
std::int64_t lowestPossible(const IndexGroup& g) {
    std::int64_t price = g.basePrice.cents;
    for (const auto& choices : g.connections) price += cheapestChoice(choices);
    for (const auto& choices : g.options) price += cheapestChoice(choices);
    return price;
}

std::vector<std::string> names(const SearchIndex& index, Attribute list) {
    std::vector<std::string> found;
    for (const ListEntry& entry : index.entries(list)) found.push_back(entry.name);
    return found;
}

}  // namespace

std::optional<SearchQuery> valveQuery(const SearchIndex& index, const ValveNeed& need, std::string* problem) {
    SearchQuery query;
    // A valve at all, with both ratings, where the flow asks no Cv or the inlet no pressure:
    // a valve without them could not be held to the service.
    query.cvAtLeast = cvMinimum(std::max(need.cv, kSmallestRating));
    query.pressureAtLeast = pressureThreshold(std::max(need.inletPsig, 1.0));
    query.standardOnly = true;
    const std::pair<Attribute, const std::string*> connection[] = {
        {Attribute::ConnectionKind, &need.connectionKind}, {Attribute::ConnectionSize, &need.connectionSize}};
    for (const auto& [list, name] : connection) {
        if (name->empty()) continue;
        const ListEntry* entry = entryNamed(index, list, *name);
        if (!entry) {
            if (problem)
                *problem = std::string("the catalogue has no connection ") +
                           (list == Attribute::ConnectionKind ? "kind" : "size") + " \"" + *name + "\"";
            return std::nullopt;
        }
        query[list] = entry->values;
        query.scope = ConnectionScope::EveryPort;
    }
    return query;
}

std::vector<ConfigurationId> cheapestConfigurations(const SearchIndex& index, const SearchQuery& query,
                                                    std::size_t count) {
    std::vector<std::pair<std::int64_t, std::size_t>> groups;  // lowest possible price, group
    for (std::size_t gi = 0; gi < index.groups().size(); ++gi)
        if (!index.groups()[gi].priceOnRequest) groups.emplace_back(lowestPossible(index.groups()[gi]), gi);
    std::sort(groups.begin(), groups.end());

    const ConfigurationSearch search(index);
    std::vector<std::pair<Money, ConfigurationId>> best;  // ascending, at most `count`
    for (const auto& [lowest, gi] : groups) {
        // Groups go from the cheapest they could be: once that is dearer than the last kept, no
        // further group has a configuration to keep.
        if (best.size() == count && lowest > best.back().first.cents) break;
        for (const ConfigurationId id : search.configurations(query, gi)) {
            const std::pair<Money, ConfigurationId> found{index.listPrice(index.choices(id)), id};
            if (best.size() == count && !(found < best.back())) continue;
            best.insert(std::upper_bound(best.begin(), best.end(), found), found);
            if (best.size() > count) best.pop_back();
        }
    }
    std::vector<ConfigurationId> ids;
    for (const auto& [price, id] : best) ids.push_back(id);
    return ids;
}

ValveProposals proposeValves(const SearchIndex& index, const ValveNeed& need, std::size_t count) {
    ValveProposals proposals;
    const std::optional<SearchQuery> query = valveQuery(index, need, &proposals.problem);
    if (!query) return proposals;
    proposals.query = *query;
    proposals.filters = valveSearchFilters(query->cvAtLeast, query->pressureAtLeast, need.connectionKind,
                                           need.connectionSize);
    for (const ConfigurationId id : cheapestConfigurations(index, *query, count)) {
        const IndexGroup& g = index.groups()[index.choices(id).group];
        ValveProposal& valve = proposals.valves.emplace_back();
        valve.id = id;
        valve.configuration = index.configuration(id);
        valve.cvThousandths = index.ratings(Attribute::Cv)[g.values[std::size_t(Attribute::Cv)]];
        valve.ratedPsig =
            index.ratings(Attribute::RatedPressure)[g.values[std::size_t(Attribute::RatedPressure)]];
    }
    return proposals;
}

std::vector<std::string> connectionKindNames(const SearchIndex& index) {
    return names(index, Attribute::ConnectionKind);
}
std::vector<std::string> connectionSizeNames(const SearchIndex& index) {
    return names(index, Attribute::ConnectionSize);
}

}  // namespace tarvek::search
