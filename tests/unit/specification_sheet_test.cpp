// The specification sheet of each tagged line, laid out by the rules: its identification with
// "Sheet n of m", the fluid and the service conditions per case, the sizing per case with the
// figures of --flow, the valve with the rating the catalogue prints under it, and prices unless
// hidden; a configuration without a service gets a data sheet of the product.
#include "rules/quotes/specification_sheet.h"

#include <gtest/gtest.h>

#include "rules/configurator/configurator.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/quotes/services_table.h"
#include "tests/support/quotation_examples.h"
#include "tests/support/services_examples.h"

namespace {

using namespace tarvek;

const std::vector<GasRecord> kGases = {{"Nitrogen", "0.967", "1.4"}};

Service purge(const char* tag) {
    Service s = tarvek::testing::nitrogenPurge(tag, "400");
    s.description = "Purge to R-1";
    s.conditions.flow(FlowCase::Minimum) = "100";
    s.margin = "5";
    return s;
}

// The text of the row with the caption in a block of the title; "" where there is none.
std::vector<std::string> rowOf(const SpecificationSheet& sheet, std::string_view title,
                               std::string_view caption) {
    for (const SheetBlock& block : sheet.blocks)
        if (block.title == title)
            for (const std::vector<std::string>& row : block.rows)
                if (row.front() == caption) return {row.begin() + 1, row.end()};
    return {};
}

Quotation tagged() {
    Quotation q{tarvek::testing::exampleHeader(), {}};
    q.lines.push_back(*lineForPartNumber("A310-MX2-2A-MXFX-VS"));
    q.lines.back().service = purge("FV-101");
    q.lines.push_back(*lineForPartNumber("1-4-VC-1"));  // untagged: no sheet
    q.lines.push_back(QuotationLine{});
    q.lines.back().service = purge("FV-102");
    return q;
}

TEST(SpecificationSheet, ASheetPerTaggedLine) {
    const Quotation q = tagged();
    const std::vector<SpecificationSheet> sheets = specificationSheets(q, checkLines(q, kGases), true);
    ASSERT_EQ(sheets.size(), 2u);
    const SpecificationSheet& first = sheets[0];
    EXPECT_EQ(first.title, "Specification sheet FV-101");
    EXPECT_EQ(first.sheetOf, "Sheet 1 of 2");
    EXPECT_EQ(sheets[1].sheetOf, "Sheet 2 of 2");
    EXPECT_EQ(first.footer, "Quotation TQ-20130205-143005");
    std::vector<std::string> titles;
    for (const SheetBlock& block : first.blocks) titles.push_back(block.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Identification", "Fluid", "Service conditions",
                                                "Sizing: Catalogue formula", "Valve", "Prices (US$)"}));
    EXPECT_EQ(rowOf(first, "Identification", "Tag"), std::vector<std::string>{"FV-101"});
    EXPECT_EQ(rowOf(first, "Identification", "Quotation line"), std::vector<std::string>{"1"});
    EXPECT_EQ(rowOf(first, "Identification", "Customer"), std::vector<std::string>{"Nordgas Ltd."});
    EXPECT_EQ(rowOf(first, "Fluid", "Specific gravity (air = 1)"), std::vector<std::string>{"0.967"});
    // The cases given, as columns; the figures --flow gives for 100 and 400 slm.
    EXPECT_EQ(rowOf(first, "Service conditions", "Flow (slm (14.7 psia, 60 °F))"),
              (std::vector<std::string>{"100", "400"}));
    EXPECT_EQ(rowOf(first, "Service conditions", "Inlet pressure (psig)"),
              (std::vector<std::string>{"100", "100"}));
    EXPECT_EQ(rowOf(first, "Sizing: Catalogue formula", "Cv required"),
              (std::vector<std::string>{"0.051", "0.204"}));
    EXPECT_EQ(rowOf(first, "Sizing: Catalogue formula", "Choked"), (std::vector<std::string>{"yes", "yes"}));
    EXPECT_EQ(rowOf(first, "Sizing: Catalogue formula", "Xt (choked flow ratio)"),
              (std::vector<std::string>{"0.472", "0.472"}));
    // 100 and 400 slm need 0.0511387 and 0.204555 (python, by the catalogue's formula): with 5 %
    // 0.053696 and 0.214783, raised at their fourth digit.
    EXPECT_EQ(rowOf(first, "Sizing: Catalogue formula", "Cv with 5 % margin"),
              (std::vector<std::string>{"0.0537", "0.2148"}));
    EXPECT_EQ(rowOf(first, "Valve", "Part Number"), std::vector<std::string>{"A310-MX2-2A-MXFX-VS"});
    EXPECT_EQ(rowOf(first, "Valve", "Rated Cv"), std::vector<std::string>{"0.23"});
    EXPECT_EQ(rowOf(first, "Valve", "Rated pressure (psig)"), std::vector<std::string>{"250"});
    EXPECT_EQ(rowOf(first, "Valve", "Actuator"), std::vector<std::string>{"Air-operated, normally closed"});
    EXPECT_EQ(rowOf(first, "Valve", "Verdict"), std::vector<std::string>{"Fits"});
    EXPECT_EQ(rowOf(first, "Prices (US$)", "List price"), std::vector<std::string>{"350.00"});
    EXPECT_EQ(first.drawing, "2A.wmf");
    EXPECT_EQ(first.picture, "A310-MX2-2A.jpg");
    // A tag without a valve yet: no prices, and says so.
    EXPECT_EQ(rowOf(sheets[1], "Valve", "Part number"), std::vector<std::string>{"none chosen yet"});
    EXPECT_EQ(rowOf(sheets[1], "Valve", "Verdict"), std::vector<std::string>{"No valve yet"});
    EXPECT_EQ(sheets[1].blocks.back().title, "Valve");
}

