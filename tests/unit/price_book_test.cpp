// The price book: --decode's columns and then cv, rated_psig and price_note, each valve's rating
// as the catalogue prints it; rows kept by column filters; every row reads back, through the
// decoder, as the configuration it was written from; the V-block series, which the catalogue
// gives no price, has none.
#include "rules/search/price_book.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "rules/configurator/pricing.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/search/search_index.h"
#include "tests/support/catalogue_facts.h"
#include "tests/support/configuration_census.h"
#include "tests/support/price_book_example.h"

namespace {

using namespace tarvek;
using namespace tarvek::search;

// The fields of a CSV line as RFC 4180 writes them.
std::vector<std::string> fieldsOf(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else if (!quoted && (c == '\r' || c == '\n')) {
            break;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

TEST(PriceBook, HasTheDecodersColumnsThenTheValveRatingAndThePriceNote) {
    const std::string decode = csvHeader();
    const std::string book = priceBookHeader();
    EXPECT_EQ(book, decode.substr(0, decode.size() - 2) + ",cv,rated_psig,price_note\r\n");
    EXPECT_EQ(priceBookColumn("part_number"), 0u);
    EXPECT_EQ(priceBookColumn("list_price"), 2u);
    EXPECT_EQ(priceBookColumn("catalogue_part_number"), 16u);
    EXPECT_EQ(priceBookColumn("rated_psig"), 18u);
    EXPECT_EQ(priceBookColumn("price_note"), 19u);
    EXPECT_EQ(priceBookColumn("Porting"), std::nullopt);
    EXPECT_EQ(priceBookColumn(""), std::nullopt);
}

// Rows written straight from the state: the catalogue's example valve as --decode shows it.
TEST(PriceBook, KeepsTheRowsEveryFilterHolds) {
    const std::size_t porting = *priceBookColumn("porting"), body = *priceBookColumn("body");
    const std::size_t model = *priceBookColumn("model"), standard = *priceBookColumn("non_standard");
    const std::size_t part = *priceBookColumn("part_number");
    std::vector<std::vector<std::string>> rows;
    const std::vector<ColumnFilter> filters = {{body, {"MX2 - Standard Series"}},
                                               {model, {"J310 --- Manual, Tee Knob, LOTO"}},
                                               {porting, {"2A"}},
                                               {standard, {"no"}}};
    EXPECT_TRUE(writePriceBook(filters, [&](std::string_view row) {
        EXPECT_TRUE(row.ends_with("\r\n"));
        rows.push_back(fieldsOf(row));
        return true;
    }));
    tarvek::testing::Requirement r;
    r.steps = {{Step::Body, "MX2 - Standard Series"},
               {Step::Model, "J310 --- Manual, Tee Knob, LOTO"},
               {Step::Porting, "2A"}};
    r.standardOnly = true;
    EXPECT_EQ(rows.size(), tarvek::testing::census().count(r));
    const auto example = std::find_if(
        rows.begin(), rows.end(), [&](const auto& row) { return row[part] == "J310-MX2-2A-MXFX-VS-BK-LS"; });
    ASSERT_NE(example, rows.end());
    EXPECT_EQ(*example, tarvek::testing::kExampleBookRow);

    // A value no row has keeps none; stopping stops.
    EXPECT_TRUE(writePriceBook(std::vector<ColumnFilter>{{model, {"nothing"}}}, [](std::string_view) {
        ADD_FAILURE();
        return true;
    }));
    int written = 0;
    EXPECT_FALSE(writePriceBook({}, [&](std::string_view) { return ++written < 3; }));
    EXPECT_EQ(written, 3);
}

// A filter with several values keeps a row whose column reads any of them.
TEST(PriceBook, AFilterOfSeveralValuesKeepsAnyOfThem) {
    const std::size_t body = *priceBookColumn("body"), porting = *priceBookColumn("porting");
    const std::size_t model = *priceBookColumn("model");
    std::uint64_t rows = 0;
    writePriceBook(std::vector<ColumnFilter>{{body, {"MX1 - Miniature Series", "MX3 - High Flow Series"}},
                                             {model, {"N350 --- Manual, Round Knob"}},
                                             {porting, {"2A", "4D", "no such porting"}}},
                   [&](std::string_view) { return ++rows, true; });
    tarvek::testing::Requirement r;
    r.steps = {{Step::Body, {"MX1 - Miniature Series", "MX3 - High Flow Series"}},
               {Step::Model, "N350 --- Manual, Round Knob"},
               {Step::Porting, {"2A", "4D"}}};
    EXPECT_EQ(rows, tarvek::testing::census().count(r));
    EXPECT_GT(rows, 0u);
}

// The catalogue gives the V-block series no price: its row has an empty list price and says
// why, and no other row of the book does.
TEST(PriceBook, TheVBlockSeriesIsPricedOnRequest) {
    const std::size_t price = *priceBookColumn("list_price"), note = *priceBookColumn("price_note");
    std::vector<std::vector<std::string>> rows;
    const auto keep = [&](std::string_view row) {
        rows.push_back(fieldsOf(row));
        return true;
    };
    writePriceBook(std::vector<ColumnFilter>{{note, {"price on request"}}}, keep);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].size(), 20u);
    EXPECT_EQ(rows[0][0], "-BMX2");
    EXPECT_EQ(rows[0][4], "BMX2 - V-Block Series");
    EXPECT_EQ(rows[0][price], "");
    EXPECT_EQ(rows[0][note], "price on request");
    rows.clear();
    writePriceBook(std::vector<ColumnFilter>{{*priceBookColumn("body"), {"BMX2 - V-Block Series"}}}, keep);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][note], "price on request");
}

