// Find by Requirement as a model: the filters' lists with the entries they offer and the count
// beside each, the entries chosen, the boxes as typed, and what the search finds; the user's
// events in the search's words. The window shows its state, and so can a web page.
//
// Every list but the two minimums takes several entries at once, any of which a configuration
// may have; the count beside an entry is what adding it would leave (choosing it, where "Any"
// is chosen), and the count beside "Any" what leaving the list to any would leave.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/search/configuration_search.h"

namespace tarvek::search {

struct ListRow {
    std::string name;  // without its count
    std::uint64_t count = 0;
    bool chosen = false;   // "Any" while nothing is chosen; an entry whose values all are
    bool enabled = false;  // it would leave something, or it is chosen
};

struct FilterListState {
    std::vector<ListRow> rows;  // "Any" first
    bool takesSeveral = false;
    // The row that is the whole choice; none while several entries are, which no row is.
    std::optional<std::size_t> current;
    std::string chosenText;         // the choice in words: "Male Face Seal or Tube Stub"
    std::uint64_t chosenCount = 0;  // what the choice leaves
};

struct SearchPageState {
    std::array<FilterListState, kAttributeCount> lists;
    ConnectionScope scope = ConnectionScope::AnyPort;
    bool standardOnly = false;
    std::uint64_t standardOnlyCount = 0;    // what ticking "standard products only" leaves
    std::string words, priceFrom, priceTo;  // as typed
    // The lowest and highest list price of what every filter but the price range leaves.
    std::string lowestPrice, highestPrice;
    std::string found;               // "12 configurations in 3 groups"
    std::vector<std::string> notes;  // what the search could not use of the typing, and hints
    SearchQuery query;
    SearchResult result;
};

class SearchModel {
  public:
    explicit SearchModel(const SearchIndex& index);

    const SearchPageState& state() const { return s_; }
    ConfigurationSearch& search() { return search_; }
    const ConfigurationSearch& search() const { return search_; }
    const SearchIndex& index() const { return search_.index(); }

    // The row alone: row 0 is "Any".
    void chooseRow(Attribute list, std::size_t row);
    // The row added to the entries chosen, or taken away when all its values are chosen; in a
    // list of minimums, or for "Any", the same as choosing it.
    void toggleRow(Attribute list, std::size_t row);
    void chooseScope(ConnectionScope scope);
    void chooseStandardOnly(bool on);
    void typeWords(std::string_view text);
    void typePriceFrom(std::string_view text);
    void typePriceTo(std::string_view text);
    // Every filter back to "Any", every box emptied.
    void clear();
    // Every filter cleared, then the Cv a flow needs and its inlet pressure as the minimums:
    // the valves that pass it. A minimum no valve of the catalogue is rated at gets a row of
    // its own, with the digits that matter.
    void findValves(std::optional<double> cv, std::optional<double> inletPsig);

  private:
    // An entry of a list of minimums: a rating of the catalogue, or one a flow asked for.
    struct Minimum {
        std::string name;
        double value;  // Cv, or psig
    };

    bool isMinimum(Attribute a) const { return a == Attribute::Cv || a == Attribute::RatedPressure; }
    void run();
    void readQuery();
    void showLists();
    void showMinimums(Attribute a);
    void showChoices(Attribute a);
    void resetMinimums();
    void chooseMinimum(Attribute a, double value, const std::string& name);

    ConfigurationSearch search_;
    SearchPageState s_;
    std::array<ValueSet, kAttributeCount> chosen_{};
    std::array<std::vector<Minimum>, 2> minimums_;          // Cv, rated pressure
    std::array<std::optional<std::size_t>, 2> minimumRow_;  // into minimums_
};

}  // namespace tarvek::search
