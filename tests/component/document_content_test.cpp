// What the documents say, checked against the catalogue tables the configurator reads: a
// product, price or part missing from its brochure or sheet is a fault.
#include "assets/documents/document_content.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/literature/document_buttons.h"
#include "assets/documents/catalogue_text.h"
#include "assets/documents/document_builders.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/connections.h"
#include "rules/catalogue/lookup.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/portings.h"
#include "rules/configurator/configuration_record.h"

namespace {

using namespace tarvek;
using Row = std::vector<std::string>;

std::vector<const TextTable*> tablesOf(const DocumentContent& content) {
    std::vector<const TextTable*> tables;
    for (const Block& block : content.blocks)
        if (const auto* table = std::get_if<TextTable>(&block)) tables.push_back(table);
    return tables;
}

// True when some table row holds all these cells (in any column).
bool hasRow(const DocumentContent& content, const Row& cells) {
    for (const TextTable* table : tablesOf(content))
        for (const Row& row : table->rows)
            if (std::all_of(cells.begin(), cells.end(), [&](const std::string& cell) {
                    return std::find(row.begin(), row.end(), cell) != row.end();
                }))
                return true;
    return false;
}

const TextTable* exampleOf(const DocumentContent& content) {
    for (const TextTable* table : tablesOf(content))
        if (table->totalRow) return table;
    return nullptr;
}

// The content of the document a button of the window opens.
DocumentContent contentOf(std::string_view button) {
    const DocumentButton* row = findDocumentButton(button);
    EXPECT_NE(row, nullptr) << button;
    return row ? documentContent(row->document()) : DocumentContent{};
}

TEST(DocumentContent, EveryDocumentHasItsNameTitleAndBody) {
    for (const Document& document : kDocuments) {
        const DocumentContent content = documentContent(document);
        SCOPED_TRACE(std::string(documentFileName(document)));
        EXPECT_EQ(content.fileName, documentFileName(document));
        EXPECT_FALSE(content.title.empty());
        EXPECT_FALSE(content.subtitle.empty());
        EXPECT_FALSE(content.keyFacts.empty());
        EXPECT_FALSE(tablesOf(content).empty());
        EXPECT_EQ(content.kindLabel,
                  document.page == DocumentPage::Literature ? "Product Brochure" : "Maintenance Sheet");
        if (document.page == DocumentPage::Technical) {
            const auto steps = std::find_if(content.blocks.begin(), content.blocks.end(), [](const Block& b) {
                return std::holds_alternative<NumberedSteps>(b);
            });
            ASSERT_NE(steps, content.blocks.end());
            EXPECT_GE(std::get<NumberedSteps>(*steps).steps.size(), 8u);
        }
    }
}

// Each valve series brochure: every actuator the series offers with its rating and price,
// every porting and every connection of the series with its price.
TEST(DocumentContent, ValveBrochuresListTheSeriesAsTheConfiguratorOffersIt) {
    for (const Document& document : kDocuments) {
        if (document.kind != DocumentKind::ValveSeries) continue;
        SCOPED_TRACE(std::string(documentFileName(document)));
        const DocumentContent content = documentContent(document);
        const Body* series = findRow(kBodies, &Body::code, document.subject);
        ASSERT_NE(series, nullptr);
        EXPECT_EQ(content.picture, series->picture);

        int actuators = 0;
        for (const ActuatorOnSeries& row : kActuatorsOnSeries) {
            if (row.series != series->code) continue;
            const Actuator* actuator = findRow(kActuators, &Actuator::code, row.code);
            const bool listed = std::find(series->actuators.begin(), series->actuators.end(),
                                          actuator->entry) != series->actuators.end();
            EXPECT_EQ(
                hasRow(content, {std::string(row.code), std::string(row.note), dollars(actuator->price)}),
                listed)
                << row.code;
            actuators += listed;
        }
        EXPECT_GT(actuators, 0);
        for (const Porting& porting : kPortings)
            EXPECT_TRUE(hasRow(content, {std::string(porting.entry), priceCell(porting.written.price)}))
                << porting.entry;
        const ConnectionSet* set = findRow(kConnectionSets, &ConnectionSet::body, series->entry);
        ASSERT_NE(set, nullptr);
        for (std::string_view entry : set->connections) {
            const Connection* connection = findRow(kConnections, &Connection::entry, entry);
            EXPECT_TRUE(
                hasRow(content, {std::string(splitEntry(entry).description), priceCell(connection->price)}))
                << entry;
        }
        EXPECT_EQ(hasRow(content, {"V", "20.00"}), set->offersFixedMale);
    }
}

// The worked example of the configurator, priced by the same code: A310 on MX2, porting
// 2A, male face seal on 1 and female on 3, Vespel seat.
TEST(DocumentContent, ExampleTablesComposeLikeTheConfigurator) {
    const TextTable table = documents::exampleTable({
        {"Actuator", Segment::Model, "A310", Segment::Model, "110.00"},
        {"Body", Segment::Body, "-MX2", Segment::Body, "140.00"},
        {"Porting", Segment::Porting, "-2A", Segment::Porting, "0"},
        {"Connection 1", Segment::Connection1, "-M", Segment::Connection1, "45"},
        {"Connection 2", Segment::Connection2, "X", Segment::Connection2, "0"},
        {"Connection 3", Segment::Connection3, "F", Segment::Connection3, "25"},
        {"Connection 4", Segment::Connection4, "X", Segment::Connection4, "0"},
        {"Seat", Segment::Seat, "-VS", Segment::Seat, "30"},
    });
    ASSERT_TRUE(table.totalRow);
    ASSERT_EQ(table.rows.size(), 9u);
    EXPECT_EQ(table.rows.back()[1], "A310-MX2-2A-MXFX-VS");
    EXPECT_EQ(table.rows.back()[2], "350.00");
}

TEST(DocumentContent, ExamplesFollowTheSeriesRules) {
    struct Case {
        std::string_view button, partNumber, listPrice;
    };
    const Case cases[] = {
        {"cmdOpenMX2pdf", "U310-MX2-2A-MXFX", "360.00"},       // 150 + 140 + 45 + 25
        {"cmdOpenHMX2pdf", "A375-HMX2-2A-TXTX-VS", "670.00"},  // the Vespel seat is fitted on the HMX2
        {"cmdOpenT400pdf", "T403-GN1-2A-MXFX", "610.00"},      // priced by its series
        {"cmdOpenKLpdf", "KL-01-KZ", "200.00"},                // Kalrez seal on a check valve
        {"cmdOpenWNpdf", "WN-01", "125.00"},
        {"cmdOpenLNQpdf", "LNQ-01", "45.00"},
        {"cmdOpenE310", "E310-MX2-2A-MXFX-RD-LS", "397.50"},  // colours are free, the lever is not
    };
    for (const Case& c : cases) {
        const DocumentContent content = contentOf(c.button);
        const TextTable* example = exampleOf(content);
        ASSERT_NE(example, nullptr) << c.button;
        EXPECT_EQ(example->rows.back()[1], c.partNumber) << c.button;
        EXPECT_EQ(example->rows.back()[2], c.listPrice) << c.button;
    }
    EXPECT_EQ(exampleOf(contentOf("cmdOpenBMX2")), nullptr);  // V-blocks are quoted, not priced
}

TEST(DocumentContent, RegulatorsOfferNoBleedSeat) {
    const DocumentContent content = contentOf("cmdOpenT400pdf");
    EXPECT_TRUE(hasRow(content, {"GN1", "-GN1", "540.00"}));
    EXPECT_TRUE(hasRow(content, {"GN2", "-GN2", "540.00"}));
    for (const RegulatorRange& range : kRegulatorRanges)
        EXPECT_TRUE(hasRow(content, {std::string(range.code)}));
    EXPECT_TRUE(hasRow(content, {"Seat: VS - Vespel Seat", "-VS", "30.00"}));
    EXPECT_FALSE(hasRow(content, {"Seat: B5 - Bleed Seat"}));
}

TEST(DocumentContent, ComponentBrochuresListTheirFamilies) {
    for (const FlowComponent& c : kFlowComponents) {
        const DocumentContent content =
            contentOf(c.family == "Check Valve" ? "cmdOpenKLpdf" : "cmdOpenWNpdf");
        EXPECT_TRUE(hasRow(content, {std::string(c.code), dollars(c.price)})) << c.code;
    }
    EXPECT_TRUE(hasRow(contentOf("cmdOpenKLpdf"), {"KZ - Kalrez Seal", "-KZ", "75.00"}));
    EXPECT_FALSE(hasRow(contentOf("cmdOpenWNpdf"), {"KZ - Kalrez Seal"}));
    const DocumentContent lnq = contentOf("cmdOpenLNQpdf");
    for (const Fitting& f : kFittings)
        EXPECT_EQ(hasRow(lnq, {std::string(f.code), dollars(f.price)}), f.family == "Tarvek LNQ Fittings")
            << f.code;
    EXPECT_TRUE(hasRow(lnq, {"KL-02", "145.00"}));  // the check valve with an LNQ gland
}

TEST(DocumentContent, ActuatorBrochureGivesTheValvePriceOnEachSeries) {
    const DocumentContent content = contentOf("cmdOpenE310");
    EXPECT_EQ(content.picture, "E310.jpg");
    EXPECT_TRUE(hasRow(content, {"E310-MX1", ".23 Cv, 250 psig", "320.00"}));
    EXPECT_TRUE(hasRow(content, {"E310-MX2", ".23 Cv, 250 psig", "320.00"}));
    EXPECT_TRUE(hasRow(content, {"E310-MX3", ".4 Cv, 125 psig", "350.00"}));
    EXPECT_TRUE(hasRow(content, {"LS - Lever Handle, for E310", "-LS", "7.50"}));
}

// Each maintenance sheet lists the spare parts it concerns, and only those.
TEST(DocumentContent, MaintenanceSheetsNameTheirSpareParts) {
    struct Case {
        std::string_view button;
        std::vector<std::string_view> parts;
    };
    const Case cases[] = {
        {"cmdOpenMaintenanceValveSeatpdf",
         {"70-803-04", "70-803-02", "70-803-04-VS", "70-803-02-VS", "WKT-01", "WKT-02"}},
        {"cmdOpenMaintenanceDiaphragmpdf", {"70-806-01", "70-806-02"}},
        {"cmdOpenMaintenanceA310pdf", {"70-806-01", "70-806-02"}},
        {"cmdOpenMaintenanceE310pdf", {"70-806-01", "70-806-02"}},
        {"cmdOpenMaintenanceN350pdf", {"70-806-01", "70-806-02"}},
        {"cmdOpenMaintenanceJ310pdf", {"70-806-01", "70-806-02", "70-860-02"}},
    };
    for (const Case& c : cases) {
        const DocumentContent content = contentOf(c.button);
        for (const SparePart& part : kSpareParts) {
            const bool expected = std::find(c.parts.begin(), c.parts.end(), part.code) != c.parts.end();
            EXPECT_EQ(hasRow(content, {std::string(part.code), std::string(part.entry), dollars(part.price)}),
                      expected)
                << c.button << ": " << part.code;
        }
    }
    const DocumentContent seats = contentOf("cmdOpenMaintenanceValveSeatpdf");
    EXPECT_TRUE(hasRow(seats, {"MX1", "MX1 - Miniature Series"}));
    EXPECT_TRUE(hasRow(seats, {"MX3", "MX3 - High Flow Series"}));
    EXPECT_FALSE(hasRow(seats, {"MX4"}));
    const DocumentContent a310 = contentOf("cmdOpenMaintenanceA310pdf");
    for (const ActuatorOnSeries& row : kActuatorsOnSeries)
        if (row.code == "A310" || row.code == "A370" || row.code == "A371") {
            EXPECT_TRUE(hasRow(a310, {std::string(row.code), std::string(row.note)}))
                << row.code << row.series;
        }
}

}  // namespace
