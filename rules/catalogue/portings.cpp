#include "rules/catalogue/portings.h"

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
    return derivedEntries(kConnectionSets, set, [](const ConnectionSet& row) {
        std::vector<std::string_view> entries(row.connections.begin(), row.connections.end());
        entries.push_back(connection::V14);
        return entries;
    });
}

}  // namespace tarvek