// The price book's column that shows a step.
std::string_view columnOf(Step step) {
    static constexpr std::string_view kColumns[] = {
        "product_type", "body",         "model", "porting", "connection_1", "connection_2",
        "connection_3", "connection_4", "seat",  "handle",  "lever"};
    return kColumns[std::size_t(step)];
}

// Filters on the columns that change inside a model-and-porting group (the options and the four
// connections) keep every row that reads so, as a brute-force count over the states finds.
TEST(PriceBook, FiltersOnWhatVariesWithinAGroupKeepWhatTheCensusCounts) {
    const std::map<Step, tarvek::testing::AnyOf> cases[] = {
        {{Step::Body, "MX1 - Miniature Series"},
         {Step::Model, "A310 --- Air-Op N.C., Low Pressure"},
         {Step::Seat, "B5 - Bleed Seat"}},
        {{Step::Body, "Check Valve"}, {Step::Seat, "KZ - Kalrez Seal"}},
        {{Step::Model, "N350 --- Manual, Round Knob"},
         {Step::Porting, "2A"},
         {Step::HandleColour, "GR - Green"}},
        {{Step::Model, "E310 --- Hybrid, N.C., LOTO"},
         {Step::Porting, "3B"},
         {Step::LeverHandle, "LS - Lever Handle"}},
        {{Step::Model, "J310 --- Manual, Tee Knob, LOTO"},
         {Step::Porting, "2D"},
         {Step::LeverHandle, ""},
         {Step::HandleColour, "WH - White"}},
        {{Step::Body, "MX2 - Standard Series"},
         {Step::Model, "A310 --- Air-Op N.C., Low Pressure"},
         {Step::Connection1, "V - Fixed Male Face Seal, 1/4 inch"}},
        {{Step::Model, "A22 --- Air-Op NC, Med Pressure"},
         {Step::Connection2, "F8 - Female Face Seal, 1/2 inch"}},
        {{Step::Model, "A33 --- Air-Op N.C., High Pressure"},
         {Step::Porting, "3E"},
         {Step::Connection3, "6 - Tube Stub, 3/8 inch"}},
        {{Step::Model, "A550 - Pneumatic, N.C."},
         {Step::Connection4, "8 - Tube Stub, .065 Wall, 1/2 inch"},
         {Step::Seat, "VS - Vespel Seat"}},
    };
    for (const std::map<Step, tarvek::testing::AnyOf>& steps : cases) {
        std::vector<ColumnFilter> filters;
        std::string what;
        for (const auto& [step, value] : steps) {
            filters.push_back({*priceBookColumn(columnOf(step)), value.texts});
            what += std::string(columnOf(step)) + "=" + value.texts[0] + " ";
        }
        std::uint64_t rows = 0;
        writePriceBook(filters, [&](std::string_view line) {
            const std::vector<std::string> row = fieldsOf(line);
            for (const ColumnFilter& f : filters) EXPECT_EQ(row[f.column], f.values[0]) << what << row[0];
            ++rows;
            return !::testing::Test::HasFailure();
        });
        EXPECT_EQ(rows, tarvek::testing::census().count({.steps = steps})) << what;
        EXPECT_GT(rows, 0u) << what;
    }
}

