// A services list read from CSV: a header naming the columns in any order and case, each cell
// checked as the field edits check it, a row that cannot be taken named with its line and
// reason while the rest are taken; hostile lists (unknown gases and units, negative and
// absurd numbers, bad bytes, 100,001 rows) told and never a crash; and the list written with
// its results reads back as the same services.
#include "rules/quotes/services_list.h"

#include <gtest/gtest.h>

#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/services_table.h"
#include "tests/support/random_services.h"

namespace {

using namespace tarvek;

const std::vector<GasRecord> kGases = {
    {"Nitrogen", "0.967", "1.4"}, {"Air", "1", "1.4"}, {"Argon", "1.38", "1.667"}};
const ServiceChoices kChoices{kGases, {"Male Face Seal", "Tube Stub"}, {"1/4 inch", "3/8 inch"}};

std::vector<std::string> problems(const ServicesList& list) {
    std::vector<std::string> texts;
    for (const PastedProblem& p : list.problems) texts.push_back(problemText(p));
    return texts;
}

TEST(ServicesList, ColumnsByNameInAnyOrderAndCase) {
    const ServicesList list = readServicesCsv(
        "Flow_Max;TAG;Gas;Inlet Pressure;outlet;Temperature;Method;Pressure_Unit;flow unit;Part "
        "No.;Qty;notes\r\n"
        "20;FV-101;Nitrogen;6.9;1.4;21;IEC;bar(g);Nm3/h;A310-MX2-2A-MXFX-VS;2;ignored\r\n"
        "\r\n"
        "\"450,5\";FV-102;Air;100;20;70;;;;;;\r\n"
        "450.5;FV-103;Air;100;20;70\r\n",
        kChoices);
    ASSERT_EQ(list.rows.size(), 2u);
    const ServiceRow& first = list.rows[0];
    EXPECT_EQ(first.lineNumber, 2u);
    EXPECT_EQ(first.service.tag, "FV-101");
    EXPECT_EQ(first.service.conditions.flow(FlowCase::Maximum), "20");
    EXPECT_EQ(first.service.conditions.units.pressure, PressureUnit::BarGauge);
    EXPECT_EQ(first.service.conditions.units.flow, FlowUnit::NormalCubicMetresPerHour);
    EXPECT_EQ(first.service.conditions.units.temperature, TemperatureUnit::Fahrenheit);  // unless given
    EXPECT_EQ(first.service.conditions.method, CalculationMethod::Iec);
    EXPECT_EQ(first.partNumber, "A310-MX2-2A-MXFX-VS");
    EXPECT_EQ(first.quantity, 2);
    EXPECT_EQ(list.rows[1].lineNumber, 5u);
    EXPECT_EQ(list.rows[1].service.conditions.method, CalculationMethod::Catalogue);
    EXPECT_EQ(problems(list), std::vector<std::string>{
                                  "line 4: \"FV-102\": flow_max \"450,5\": Number must be greater than or "
                                  "equal to 0"});
}

TEST(ServicesList, HostileRowsAreNamedAndTheRestTaken) {
    const std::string header =
        "tag,gas,sg,k,temperature,inlet,outlet,flow_max,pressure_unit,method,margin,xt,"
        "connection_kind,quantity\n";
    const ServicesList list =
        readServicesCsv(header +
                            "A-1,Unobtainium,,,70,100,20,10,,,,,,\n"
                            "A-2,Nitrogen,,,70,100,20,10,bars,,,,,\n"
                            "A-3,Nitrogen,,,70,-20,20,10,,,,,,\n"
                            "A-4,Nitrogen,,,70,100,20,1e400,,,,,,\n"
                            "A-5,Nitrogen,,,70,100,20,10,,,5000,,,\n"
                            "A-6,Nitrogen,0.9,1.4,70,100,20,10,,,,,,\n"
                            "A-7,Nitrogen,,,\xFF\xFE,100,20,10,,,,,,\n"
                            "\xC3(,Nitrogen,,,70,100,20,10,,,,,,\n"
                            ",Nitrogen,,,70,100,20,10,,,,,,\n"
                            "A-8,Nitrogen,,,70,100,20,10,,,,,Flange,\n"
                            "A-9,Nitrogen,,,70,100,20,-,,,,,,\n"
                            "A-10,Nitrogen,,,70,100,20,10,,,,,,0\n"
                            "A-11,Nitrogen,,,70,100,20,10,,,,1.5,,\n" +
                            "A-12," + std::string(2000, 'x') + ",,,70,100,20,10,,,,,,\n" +
                            "OK-1,Nitrogen,,,70,100,20,10,,iec,,0.7,Tube Stub,3\n",
                        kChoices);
    // An absurd number the calculator's box takes is taken, and its sizing says why it has no result.
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[0].service.tag, "A-4");
    EXPECT_EQ(checkService(list.rows[0].service, false, {}, kGases).reason,
              "No result: the numbers are too large to calculate");
    EXPECT_EQ(list.rows[1].service.tag, "OK-1");
    EXPECT_EQ(list.rows[1].quantity, 3);
    EXPECT_EQ(
        problems(list),
        (std::vector<std::string>{
            "line 2: \"A-1\": gas \"Unobtainium\": The gas list has no gas named \"Unobtainium\"",
            "line 3: \"A-2\": pressure_unit \"bars\": The pressure units are psig, bar(g), kPa(g)",
            "line 4: \"A-3\": inlet \"-20\": Number must be greater than or equal to -14.7",
            "line 6: \"A-5\": margin \"5000\": Number must be greater than or equal to 0 and less than or "
            "equal to 1000",
            "line 7: \"A-6\": give the gas or its sg and k, not both",
            // Bytes that are no UTF-8 are shown as U+FFFD.
            "line 8: \"A-7\": temperature \"\xEF\xBF\xBD\xEF\xBF\xBD\": Number must be greater than -460",
            "line 9: \"\xEF\xBF\xBD(\": tag \"\xEF\xBF\xBD(\": The tag is not UTF-8 text (byte 1 is 0xC3)",
            "line 10: no tag",
            "line 11: \"A-8\": connection_kind \"Flange\": The catalogue has no connection kind \"Flange\"",
            "line 12: \"A-9\": flow_max \"-\": Number must be greater than or equal to 0",
            "line 13: \"A-10\": a quantity is a whole number from 1 to 1,000,000",
            "line 14: \"A-11\": xt \"1.5\": Number must be greater than 0 and less than or equal to 1",
            "line 15: \"A-12\": a cell is longer than 1,024 characters",
        }));
}

