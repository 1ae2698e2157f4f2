#include "rules/search/prepared_query.h"

namespace tarvek::search {

bool matches(ConnectionScope scope, std::uint64_t pairs, std::uint64_t selection) {
    if (scope == ConnectionScope::EveryPort) return pairs != 0 && (pairs & ~selection) == 0;
    return (pairs & selection) != 0;
}

bool inScope(ConnectionScope scope, std::size_t position) {
    return scope == ConnectionScope::AnyPort || scope == ConnectionScope::EveryPort ||
           std::size_t(scope) - std::size_t(ConnectionScope::Position1) == position;
}

PreparedQuery::PreparedQuery(const SearchIndex& index, const SearchQuery& q) : query(q) {
    kinds = index.values(Attribute::ConnectionKind).size();
    sizes = index.values(Attribute::ConnectionSize).size();
    const ValueSet& kind = q[Attribute::ConnectionKind];
    const ValueSet& size = q[Attribute::ConnectionSize];
    connectionFilter = !kind.empty() || !size.empty();
    // The pairs of the kinds and sizes given; none given is any.
    const auto selection = [&](const ValueSet& ks, const ValueSet& ss) {
        std::uint64_t pairs = 0;
        for (ValueId k = 0; k < kinds; ++k)
            for (ValueId s = 0; s < sizes; ++s)
                if ((ks.empty() || ks.contains(k)) && (ss.empty() || ss.contains(s))) pairs |= pairBit(k, s);
        return pairs;
    };
    selected = selection(kind, size);
    for (const ListEntry& e : index.entries(Attribute::ConnectionKind))
        kindEntrySelection.push_back(selection(joined(kind, e.values), size));
    for (const ListEntry& e : index.entries(Attribute::ConnectionSize))
        sizeEntrySelection.push_back(selection(kind, joined(size, e.values)));
    if (!size.empty()) anyKindSelection = selection({}, size);
    if (!kind.empty()) anySizeSelection = selection(kind, {});
    words = searchWords(q.text);
    for (const SearchWord& w : words) finders.emplace_back(w.partNumberForm);
}

// The same filters on configurations: their per-group figures can be kept.
bool PreparedQuery::sameConfigurationFilters(const PreparedQuery& o) const {
    const SearchQuery& a = query;
    const SearchQuery& b = o.query;
    for (const Attribute at : {Attribute::ConnectionKind, Attribute::ConnectionSize, Attribute::Seat,
                               Attribute::HandleColour, Attribute::LeverHandle})
        if (a[at] != b[at]) return false;
    return a.scope == b.scope && a.standardOnly == b.standardOnly && a.priceFrom == b.priceFrom &&
           a.priceTo == b.priceTo && a.text == b.text;
}

}  // namespace tarvek::search
