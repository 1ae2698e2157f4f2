#include "rules/search/result_texts.h"

#include <vector>

#include "rules/configurator/pricing.h"
#include "rules/search/price_on_request.h"

namespace tarvek::search {
namespace {

// The texts from the `from`th on; a group's empty ones (no body, no porting) are not counted.
template <typename Texts>
std::string joined(const Texts& texts, std::size_t from, bool skipEmpty) {
    std::string text;
    std::size_t at = 0;
    for (const std::string_view t : texts) {
        if ((skipEmpty && t.empty()) || at++ < from) continue;
        text += (at > from + 1 ? " / " : "") + std::string(t);
    }
    return text;
}

std::size_t shownTexts(const IndexGroup& group) {
    std::size_t shown = 0;
    for (const std::string_view t : group.texts) shown += !t.empty();
    return shown;
}

}  // namespace

std::string groupDescription(const IndexGroup& group) {
    return joined(group.texts, group.texts[1].empty() ? 0 : 1, true);
}

std::string groupFullDescription(const IndexGroup& group) { return joined(group.texts, 0, true); }

std::string priceRangeText(const GroupMatch& match) {
    if (match.priceOnRequest) return std::string(kPriceOnRequest);
    if (match.lowest == match.highest) return priceText(match.lowest);
    return priceText(match.lowest) + " \u2013 " + priceText(match.highest);
}

std::string_view nonStandardText(const GroupMatch& match) {
    if (match.nonStandard == 0) return "";
    return match.nonStandard == match.count ? "all" : "some";
}

std::string_view nonStandardText(const IndexedConfiguration& configuration) {
    return configuration.nonStandard ? "yes" : "";
}

std::string configurationDescription(const SearchIndex& index, ConfigurationId id,
                                     const IndexedConfiguration& configuration) {
    return joined(configuration.description, shownTexts(index.groups()[index.choices(id).group]), false);
}

std::string configurationFullDescription(const IndexedConfiguration& configuration) {
    return joined(configuration.description, 0, false);
}

std::string configurationPriceText(const IndexedConfiguration& configuration) {
    return configuration.priceOnRequest ? std::string(kPriceOnRequest) : priceText(configuration.listPrice);
}

}  // namespace tarvek::search
