// Find by Requirement as JavaScript sees it (embind), for the page's search worker: the
// search model's events and the state they lead to, the results' groups in the order asked,
// a group's configurations, the filters of the address, the price book's rows of what is
// copied and the link that opens a configuration. Conversions only: every rule stays in the
// rules layer.
#include <emscripten/bind.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/part_numbers/configuration_link.h"
#include "rules/search/copied_rows.h"
#include "rules/search/result_order.h"
#include "rules/search/result_texts.h"
#include "rules/search/search_link.h"
#include "rules/search/search_model.h"
#include "rules/search/search_texts.h"
#include "web/js_values.h"

namespace tarvek {
namespace {

using emscripten::val;
using namespace search;

using web::text;
using web::textArray;

val listView(const FilterListState& list) {
    val rows = val::array();
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        const ListRow& row = list.rows[r];
        val view = val::object();
        view.set("name", row.name);
        view.set("text", entryText(row.name, row.count));
        view.set("chosen", row.chosen);
        view.set("enabled", row.enabled);
        rows.set(r, view);
    }
    val view = val::object();
    view.set("rows", rows);
    view.set("takesSeveral", list.takesSeveral);
    view.set("current", list.current ? int(*list.current) : -1);
    view.set("chosenText", list.chosenText);
    // The closed list: its one entry, or the entries chosen in words with what they leave.
    view.set("closedText", list.current
                               ? entryText(list.rows[*list.current].name, list.rows[*list.current].count)
                               : entryText(list.chosenText, list.chosenCount));
    return view;
}

val groupView(const SearchIndex& index, const GroupMatch& match) {
    const IndexGroup& group = index.groups()[match.group];
    val view = val::object();
    view.set("group", int(match.group));
    view.set("partNumber", group.prefix);
    view.set("description", groupDescription(group));
    view.set("fullDescription", groupFullDescription(group));
    view.set("configurations", countText(match.count));
    view.set("count", double(match.count));
    view.set("listPrice", priceRangeText(match));
    view.set("nonStandard", text(nonStandardText(match)));
    return view;
}

// The search of one page: each event answers with the whole state to show.
class SearchSession {
  public:
    SearchSession() : model_(searchIndex()) {}

    // The state, with the first screen of the results' groups: the page asks for more.
    val view() {
        const SearchPageState& s = model_.state();
        val lists = val::array();
        for (std::size_t a = 0; a < kAttributeCount; ++a) lists.set(a, listView(s.lists[a]));
        groups_ = s.result.groups;
        sortGroups(model_.index(), groups_, order_);
        val view = val::object();
        view.set("lists", lists);
        view.set("scope", int(s.scope));
        view.set("standardOnly", s.standardOnly);
        view.set("standardOnlyCount", countText(s.standardOnlyCount));
        view.set("words", s.words);
        view.set("priceFrom", s.priceFrom);
        view.set("priceTo", s.priceTo);
        view.set("lowestPrice", s.lowestPrice);
        view.set("highestPrice", s.highestPrice);
        view.set("found", s.found);
        view.set("total", double(s.result.total));
        view.set("notes", textArray(s.notes));
        view.set("order", int(order_));
        view.set("groups", groups(0, kFirstScreen));
        view.set("groupCount", int(groups_.size()));
        view.set("filters", textArray(searchFilters(model_)));
        return view;
    }

    // The results' groups from the `from`th, `count` of them at most.
    val groups(int from, int count) const {
        val shown = val::array();
        for (int g = std::max(from, 0), i = 0; g < int(groups_.size()) && i < count; ++g, ++i)
            shown.set(i, groupView(model_.index(), groups_[std::size_t(g)]));
        return shown;
    }

    val chooseRow(int list, int row) {
        if (validList(list) && row >= 0) model_.chooseRow(Attribute(list), std::size_t(row));
        return view();
    }
    val toggleRow(int list, int row) {
        if (validList(list) && row >= 0) model_.toggleRow(Attribute(list), std::size_t(row));
        return view();
    }
    val chooseScope(int scope) {
        if (scope >= 0 && std::size_t(scope) < kScopeCount) model_.chooseScope(ConnectionScope(scope));
        return view();
    }
    val chooseStandardOnly(bool on) {
        model_.chooseStandardOnly(on);
        return view();
    }
    val typeWords(const std::string& words) {
        model_.typeWords(words);
        return view();
    }
    val typePriceFrom(const std::string& price) {
        model_.typePriceFrom(price);
        return view();
    }
    val typePriceTo(const std::string& price) {
        model_.typePriceTo(price);
        return view();
    }
    val clear() {
        model_.clear();
        return view();
    }
    val chooseOrder(int order) {
        if (order >= 0 && std::size_t(order) < kOrders.size()) order_ = ResultOrder(order);
        return view();
    }
    // The minimums a flow asks for (the calculator's Valves for this Flow).
    val findValves(double cv, double inletPsig) {
        const auto asked = [](double v) { return std::isfinite(v) ? std::optional(v) : std::nullopt; };
        model_.findValves(asked(cv), asked(inletPsig));
        return view();
    }
    // The search of an address's filters; with it, the filters it could not use.
    val openFilters(const val& filters) {
        const std::vector<std::string> unused =
            openSearchFilters(model_, emscripten::vecFromJSArray<std::string>(filters));
        val result = val::object();
        result.set("unused", textArray(unused));
        result.set("state", view());
        return result;
    }

