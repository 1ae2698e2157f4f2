// The quote document: what is written reads back the same, any text included; every kind of
// damage, a foreign file and a newer format give one message naming the line and the problem.
#include "rules/quotes/quotation_document.h"

#include <gtest/gtest.h>

#include "tests/support/quotation_examples.h"
#include "tests/support/random_quotations.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;

Quotation example() {
    Quotation q{exampleHeader(), {}};
    q.header.discount = Percent{10'00};
    for (const ExamplePart& part : kExampleParts) {
        QuotationLine line;
        line.partNumber = part.partNumber;
        line.listPrice = part.listPrice;
        line.description = "Diaphragm Valves; MX2 - Standard Series";
        q.lines.push_back(line);
    }
    q.lines[1].quantity = 1'000'000;
    q.lines[2].discount = Percent{12'50};
    q.lines[3].description = "tab\there, a line\nend, a back\\slash, \r and \"quotes\", ü";
    q.lines[4].partNumber = "A310-MX2-4A-TXXM ";  // the catalogue's own blank at the end
    return q;
}

const char* const kExampleDocument =
    "TARVEK-QUOTE\t1\n"
    "number\tTQ-20130205-143005\n"
    "customer\tNordgas Ltd.\n"
    "contact\tR. Haldane\n"
    "reference\tRFQ 7781\n"
    "date\t2013-02-05\n"
    "validity\t30\n"
    "price-list\t2013 Tarvek Products Catalog (130205)\n"
    "discount\t10\n"
    "notes\tDelivery ex works.\\nPrices in US dollars.\n"
    "line\tA310-MX2-2A-MXFX-VS\t1\t\t350.00\tDiaphragm Valves; MX2 - Standard Series\n"
    "line\tJ310-MX2-2A-MXFX-VS-BK-LS\t1000000\t\t367.50\tDiaphragm Valves; MX2 - Standard Series\n"
    "line\tT410-GN2-2A-MXFX-VS\t1\t12.5\t640.00\tDiaphragm Valves; MX2 - Standard Series\n"
    "line\t1-4-VC-1\t1\t\t4.51\ttab\\there, a line\\nend, a back\\\\slash, \\r and \"quotes\", ü\n"
    "line\tA310-MX2-4A-TXXM \t1\t\t140.00\tDiaphragm Valves; MX2 - Standard Series\n"
    "end\t5\n";

TEST(QuotationDocument, WritesTheDocumentedFormatAndReadsItBack) {
    EXPECT_EQ(quotationDocument(example()), kExampleDocument);
    const QuotationReading reading = readQuotationDocument(kExampleDocument);
    ASSERT_TRUE(reading.quotation) << reading.problem;
    EXPECT_EQ(*reading.quotation, example());
}

TEST(QuotationDocument, AnEmptyQuotationAndWindowsLineEnds) {
    Quotation empty{exampleHeader(), {}};
    const std::string document = quotationDocument(empty);
    EXPECT_EQ(readQuotationDocument(document).quotation, empty);
    std::string crlf;
    for (const char c : document) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(readQuotationDocument(crlf).quotation, empty);
}

TEST(QuotationDocument, AByteOrderMarkBeforeTheFirstLineIsRead) {
    const std::string bom = "\xEF\xBB\xBF";
    std::string crlf;
    for (const char c : std::string(kExampleDocument))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& document : {bom + kExampleDocument, bom + crlf}) {
        const QuotationReading reading = readQuotationDocument(document);
        ASSERT_TRUE(reading.quotation) << reading.problem;
        EXPECT_EQ(*reading.quotation, example());
    }
    EXPECT_EQ(readQuotationDocument(bom + bom + kExampleDocument).problem, "not a Tarvek quote document");
    EXPECT_EQ(readQuotationDocument(bom).problem, "not a Tarvek quote document");
}

// Whatever header the program takes, with any lines and discounts, is saved and opened again
// as the same quotation.
TEST(QuotationDocument, EveryQuotationTheProgramTakesReadsBackTheSame) {
    RandomQuotations random(20130205);
    int taken = 0, lines = 0;
    for (int i = 0; i < 400; ++i) {
        const Quotation q = random.quotation();
        if (!headerIsTaken(q.header)) continue;
        ++taken;
        lines += int(q.lines.size());
        const QuotationReading reading = readQuotationDocument(quotationDocument(q));
        ASSERT_TRUE(reading.quotation) << "case " << i << ": " << reading.problem;
        EXPECT_EQ(*reading.quotation, q) << "case " << i;
    }
    EXPECT_GE(taken, 100);  // the draw is no empty test
    EXPECT_GE(lines, 300);
}

TEST(QuotationDocument, DamageIsNamedWithItsLine) {
    const std::string good = kExampleDocument;
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        std::string bytes;
        std::string problem;
    } cases[] = {
        {"", "not a Tarvek quote document"},
        {"%PDF-1.4\n", "not a Tarvek quote document"},
        {"TARVEK-QUOTE\t3\nnumber\tx\n",
         "line 1: written by a newer version of the catalogue (quote format 3; this version reads format 2)"},
        {"TARVEK-QUOTE\tone\n", "line 1: the format \"one\" is not a number"},
        {"TARVEK-QUOTE\t1\n", "line 1: the file is cut short: its end record is missing"},
        {good.substr(0, good.size() - 7), "line 15: the file is cut short: its end record is missing"},
        {replaced("end\t5", "end\t4"),
         "line 16: the file is cut short or damaged: it ends after 5 lines, but says \"4\""},
        {good + "line\tX\n", "line 17: something follows the end record"},
        {replaced("validity\t30", "validity\t-3"),
         "line 7: the validity \"-3\" is not a number of days from 0 to 3650"},
        {replaced("validity\t30", "validity\t9x99999999999"),
         "line 7: the validity \"9x99999999999\" is not a number of days from 0 to 3650"},
        {replaced("date\t2013-02-05", "date\t2013-02-30"),
         "line 6: the date \"2013-02-30\" is no date of the form YYYY-MM-DD"},
        {replaced("discount\t10", "discount\t110"),
         "line 9: the discount \"110\": a discount is at most 100 %"},
        {replaced("contact\t", "colour\t"), "line 4: unknown record \"colour\""},
        {replaced("contact\tR. Haldane", "customer\tR. Haldane"), "line 4: customer is given twice"},
        {replaced("\t1000000\t", "\t1000001\t"),
         "line 12: the quantity \"1000001\" is not a whole number from 1 to 1,000,000"},
        {replaced("\t1000000\t", "\t+5\t"),
         "line 12: the quantity \"+5\" is not a whole number from 1 to 1,000,000"},
        {replaced("\t12.5\t", "\t12,5\t"), "line 13: the discount \"12,5\" is not a number from 0 to 100"},
        {replaced("\t350.00\t", "\t350\t"),
         "line 11: the list price \"350\" is not an amount up to 100000.00 with two decimals"},
        {replaced("\t350.00\t", "\t100000.01\t"),
         "line 11: the list price \"100000.01\" is not an amount up to 100000.00 with two decimals"},
        {replaced("line\tA310-MX2-2A-MXFX-VS\t1\t", "line\tA310-MX2-2A-MXFX-VS\t1\t\t"),
         "line 11: a line has 7 fields, not 6"},
        {replaced("line\tA310-MX2-2A-MXFX-VS", "line\t  "),
         "line 11: a line has no part number, or one with a control character"},
        {replaced("line\tA310-MX2-2A-MXFX-VS", "line\t" + std::string(201, 'A')),
         "line 11: a part number longer than any of the catalogue's (200 characters)"},
        {replaced("a back\\\\slash", "a back\\slash"),
         "line 14: a description holds a control character or a broken escape"},
        {replaced("Nordgas", "Nord\x01gas"), "line 3: customer holds a control character or a broken escape"},
        {replaced("Nordgas", "Nord\xC3gas"), "line 3: the text is not UTF-8"},
        {replaced("number\tTQ-20130205-143005\n", ""), "line 15: the header field number is missing"},
    };
    for (const auto& c : cases) {
        const QuotationReading reading = readQuotationDocument(c.bytes);
        EXPECT_FALSE(reading.quotation) << c.problem;
        EXPECT_EQ(reading.problem, c.problem);
    }
}

}  // namespace
