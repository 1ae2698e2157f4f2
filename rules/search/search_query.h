// A requirement put to the search: values chosen per attribute, the minimum Cv and rated
// pressure, where the end connections must be, standard products only, a price range and a
// free text; and the user's typing read into them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/search/search_index.h"

namespace tarvek::search {

// Where a connection of the chosen kind and size must be.
enum class ConnectionScope { AnyPort, EveryPort, Position1, Position2, Position3, Position4 };
inline constexpr std::size_t kScopeCount = 6;

struct SearchQuery {
    // Per attribute, the value a configuration must have; Cv and RatedPressure are asked as
    // minimums below instead.
    std::array<std::optional<ValueId>, kAttributeCount> chosen{};
    std::optional<int> cvAtLeast;        // thousandths
    std::optional<int> pressureAtLeast;  // psig
    ConnectionScope scope = ConnectionScope::AnyPort;
    bool standardOnly = false;
    std::optional<Money> priceFrom, priceTo;  // list price, both ends included
    std::string text;

    std::optional<ValueId>& operator[](Attribute a) { return chosen[std::size_t(a)]; }
    const std::optional<ValueId>& operator[](Attribute a) const { return chosen[std::size_t(a)]; }
    bool operator==(const SearchQuery&) const = default;
};

// A bound of the price range as typed. Empty is no bound; otherwise US dollars with at most
// two decimals, a leading "$" and surrounding blanks allowed ("250", "$99.50", "1200.5").
// Anything else (letters, a sign, a comma, a third decimal) is not a price.
struct PriceBound {
    bool valid = true;
    std::optional<Money> amount;
};
PriceBound readPriceBound(std::string_view text);

// Minimums from a computed or typed number: the Cv in whole thousandths and the pressure in
// whole psig at or above it, so that a valve passes only when it truly reaches the number.
// None for a number that asks nothing (0 or less, not finite).
std::optional<int> cvThreshold(double cv);
std::optional<int> pressureThreshold(double psig);

}  // namespace tarvek::search