// Every row of every valve has the Cv and rated pressure of the rating the catalogue prints
// under its picture; an actuator sold alone and a regulator have none.
TEST(PriceBook, EachValvesRowsHaveTheRatingTheCataloguePrints) {
    namespace facts = tarvek::testing::facts;
    const std::size_t type = *priceBookColumn("product_type"), body = *priceBookColumn("body");
    const std::size_t model = *priceBookColumn("model"), porting = *priceBookColumn("porting");
    const std::size_t cv = *priceBookColumn("cv"), psig = *priceBookColumn("rated_psig");
    std::size_t valves = 0;
    for (const facts::BodyPicture& series : facts::kBodyPictures) {
        for (const facts::Written& actuator : facts::kModels) {
            const facts::ValveOnSeries* valve = facts::valveOnSeries(series.entry, actuator.entry);
            if (!valve) continue;
            ++valves;
            const tarvek::testing::Rating rating = tarvek::testing::kValveNotes.at(valve->rating);
            std::uint64_t rows = 0;
            writePriceBook(std::vector<ColumnFilter>{{type, {"Diaphragm Valves"}},
                                                     {body, {std::string(series.entry)}},
                                                     {model, {std::string(actuator.entry)}},
                                                     {porting, {"3B"}}},
                           [&](std::string_view line) {
                               const std::vector<std::string> row = fieldsOf(line);
                               EXPECT_EQ(std::lround(std::stod(row[cv]) * 1000), rating.cv) << row[0];
                               EXPECT_EQ(row[psig], std::to_string(rating.psig)) << row[0];
                               ++rows;
                               return !::testing::Test::HasFailure();
                           });
            EXPECT_GT(rows, 0u) << valve->model << valve->series;
        }
    }
    EXPECT_EQ(valves, std::size(facts::kValvesOnSeries));
    for (const char* unrated : {"Actuator Assemblies", "Pressure Regulators"})
        writePriceBook(std::vector<ColumnFilter>{{type, {unrated}}}, [&](std::string_view line) {
            const std::vector<std::string> row = fieldsOf(line);
            EXPECT_EQ(row[cv] + row[psig], "") << row[0];
            return !::testing::Test::HasFailure();
        });
}

// A large random sample of the book: each row's part number decodes to a configuration with
// the row's list price, and that configuration set in a configurator shows both.
TEST(PriceBook, EveryRowReadsBackAsItsOwnConfiguration) {
    const SearchIndex& index = searchIndex();
    const PartNumberDecoder& decoder = partNumberDecoder();
    std::mt19937 random(2113);
    std::uniform_int_distribution<ConfigurationId> pick(0, ConfigurationId(index.size() - 1));
    CsvFields fields;
    for (int i = 0; i < 10000; ++i) {
        const IndexedConfiguration c = index.configuration(pick(random));
        Configurator listed;
        for (const ConfiguratorEvent& e : c.events) listed.apply(e);
        configurationFields(listed.state(), fields);
        std::string line;
        appendCsvLine(line, fields);
        const std::vector<std::string> row = fieldsOf(line);
        ASSERT_EQ(row[0], c.partNumber);
        ASSERT_EQ(row[2], listPriceText(c.listPrice));

        const PartNumberDecoding decoded = decoder.decode(row[0]);
        ASSERT_NE(decoded.status, PartNumberDecoding::Status::Unknown) << row[0];
        const auto same = std::find_if(
            decoded.configurations.begin(), decoded.configurations.end(), [&](const DecodedConfiguration& d) {
                return d.state.partNumber == row[0] && listPriceText(d.state.listPrice) == row[2];
            });
        ASSERT_NE(same, decoded.configurations.end()) << row[0] << " at " << row[2];
        Configurator set;
        for (const ConfiguratorEvent& e : same->events) set.apply(e);
        EXPECT_EQ(set.state().partNumber, row[0]);
        EXPECT_EQ(listPriceText(set.state().listPrice), row[2]);
    }
}

}  // namespace
