// A requirement in the catalogue's words (the census's) and the same requirement as the search
// is asked it: the values named, an entry of a list added, an attribute left to any. What the
// search's counts are held to, entry by entry.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "rules/search/search_index.h"
#include "rules/search/search_query.h"
#include "tests/support/configuration_census.h"

namespace tarvek::testing {

// The step that shows an attribute's value, for those that are a step's text.
inline std::optional<Step> stepOf(search::Attribute a) {
    using search::Attribute;
    switch (a) {
        case Attribute::ProductType:
            return Step::ProductType;
        case Attribute::Body:
            return Step::Body;
        case Attribute::Model:
            return Step::Model;
        case Attribute::Porting:
            return Step::Porting;
        case Attribute::Seat:
            return Step::Seat;
        case Attribute::HandleColour:
            return Step::HandleColour;
        case Attribute::LeverHandle:
            return Step::LeverHandle;
        default:
            return std::nullopt;
    }
}

inline search::ValueId valueNamed(const search::SearchIndex& index, search::Attribute a,
                                  std::string_view name) {
    const auto& names = index.values(a);
    const auto found = std::find(names.begin(), names.end(), name);
    EXPECT_NE(found, names.end()) << "no value \"" << name << '"';
    return search::ValueId(found - names.begin());
}

inline search::ValueSet valuesNamed(const search::SearchIndex& index, search::Attribute a,
                                    const AnyOf& names) {
    search::ValueSet values;
    for (const std::string& name : names.texts) values.add(valueNamed(index, a, name));
    return values;
}

// The same requirement as the search is asked it.
inline search::SearchQuery queryFor(const search::SearchIndex& index, const Requirement& r) {
    using search::Attribute;
    search::SearchQuery q;
    for (std::size_t a = 0; a < search::kAttributeCount; ++a)
        if (const auto step = stepOf(Attribute(a)))
            if (const auto text = r.steps.find(*step); text != r.steps.end())
                q.chosen[a] = valuesNamed(index, Attribute(a), text->second);
    if (r.actuator) q[Attribute::Actuator] = valuesNamed(index, Attribute::Actuator, *r.actuator);
    if (r.kind) q[Attribute::ConnectionKind] = valuesNamed(index, Attribute::ConnectionKind, *r.kind);
    if (r.size) q[Attribute::ConnectionSize] = valuesNamed(index, Attribute::ConnectionSize, *r.size);
    q.cvAtLeast = r.cvAtLeast;
    q.pressureAtLeast = r.psigAtLeast;
    q.scope = r.scope;
    q.standardOnly = r.standardOnly;
    if (r.fromCents) q.priceFrom = Money{*r.fromCents};
    if (r.toCents) q.priceTo = Money{*r.toCents};
    return q;
}

// The requirement with an entry of an attribute's list added to what it asks of the attribute
// (a minimum: set to the entry's rating).
inline Requirement with(Requirement r, const search::SearchIndex& index, search::Attribute a,
                        std::size_t entry) {
    using search::Attribute;
    const search::ListEntry& e = index.entries(a)[entry];
    AnyOf names;
    for (const search::ValueId v : e.values) names.add(AnyOf(index.values(a)[v]));  // none is the empty text
    const auto add = [&](std::optional<AnyOf>& asked) {
        if (!asked) asked = AnyOf();
        asked->add(names);
    };
    if (const auto step = stepOf(a)) {
        r.steps[*step].add(names);
        return r;
    }
    switch (a) {
        case Attribute::Actuator:
            add(r.actuator);
            break;
        case Attribute::Cv:
            r.cvAtLeast = index.ratings(a)[entry + 1] / 1000.0;
            break;
        case Attribute::RatedPressure:
            r.psigAtLeast = index.ratings(a)[entry + 1];
            break;
        case Attribute::ConnectionKind:
            add(r.kind);
            break;
        default:
            add(r.size);
            break;
    }
    return r;
}

// The requirement with an attribute left to any.
inline Requirement without(Requirement r, search::Attribute a) {
    using search::Attribute;
    if (const auto step = stepOf(a)) {
        r.steps.erase(*step);
        return r;
    }
    switch (a) {
        case Attribute::Actuator:
            r.actuator.reset();
            break;
        case Attribute::Cv:
            r.cvAtLeast.reset();
            break;
        case Attribute::RatedPressure:
            r.psigAtLeast.reset();
            break;
        case Attribute::ConnectionKind:
            r.kind.reset();
            break;
        default:
            r.size.reset();
            break;
    }
    return r;
}

// A query back in the catalogue's words.
inline Requirement requirementOf(const search::SearchIndex& index, const search::SearchQuery& q) {
    using search::Attribute;
    const auto names = [&](Attribute a) -> std::optional<AnyOf> {
        if (q[a].empty()) return std::nullopt;
        AnyOf named;
        for (const search::ValueId v : q[a]) named.add(AnyOf(index.values(a)[v]));
        return named;
    };
    Requirement r;
    for (std::size_t a = 0; a < search::kAttributeCount; ++a)
        if (const auto step = stepOf(Attribute(a)))
            if (const auto named = names(Attribute(a))) r.steps[*step] = *named;
    r.actuator = names(Attribute::Actuator);
    r.kind = names(Attribute::ConnectionKind);
    r.size = names(Attribute::ConnectionSize);
    r.cvAtLeast = q.cvAtLeast;
    r.psigAtLeast = q.pressureAtLeast;
    r.scope = q.scope;
    r.standardOnly = q.standardOnly;
    if (q.priceFrom) r.fromCents = q.priceFrom->cents;
    if (q.priceTo) r.toCents = q.priceTo->cents;
    return r;
}

}  // namespace tarvek::testing