TEST(SpecificationSheet, NoPricesWhileTheyAreHiddenAndTheStandardsFactors) {
    Quotation q = tagged();
    q.lines[0].service->conditions.method = CalculationMethod::Iec;
    const std::vector<SpecificationSheet> sheets = specificationSheets(q, checkLines(q, kGases), false);
    for (const SheetBlock& block : sheets[0].blocks) EXPECT_EQ(block.title.find("Prices"), std::string::npos);
    // tarvek-catalog --flow --method iec --gas Nitrogen --temperature-f 70 --inlet-psig 100
    //     --outlet-psig 20 --flow-slm 100: Cv 0.0651851, x 0.697496, Fγ 1, Y 0.666667, choked.
    EXPECT_EQ(rowOf(sheets[0], "Sizing: IEC 60534-2-1", "Cv required")[0], "0.0651851");
    EXPECT_EQ(rowOf(sheets[0], "Sizing: IEC 60534-2-1", "Fγ")[0], "1");
    EXPECT_EQ(rowOf(sheets[0], "Sizing: IEC 60534-2-1", "Expansion factor Y")[0], "0.666667");
    EXPECT_EQ(rowOf(sheets[0], "Sizing: IEC 60534-2-1", "Flow regime")[0], "Turbulent");
    EXPECT_EQ(rowOf(sheets[0], "Fluid", "Compressibility Z"), std::vector<std::string>{"1"});
}

TEST(SpecificationSheet, AConfigurationWithoutAServiceGetsADataSheet) {
    const QuotationLine line = *lineForPartNumber("J310-MX2-2A-MXFX-VS-BK-LS");
    Configurator configurator;
    for (const ConfiguratorEvent& event : line.events) configurator.apply(event);
    const SpecificationSheet sheet = dataSheet(configurator.state(), "2013-02-05", true);
    EXPECT_EQ(sheet.title, "Data sheet J310-MX2-2A-MXFX-VS-BK-LS");
    EXPECT_EQ(sheet.sheetOf, "");
    std::vector<std::string> titles;
    for (const SheetBlock& block : sheet.blocks) titles.push_back(block.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Identification", "Product", "Prices"}));
    EXPECT_EQ(rowOf(sheet, "Product", "Rated pressure (psig)"), std::vector<std::string>{"3000"});
    EXPECT_EQ(rowOf(sheet, "Product", "Lever Handle"), std::vector<std::string>{"LS - Lever Handle"});
    EXPECT_EQ(sheet.drawing, "2A.wmf");
    EXPECT_EQ(dataSheet(configurator.state(), "2013-02-05", false).blocks.size(), 2u);
}

}  // namespace
