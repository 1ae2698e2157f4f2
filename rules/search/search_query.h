// A requirement put to the search: values chosen per attribute (any of them), the minimum Cv
// and rated pressure, where the end connections must be, standard products only, a price
// range and a free text; and the user's typing read into them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/search/search_index.h"
#include "rules/search/value_set.h"

namespace tarvek::search {

// Where a connection of the chosen kind and size must be.
enum class ConnectionScope { AnyPort, EveryPort, Position1, Position2, Position3, Position4 };
inline constexpr std::size_t kScopeCount = 6;

struct SearchQuery {
    // Per attribute, the values one of which a configuration must have; none chosen asks
    // nothing. Cv and RatedPressure are asked as minimums below instead.
    std::array<ValueSet, kAttributeCount> chosen{};
    std::optional<double> cvAtLeast;     // Cv, as exactly as a flow needs it
    std::optional<int> pressureAtLeast;  // psig
    ConnectionScope scope = ConnectionScope::AnyPort;
    bool standardOnly = false;
    std::optional<Money> priceFrom, priceTo;  // list price, both ends included
    std::string text;

    ValueSet& operator[](Attribute a) { return chosen[std::size_t(a)]; }
    const ValueSet& operator[](Attribute a) const { return chosen[std::size_t(a)]; }
    bool operator==(const SearchQuery&) const = default;
};

// A bound of the price range as typed. Empty is no bound; otherwise US dollars with at most
// two decimals, a leading "$", surrounding blanks and commas between thousands allowed, the
// way prices are written ("250", "$99.50", "1,200.5"). Anything else (letters, a sign, a
// comma elsewhere, a third decimal) is not a price.
struct PriceBound {
    bool valid = true;
    std::optional<Money> amount;
};
PriceBound readPriceBound(std::string_view text);

// Minimums from a computed or typed number: the Cv as it is, the pressure in whole psig at or
// above it (valves are rated in whole psig), so that a valve passes only when it truly reaches
// the number. None for a number that asks nothing (0 or less, not finite).
std::optional<double> cvMinimum(double cv);
std::optional<int> pressureThreshold(double psig);

// Whether a valve's Cv (in thousandths, as the index holds ratings) reaches a minimum. The
// last few bits of a computed Cv are noise: 0.2300000000001 asks for 0.23.
bool reaches(int cvThousandths, double minimum);

// A minimum Cv with the digits that matter: four significant ones (and never coarser than
// thousandths, the ratings' own), raised at the last, so that the text asks no less than the
// minimum: 0.230384 is "0.2304", 0.99998 is "1".
std::string cvMinimumText(double minimum);

}  // namespace tarvek::search
