#include "rules/search/search_link.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "rules/numbers/float_chars.h"
#include "rules/search/search_texts.h"

namespace tarvek::search {
namespace {

// The filters' names, in the order of Attribute; the price book's column names where it has one.
constexpr std::string_view kListNames[kAttributeCount] = {
    "product_type", "body",       "model",           "actuator", "porting", "cv",
    "rated_psig",   "connection", "connection_size", "seat",     "handle",  "lever"};
constexpr std::string_view kPlace = "place", kStandardOnly = "standard_only", kYes = "yes";
constexpr std::string_view kPriceFrom = "price_from", kPriceTo = "price_to", kWords = "words";

std::string filter(std::string_view name, std::string_view value) {
    return std::string(name) + "=" + std::string(value);
}

// A filter taken apart at its first "="; no name where it has none.
struct NamedValue {
    std::string_view name, value;
};
NamedValue split(std::string_view filter) {
    const std::size_t equals = filter.find('=');
    if (equals == std::string_view::npos) return {};
    return {filter.substr(0, equals), filter.substr(equals + 1)};
}

std::optional<std::size_t> listNamed(std::string_view name) {
    const auto at = std::find(std::begin(kListNames), std::end(kListNames), name);
    if (at == std::end(kListNames)) return std::nullopt;
    return std::size_t(at - std::begin(kListNames));
}

std::optional<double> number(std::string_view text) {
    double value = 0;
    if (!readDouble(text, value)) return std::nullopt;
    return value;
}

// The row of a list's entry by its name; none for "Any" or a name the list does not offer.
std::optional<std::size_t> rowNamed(const SearchModel& model, Attribute a, std::string_view name) {
    const std::vector<ListEntry>& entries = model.index().entries(a);
    for (std::size_t e = 0; e < entries.size(); ++e)
        if (entries[e].name == name) return e + 1;
    return std::nullopt;
}

}  // namespace

std::vector<std::string> searchFilters(const SearchModel& model) {
    const SearchPageState& s = model.state();
    std::vector<std::string> filters;
    for (std::size_t a = 0; a < kAttributeCount; ++a) {
        const FilterListState& list = s.lists[a];
        if (Attribute(a) == Attribute::Cv) {
            if (list.current && *list.current > 0)
                filters.push_back(filter(kListNames[a], list.rows[*list.current].name));
        } else if (Attribute(a) == Attribute::RatedPressure) {
            if (s.query.pressureAtLeast)
                filters.push_back(filter(kListNames[a], std::to_string(*s.query.pressureAtLeast)));
        } else {
            // An entry is named once: a family chosen whole, not its members again.
            ValueSet named;
            const std::vector<ListEntry>& entries = model.index().entries(Attribute(a));
            for (std::size_t e = 0; e < entries.size(); ++e)
                if (list.rows[e + 1].chosen && !named.includes(entries[e].values)) {
                    filters.push_back(filter(kListNames[a], entries[e].name));
                    named.add(entries[e].values);
                }
        }
    }
    if (s.scope != ConnectionScope::AnyPort) filters.push_back(filter(kPlace, kPlaces[std::size_t(s.scope)]));
    if (s.standardOnly) filters.push_back(filter(kStandardOnly, kYes));
    if (!s.priceFrom.empty()) filters.push_back(filter(kPriceFrom, s.priceFrom));
    if (!s.priceTo.empty()) filters.push_back(filter(kPriceTo, s.priceTo));
    // The words as far as they are searched: a link asks what the search asked, and no more.
    if (!s.query.text.empty()) filters.push_back(filter(kWords, s.query.text));
    return filters;
}

std::vector<std::string> valveSearchFilters(std::optional<double> cv, std::optional<int> psig,
                                            std::string_view kind, std::string_view size) {
    std::vector<std::string> filters;
    if (cv) filters.push_back(filter(kListNames[std::size_t(Attribute::Cv)], cvMinimumText(*cv)));
    if (psig)
        filters.push_back(filter(kListNames[std::size_t(Attribute::RatedPressure)], std::to_string(*psig)));
    if (!kind.empty()) filters.push_back(filter(kListNames[std::size_t(Attribute::ConnectionKind)], kind));
    if (!size.empty()) filters.push_back(filter(kListNames[std::size_t(Attribute::ConnectionSize)], size));
    if (!kind.empty() || !size.empty())
        filters.push_back(filter(kPlace, kPlaces[std::size_t(ConnectionScope::EveryPort)]));
    filters.push_back(filter(kStandardOnly, kYes));
    return filters;
}

std::vector<std::string> openSearchFilters(SearchModel& model, const std::vector<std::string>& filters) {
    std::vector<std::string> unused;
    // The minimums first: asking for them clears every other filter.
    std::optional<double> cv, psig;
    for (const std::string& f : filters) {
        const auto [name, value] = split(f);
        if (name == kListNames[std::size_t(Attribute::Cv)] && number(value))
            cv = number(value);
        else if (name == kListNames[std::size_t(Attribute::RatedPressure)] && number(value))
            psig = number(value);
    }
    if (cv || psig)
        model.findValves(cv, psig);
    else
        model.clear();
    for (const std::string& f : filters) {
        const auto [name, value] = split(f);
        bool used = true;
        if (name == kPlace) {
            const auto place = std::find(kPlaces.begin(), kPlaces.end(), value);
            used = place != kPlaces.end();
            if (used) model.chooseScope(ConnectionScope(place - kPlaces.begin()));
        } else if (name == kStandardOnly) {
            used = value == kYes;
            if (used) model.chooseStandardOnly(true);
        } else if (name == kPriceFrom) {
            model.typePriceFrom(value);
        } else if (name == kPriceTo) {
            model.typePriceTo(value);
        } else if (name == kWords) {
            model.typeWords(value);
        } else if (const auto list = listNamed(name)) {
            const auto a = Attribute(*list);
            if (a == Attribute::Cv || a == Attribute::RatedPressure) {
                used = number(value).has_value();
            } else if (const auto row = rowNamed(model, a, value)) {
                if (!model.state().lists[*list].rows[*row].chosen) model.toggleRow(a, *row);
            } else {
                used = false;
            }
        } else {
            used = false;
        }
        if (!used) unused.push_back(f);
    }
    return unused;
}

}  // namespace tarvek::search