TEST(ServicesList, AListWithoutItsHeaderAndOneTooLong) {
    EXPECT_EQ(
        problems(readServicesCsv("FV-101,Nitrogen,70\n", kChoices)),
        std::vector<std::string>{"line 1: the first row names no tag column: a services list begins with a "
                                 "header row naming its columns (tag, service, gas, temperature, inlet, "
                                 "outlet, flow_max, …)"});
    EXPECT_TRUE(readServicesCsv("", kChoices).rows.empty());
    std::string text = "tag,gas,temperature,inlet,outlet,flow_max\n";
    for (int i = 0; i < 100'001; ++i) text += "T" + std::to_string(i) + ",Air,70,100,20,10\n";
    const ServicesList list = readServicesCsv(text, kChoices);
    EXPECT_EQ(list.rows.size(), kMostServiceRows);
    EXPECT_EQ(problems(list),
              std::vector<std::string>{"line 100,002: 1 row past the 100,000 services a list holds"});
}

TEST(ServicesList, RowsBecomeLinesTagsWithoutAValveAmongThem) {
    const ServicesList list = readServicesCsv(
        "tag,part_number,quantity\nFV-1,A310-MX2-2A-MXFX-VS,2\nFV-2,,\n"
        "FV-3,A999-NOPE,1\nFV-4,a310-mx2-2a-mxfx-vs,1\n",
        kChoices);
    const PastedQuotationLines lines = serviceLinesOf(list, LineEvents::Dropped);
    ASSERT_EQ(lines.lines.size(), 3u);
    EXPECT_EQ(lines.lines[0].partNumber, "A310-MX2-2A-MXFX-VS");
    EXPECT_EQ(lines.lines[0].listPrice, Money{350'00});
    EXPECT_EQ(lines.lines[0].quantity, 2);
    EXPECT_EQ(lines.lines[0].service.value().tag, "FV-1");
    EXPECT_TRUE(lines.lines[0].events.empty());
    EXPECT_EQ(lines.lines[1].partNumber, "");
    EXPECT_EQ(lines.lines[1].service.value().tag, "FV-2");
    EXPECT_EQ(lines.lines[2].service.value().tag, "FV-4");
    ASSERT_EQ(lines.problems.size(), 1u);
    EXPECT_TRUE(problemText(lines.problems[0]).starts_with("line 4: \"FV-3\": part number A999-NOPE: "))
        << problemText(lines.problems[0]);
    // A tag without a valve counts as nothing in the totals.
    Quotation q;
    q.lines = lines.lines;
    EXPECT_EQ(totalsOf(q).pieces, 3);
    EXPECT_EQ(totalsOf(q).subtotal, Money{1050'00});
}

// A list the program wrote keeps its valves proposed and not yet accepted; a tag alone has none.
TEST(ServicesList, TheProposedMarkReadsBack) {
    const ServicesList list = readServicesCsv(
        "tag,part_number,proposed\nFV-1,A310-MX2-2A-MXFX-VS,yes\nFV-2,A310-MX2-2A-MXFX-VS,\n"
        "FV-3,A310-MX2-2A-MXFX-VS,No\nFV-4,,yes\nFV-5,A310-MX2-2A-MXFX-VS,maybe\n",
        kChoices);
    ASSERT_EQ(problems(list),
              (std::vector<std::string>{"line 6: \"FV-5\": proposed \"maybe\" is neither yes nor no"}));
    const PastedQuotationLines lines = serviceLinesOf(list, LineEvents::Dropped);
    ASSERT_EQ(lines.lines.size(), 4u);
    EXPECT_TRUE(lines.lines[0].proposed);
    EXPECT_FALSE(lines.lines[1].proposed);
    EXPECT_FALSE(lines.lines[2].proposed);
    EXPECT_FALSE(lines.lines[3].proposed);  // nothing was proposed for a tag without a valve
}

// Every list the program holds is written with its results and read back as the same services.
TEST(ServicesList, AListWrittenWithItsResultsReadsBackTheSame) {
    tarvek::testing::RandomServices random(20130205);
    int services = 0;
    for (int i = 0; i < 300; ++i) {
        Service s = random.service();
        // As a file holds them: whole numbers, not ones being typed, a tag without blanks around.
        for (std::size_t f = 0; f < kServiceFieldCount; ++f)
            if (std::string* text = serviceTextField(s, ServiceField(f));
                text && (*text == "-" || *text == "." || *text == "-."))
                text->clear();
        s.tag = std::string(withoutSurroundingBlanks(s.tag));
        if (!s.conditions.gas.empty() && s.conditions.gas != "Nitrogen" && s.conditions.gas != "Air")
            s.conditions.gas = "Argon";
        if (!s.connectionSize.empty()) s.connectionSize = "3/8 inch";
        if (s.tag.empty() || !headerTextProblem(s.description).empty() || !headerTextProblem(s.tag).empty())
            continue;
        QuotationLine line;
        line.service = s;
        line.quantity = 1 + i;
        Quotation q;
        q.lines = {line};
        const std::string csv = servicesCsv(servicesTable(q, checkLines(q, kGases)));
        ServicesList read = readServicesCsv(csv, kChoices);
        // What the boxes would refuse for its method and units is named, not taken.
        if (!read.problems.empty()) continue;
        ASSERT_EQ(read.rows.size(), 1u) << csv;
        EXPECT_EQ(read.rows[0].service, s) << csv;
        EXPECT_EQ(read.rows[0].quantity, 1 + i);
        ++services;
    }
    EXPECT_GE(services, 60);  // the draw is no empty test
}

}  // namespace