    // The configurations found in a group, in the order chosen, the first `most` of them.
    val configurations(int group, int most) const {
        val rows = val::array();
        const std::vector<ConfigurationId> ids = configurationsOf(group);
        for (std::size_t i = 0; i < ids.size() && i < std::size_t(std::max(most, 0)); ++i) {
            const IndexedConfiguration c = model_.index().configuration(ids[i]);
            val row = val::object();
            row.set("id", double(ids[i]));
            row.set("partNumber", c.partNumber);
            row.set("description", configurationDescription(model_.index(), ids[i], c));
            row.set("fullDescription", configurationFullDescription(c));
            row.set("listPrice", configurationPriceText(c));
            row.set("nonStandard", text(nonStandardText(c)));
            row.set("link", link(double(ids[i])));
            rows.set(i, row);
        }
        return rows;
    }
    // The price book's rows of whole groups and of single configurations, groups first.
    val copyRows(const val& groups, const val& configurations) const {
        std::vector<ConfigurationId> ids;
        for (const int group : emscripten::vecFromJSArray<int>(groups))
            for (const ConfigurationId id : configurationsOf(group)) ids.push_back(id);
        for (const double id : emscripten::vecFromJSArray<double>(configurations))
            if (id >= 0 && id < double(model_.index().size())) ids.push_back(ConfigurationId(id));
        val result = val::object();
        result.set("csv", priceBookRows(model_.index(), ids));
        result.set("copied", double(std::min(ids.size(), kMostCopied)));
        result.set("most", double(kMostCopied));
        result.set("wanted", double(ids.size()));
        return result;
    }
    // The link that sets the configurator to a configuration, as the address carries it.
    std::string link(double id) const {
        if (!(id >= 0 && id < double(model_.index().size()))) return {};
        Configurator configurator;
        for (const ConfiguratorEvent& event : model_.index().configuration(ConfigurationId(id)).events)
            configurator.apply(event);
        return configurationLink(configurator.state());
    }

  private:
    static bool validList(int list) { return list >= 0 && std::size_t(list) < kAttributeCount; }
    std::vector<ConfigurationId> configurationsOf(int group) const {
        if (group < 0 || std::size_t(group) >= model_.index().groups().size()) return {};
        std::vector<ConfigurationId> ids =
            model_.search().configurations(model_.state().query, std::size_t(group));
        sortConfigurations(model_.index(), ids, order_);
        return ids;
    }

    static constexpr int kFirstScreen = 50;  // groups: more than a screen holds

    SearchModel model_;
    ResultOrder order_ = ResultOrder::Catalogue;
    std::vector<GroupMatch> groups_;  // the results' groups in the order chosen
};

val searchTexts() {
    val texts = val::object();
    texts.set("title", text(kSearchTitle));
    texts.set("places", textArray(kPlaces));
    texts.set("orders", textArray(kOrders));
    texts.set("columns", textArray(kResultColumns));
    return texts;
}

}  // namespace
}  // namespace tarvek

EMSCRIPTEN_BINDINGS(tarvek_search) {
    using namespace tarvek;
    emscripten::class_<SearchSession>("Search")
        .constructor<>()
        .function("view", &SearchSession::view)
        .function("chooseRow", &SearchSession::chooseRow)
        .function("toggleRow", &SearchSession::toggleRow)
        .function("chooseScope", &SearchSession::chooseScope)
        .function("chooseStandardOnly", &SearchSession::chooseStandardOnly)
        .function("typeWords", &SearchSession::typeWords)
        .function("typePriceFrom", &SearchSession::typePriceFrom)
        .function("typePriceTo", &SearchSession::typePriceTo)
        .function("clear", &SearchSession::clear)
        .function("chooseOrder", &SearchSession::chooseOrder)
        .function("findValves", &SearchSession::findValves)
        .function("openFilters", &SearchSession::openFilters)
        .function("groups", &SearchSession::groups)
        .function("configurations", &SearchSession::configurations)
        .function("copyRows", &SearchSession::copyRows)
        .function("link", &SearchSession::link);
    emscripten::function("searchTexts", &searchTexts);
}
