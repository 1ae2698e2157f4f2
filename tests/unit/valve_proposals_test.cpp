// Valves proposed for a need are the cheapest rows the price book (--list) gives with the same
// minimums and filters: standard only, a Cv and rated pressure at least those asked, and where
// the need names them every port's connection of its kind and size; sorted by list price, ties
// in the book's own order. Each need carries the link that opens the search on the same valves.
#include "rules/search/valve_proposals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "rules/numbers/number_text.h"
#include "rules/search/price_book.h"
#include "rules/search/search_link.h"
#include "rules/search/search_model.h"
#include "rules/text/delimited_text.h"

namespace {

using namespace tarvek;
using namespace tarvek::search;

struct BookRow {
    std::string partNumber;
    double listPrice = 0;
    double cv = 0;
    int psig = 0;
    std::vector<std::string> connections;  // the used ports' texts, "M - Male Face Seal, 1/4 inch"
};

// The standard valves of the price book: its rows with a rating (the catalogue's Cv ratings, as
// catalogue_facts.h types the notes out: .16, .23, .4, .5 and 1.0 Cv).
const std::vector<BookRow>& standardValves() {
    static const std::vector<BookRow> rows = [] {
        std::vector<BookRow> found;
        const std::vector<ColumnFilter> filters = {
            {*priceBookColumn("non_standard"), {"no"}},
            {*priceBookColumn("cv"), {"0.16", "0.23", "0.4", "0.5", "1"}}};
        const std::size_t price = *priceBookColumn("list_price"), cv = *priceBookColumn("cv"),
                          psig = *priceBookColumn("rated_psig"), first = *priceBookColumn("connection_1");
        writePriceBook(filters, [&](std::string_view line) {
            const DelimitedText read = readDelimitedText(line, 1, 10'000);
            const std::vector<std::string>& cells = read.rows.rows.front().cells;
            if (cells[psig].empty() || cells[price].empty()) return true;
            BookRow row{cells[0],
                        leadingNumber(cells[price]),
                        leadingNumber(cells[cv]),
                        int(leadingNumber(cells[psig])),
                        {}};
            for (std::size_t c = first; c < first + 4; ++c)
                if (!cells[c].empty()) row.connections.push_back(cells[c]);
            found.push_back(std::move(row));
            return true;
        });
        return found;
    }();
    return rows;
}

// "M - Male Face Seal, 1/4 inch Hi Flo" is of the kind "Male Face Seal" and the size "1/4 inch".
bool connectionIs(const std::string& text, const std::string& kind, const std::string& size) {
    const std::size_t dash = text.find(" - "), comma = text.find(',');
    if (dash == std::string::npos || comma == std::string::npos) return false;
    const std::string ownKind = text.substr(dash + 3, comma - dash - 3);
    return (kind.empty() || ownKind == kind) && (size.empty() || text.find(", " + size) != std::string::npos);
}

std::vector<std::string> cheapestInTheBook(const ValveNeed& need, std::size_t count) {
    std::vector<const BookRow*> kept;
    for (const BookRow& row : standardValves()) {
        if (row.cv + 1e-9 < need.cv || row.psig < std::ceil(need.inletPsig - 1e-9)) continue;
        if (!std::all_of(row.connections.begin(), row.connections.end(), [&](const std::string& c) {
                return connectionIs(c, need.connectionKind, need.connectionSize);
            }))
            continue;
        kept.push_back(&row);
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const BookRow* a, const BookRow* b) { return a->listPrice < b->listPrice; });
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i < kept.size() && i < count; ++i) numbers.push_back(kept[i]->partNumber);
    return numbers;
}

TEST(ValveProposals, TheCheapestRowsOfThePriceBookWithTheSameMinimumsAndFilters) {
    ASSERT_GT(standardValves().size(), 100'000u);
    for (const ValveNeed& need : {
             ValveNeed{0.2304, 100, "", ""},  // 450.5 slm of nitrogen, 100 to 20 psig
             ValveNeed{0.1, 2999.5, "Male Face Seal", "1/4 inch"}, ValveNeed{0.45, 400, "Tube Stub", ""},
             ValveNeed{0.16, 6200, "", ""}, ValveNeed{0.9, 800, "", "1/2 inch"},
             ValveNeed{0, 0, "", ""},  // any valve at all
         }) {
        const ValveProposals proposals = proposeValves(searchIndex(), need, 7);
        EXPECT_EQ(proposals.problem, "");
        std::vector<std::string> numbers;
        for (const ValveProposal& p : proposals.valves) numbers.push_back(p.configuration.partNumber);
        EXPECT_EQ(numbers, cheapestInTheBook(need, 7))
            << need.cv << " " << need.inletPsig << " " << need.connectionKind;
        EXPECT_FALSE(numbers.empty());
        for (const ValveProposal& p : proposals.valves) {
            EXPECT_GE(p.cvThousandths / 1000.0 + 1e-9, need.cv);
            EXPECT_GE(p.ratedPsig, need.inletPsig);
        }
    }
}

TEST(ValveProposals, ANeedNoValveMeetsProposesNone) {
    EXPECT_TRUE(proposeValves(searchIndex(), {2.0, 100, "", ""}).valves.empty());
    EXPECT_TRUE(cheapestInTheBook({2.0, 100, "", ""}, 5).empty());
    EXPECT_EQ(proposeValves(searchIndex(), {0.2, 100, "Flange", ""}).problem,
              "the catalogue has no connection kind \"Flange\"");
}

TEST(ValveProposals, TheLinkOpensTheSearchOnTheSameValves) {
    const ValveNeed need{0.2304, 100, "Male Face Seal", "1/4 inch"};
    const ValveProposals proposals = proposeValves(searchIndex(), need);
    EXPECT_EQ(
        proposals.filters,
        (std::vector<std::string>{"cv=0.2304", "rated_psig=100", "connection=Male Face Seal",
                                  "connection_size=1/4 inch", "place=on every port", "standard_only=yes"}));
    SearchModel model(searchIndex());
    EXPECT_TRUE(openSearchFilters(model, proposals.filters).empty());
    EXPECT_EQ(searchFilters(model), proposals.filters);
    // The search finds every valve the proposals were chosen from, and the cheapest among them.
    ConfigurationSearch search(searchIndex());
    EXPECT_EQ(model.state().result.total, search.find(proposals.query).total);
    EXPECT_GT(model.state().result.total, 0u);
    EXPECT_EQ(cheapestConfigurations(searchIndex(), model.state().query, 1).front(),
              proposals.valves.front().id);
}

}  // namespace
