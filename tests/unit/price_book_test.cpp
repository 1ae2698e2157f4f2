// The price book: --decode's columns and then cv, rated_psig and price_note; rows kept by column
// filters; every row reads back, through the decoder, as the configuration it was written
// from; the V-block series, which the catalogue gives no price, has none.
#include "rules/search/price_book.h"

#include <gtest/gtest.h>

#include <random>

#include "rules/configurator/pricing.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/search/search_index.h"
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
