// A search sent as a link: its filters name the lists' entries as the catalogue writes them,
// and opening them in a fresh search asks exactly the same; what a link asks that the
// catalogue does not have is answered back and changes nothing.
#include "rules/search/search_link.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tarvek::search;

std::size_t row(const SearchModel& m, Attribute a, std::string_view name) {
    const auto& rows = m.state().lists[std::size_t(a)].rows;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].name == name) return r;
    ADD_FAILURE() << "no entry " << name;
    return 0;
}

struct LinkCase {
    const char* what;
    std::function<void(SearchModel&)> search;
    std::vector<std::string> filters;
    // A flow's Cv is sent with the digits that matter, which find the same valves.
    bool sameCvAsked = true;
};

TEST(SearchLink, FiltersNameTheCatalogueAndOpenTheSameSearch) {
    const std::vector<LinkCase> cases = {
        {"nothing chosen", [](SearchModel&) {}, {}},
        {"a body and two portings",
         [](SearchModel& m) {
             m.chooseRow(Attribute::Body, row(m, Attribute::Body, "MX2 - Standard Series"));
             m.toggleRow(Attribute::Porting, row(m, Attribute::Porting, "2A"));
             m.toggleRow(Attribute::Porting, row(m, Attribute::Porting, "4D"));
         },
         {"body=MX2 - Standard Series", "porting=2A", "porting=4D"}},
        {"a family of connection kinds, named once, on every port",
         [](SearchModel& m) {
             m.toggleRow(Attribute::ConnectionKind, row(m, Attribute::ConnectionKind, "Any male face seal"));
             m.chooseScope(ConnectionScope::EveryPort);
         },
         {"connection=Any male face seal", "place=on every port"}},
        {"the minimums of a flow: the Cv with the digits that matter, the pressure in whole psig",
         [](SearchModel& m) { m.findValves(0.230384, 100.2); },
         {"cv=0.2304", "rated_psig=101"},
         false},
        {"a rating of the catalogue, standard only, a price range and words",
         [](SearchModel& m) {
             m.chooseRow(Attribute::RatedPressure, row(m, Attribute::RatedPressure, "250 psig"));
             m.chooseStandardOnly(true);
             m.typePriceFrom("$99.50");
             m.typePriceTo("1,200");
             m.typeWords("MXFX");
         },
         {"rated_psig=250", "standard_only=yes", "price_from=$99.50", "price_to=1,200", "words=MXFX"}},
    };
    for (const LinkCase& c : cases) {
        SearchModel searched(searchIndex());
        c.search(searched);
        EXPECT_EQ(searchFilters(searched), c.filters) << c.what;
        SearchModel opened(searchIndex());
        opened.typeWords("left over from before");
        EXPECT_TRUE(openSearchFilters(opened, c.filters).empty()) << c.what;
        SearchQuery asked = opened.state().query;
        if (!c.sameCvAsked) asked.cvAtLeast = searched.state().query.cvAtLeast;
        EXPECT_EQ(asked, searched.state().query) << c.what;
        EXPECT_EQ(opened.state().result.total, searched.state().result.total) << c.what;
        EXPECT_EQ(opened.state().found, searched.state().found) << c.what;
        EXPECT_EQ(searchFilters(opened), c.filters) << c.what;
    }
}

TEST(SearchLink, WhatTheCatalogueDoesNotHaveIsAnsweredAndChangesNothing) {
    const std::vector<std::string> foreign = {"colour=red",      "porting=ZZ",          "no equals sign",
                                              "place=somewhere", "standard_only=maybe", "cv=a lot"};
    SearchModel m(searchIndex());
    const SearchQuery cleared = m.state().query;
    std::vector<std::string> asked = foreign;
    asked.push_back("porting=2A");
    EXPECT_EQ(openSearchFilters(m, asked), foreign);
    SearchModel expected(searchIndex());
    expected.toggleRow(Attribute::Porting, row(expected, Attribute::Porting, "2A"));
    EXPECT_EQ(m.state().query, expected.state().query);
    EXPECT_NE(m.state().query, cleared);
}

// Words longer than the 200 characters a search reads: the link holds those 200 characters
// (counted as characters, not bytes), and opens the same search.
TEST(SearchLink, OnlyTheWordsSearchedGoIntoTheLink) {
    std::string ascii, accented;
    for (int i = 0; i < 250; ++i) ascii += "MXFX "[i % 5];
    for (int i = 0; i < 250; ++i) accented += i % 2 ? "\u00fc" : "a";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {ascii, ascii.substr(0, 200)},
        {accented, accented.substr(0, 100 + 100 * 2)},
        {std::string(1 << 20, 'Z'), std::string(200, 'Z')},
    };
    for (const auto& [typed, searched] : cases) {
        SearchModel m(searchIndex());
        m.typeWords(typed);
        const std::vector<std::string> filters = searchFilters(m);
        ASSERT_EQ(filters.size(), 1u);
        EXPECT_EQ(filters[0], "words=" + searched);
        SearchModel opened(searchIndex());
        EXPECT_TRUE(openSearchFilters(opened, filters).empty());
        EXPECT_EQ(opened.state().query, m.state().query);
        EXPECT_EQ(opened.state().found, m.state().found);
    }
}

}  // namespace
