#include "catalogue/portings.h"

#include <vector>

namespace tarvek {

Entries portingEntries() {
    static const auto entries = [] {
        std::array<std::string_view, kPortings.size()> all;
        for (const Porting& row : kPortings) all[rowIndex(kPortings, row)] = row.entry;
        return all;
    }();
    return entries;
}

Entries connectionEntries(const ConnectionSet& set, bool withFixedMale) {
    if (!withFixedMale) return set.connections;
    static const auto lists = [] {
        std::array<std::vector<std::string_view>, kConnectionSets.size()> all;
        for (const ConnectionSet& row : kConnectionSets) {
            auto& entries = all[rowIndex(kConnectionSets, row)];
            entries.assign(row.connections.begin(), row.connections.end());
            entries.push_back(connection::V14);
        }
        return all;
    }();
    return lists[rowIndex(kConnectionSets, set)];
}

}  // namespace tarvek
