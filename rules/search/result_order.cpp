#include "rules/search/result_order.h"

#include <algorithm>
#include <numeric>

namespace tarvek::search {

void sortGroups(const SearchIndex& index, std::vector<GroupMatch>& groups, ResultOrder order) {
    const auto byCatalogue = [](const GroupMatch& a, const GroupMatch& b) { return a.group < b.group; };
    switch (order) {
        case ResultOrder::Catalogue:
            std::sort(groups.begin(), groups.end(), byCatalogue);
            break;
        case ResultOrder::PartNumber:
            std::sort(groups.begin(), groups.end(), [&](const GroupMatch& a, const GroupMatch& b) {
                const std::string& pa = index.groups()[a.group].prefix;
                const std::string& pb = index.groups()[b.group].prefix;
                return pa != pb ? pa < pb : a.group < b.group;
            });
            break;
        case ResultOrder::PriceLowFirst:
            std::sort(groups.begin(), groups.end(), [](const GroupMatch& a, const GroupMatch& b) {
                if (a.priceOnRequest != b.priceOnRequest) return b.priceOnRequest;
                return a.lowest != b.lowest ? a.lowest < b.lowest : a.group < b.group;
            });
            break;
        case ResultOrder::PriceHighFirst:
            std::sort(groups.begin(), groups.end(), [](const GroupMatch& a, const GroupMatch& b) {
                if (a.priceOnRequest != b.priceOnRequest) return b.priceOnRequest;
                return a.highest != b.highest ? a.highest > b.highest : a.group < b.group;
            });
            break;
    }
}

void sortConfigurations(const SearchIndex& index, std::vector<ConfigurationId>& ids, ResultOrder order) {
    std::sort(ids.begin(), ids.end());
    if (order == ResultOrder::Catalogue) return;
    if (order == ResultOrder::PartNumber) {
        std::vector<std::string> numbers(ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i) numbers[i] = index.partNumber(index.choices(ids[i]));
        std::vector<std::size_t> places(ids.size());
        std::iota(places.begin(), places.end(), 0);
        std::stable_sort(places.begin(), places.end(),
                         [&](std::size_t a, std::size_t b) { return numbers[a] < numbers[b]; });
        std::vector<ConfigurationId> sorted(ids.size());
        for (std::size_t i = 0; i < places.size(); ++i) sorted[i] = ids[places[i]];
        ids = std::move(sorted);
        return;
    }
    std::vector<std::pair<Money, ConfigurationId>> priced(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) priced[i] = {index.listPrice(index.choices(ids[i])), ids[i]};
    std::stable_sort(priced.begin(), priced.end(), [&](const auto& a, const auto& b) {
        return order == ResultOrder::PriceLowFirst ? a.first < b.first : a.first > b.first;
    });
    for (std::size_t i = 0; i < priced.size(); ++i) ids[i] = priced[i].second;
}

}  // namespace tarvek::search
