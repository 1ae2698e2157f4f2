// Fuzzes what the search reads from the user: any bytes as the free text (its first 200, as
// the window searches them) and as a bound of the price range. Every answer must be whole:
// the groups add up to the total, none is empty, every configuration a group lists meets the
// words, and a price is either read in cents or refused.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rules/search/configuration_search.h"
#include "rules/search/search_query.h"

namespace {

constexpr std::size_t kLongestWords = 200;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvek::search;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const PriceBound bound = readPriceBound(bytes);
    if (!bound.valid && bound.amount) std::abort();
    if (bound.amount && bound.amount->cents < 0) std::abort();

    static ConfigurationSearch search(searchIndex());
    SearchQuery query;
    query.text = std::string(bytes.substr(0, kLongestWords));
    // The first two bytes pick product types (or none), so that the narrow, the wider and the
    // whole space are searched.
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 2); ++i) {
        const auto type = ValueId(data[i] % searchIndex().values(Attribute::ProductType).size());
        if (type != kNone) query[Attribute::ProductType].add(type);
    }
    const SearchResult result = search.find(query);
    std::uint64_t inGroups = 0;
    for (const GroupMatch& g : result.groups) {
        if (g.count == 0 || g.lowest > g.highest) std::abort();
        inGroups += g.count;
    }
    if (inGroups != result.total) std::abort();
    if (!result.groups.empty() &&
        search.configurations(query, result.groups.front().group).size() != result.groups.front().count)
        std::abort();
    return 0;
}
