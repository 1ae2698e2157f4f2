// What both editions of the quote page say and take: the messages after a paste, an add or an
// opening, the totals line, a header field's edit with its refusals, and the workbook's cells.
// Expected texts are the page's own words; amounts the catalogue's worked examples.
#include <gtest/gtest.h>

#include <algorithm>

#include "rules/quotes/header_edit.h"
#include "rules/quotes/quotation_messages.h"
#include "rules/quotes/quotation_workbook.h"

namespace {

using namespace tarvek;

QuotationLine line(std::string partNumber, std::int64_t cents, int quantity,
                   std::optional<Percent> own = {}) {
    QuotationLine l;
    l.partNumber = std::move(partNumber);
    l.description = "Diaphragm Valves";
    l.listPrice = {cents};
    l.quantity = quantity;
    l.discount = own;
    return l;
}

TEST(QuotationMessages, SayWhatWasAddedAndListTheFirstProblems) {
    EXPECT_EQ(addedLineMessage("A310-MX2-2A-MXFX-VS", 2), "Added A310-MX2-2A-MXFX-VS as line 3.");
    EXPECT_EQ(pastedLinesMessage(1, {}), "Added 1 line.");
    std::vector<PastedProblem> problems;
    for (std::size_t i = 1; i <= 6; ++i)
        problems.push_back({i, "X" + std::to_string(i), "not a part number"});
    EXPECT_EQ(pastedLinesMessage(0, {problems.begin(), problems.begin() + 1}),
              "Added 0 lines. Not added (1):\nline 1: \"X1\": not a part number");
    EXPECT_EQ(pastedLinesMessage(2, problems),
              "Added 2 lines. Not added (6):\nline 1: \"X1\": not a part number\nline 2: \"X2\": not a part "
              "number\n"
              "line 3: \"X3\": not a part number\nline 4: \"X4\": not a part number\n"
              "\xE2\x80\xA6 and 2 more (see the tooltip)");
    const std::string details = pastedProblemsDetails(problems);
    EXPECT_EQ(std::count(details.begin(), details.end(), '\n'), 5);
    EXPECT_EQ(lineGoneMessage(1, "A310-MX9"), "Line 2 (A310-MX9) is no longer in the catalogue.");
    EXPECT_EQ(lineUpdatedMessage(0, "A310-MX2-2A-MXFX"), "Line 1 is now A310-MX2-2A-MXFX.");
    EXPECT_EQ(cellRefusalMessage(3, "not a whole number"), "Line 4: Not a whole number.");
    EXPECT_EQ(openedMessage("q.tquote", {}), "Opened \"q.tquote\": every line priced as saved.");
    EXPECT_EQ(openedMessage("q.tquote", {"line 2: list price 350.00 is now 360.00"}),
              "Opened \"q.tquote\": 1 line changed since priced (marked):\nline 2: list price 350.00 is now "
              "360.00");
}

TEST(QuotationMessages, TotalsCountLinesAndPiecesAndShowPricesOnlyWhenShown) {
    Quotation q;
    q.header.discount = Percent{10'00};
    q.lines = {line("A310-MX2-2A-MXFX-VS", 350'00, 3),
               line("J310-MX2-2A-MXFX-VS-BK-LS", 367'50, 2, Percent{5'00})};
    // 3 x 315.00 + 2 x 349.12 (367.50 less 5 % cut down to whole cents)
    EXPECT_EQ(totalsText(q, true), "2 lines, 5 pieces   Subtotal: US$ 1,785.00   Total: US$ 1,643.24");
    EXPECT_EQ(totalsText(q, false), "2 lines, 5 pieces");
    q.lines.resize(1);
    q.lines[0].quantity = 1;
    EXPECT_EQ(totalsText(q, false), "1 line, 1 piece");
}

TEST(HeaderEdit, TakesWhatAFileCanHoldAndSaysWhyNot) {
    struct Case {
        const char* field;
        std::string text;
        const char* refusal;  // the start of the message; empty: taken
    };
    const Case cases[] = {
        {"customer", "Nordgas Ltd.", ""},
        {"customer", "Nord\x1bgas",
         "The customer was not taken: the text holds the control character U+001B"},
        {"notes", "Delivery ex works.\nPrices in US dollars.", ""},
        {"reference", "RFQ\t7781", "The reference was not taken"},
        {"contact", "R. Hal\xE9", "The contact was not taken: the text is not UTF-8"},
        {"discount", "12.5", ""},
        {"discount", "abc", "The quote's discount \"abc\" was not taken: "},
        {"discount", "101", "The quote's discount \"101\" was not taken: "},
    };
    for (const Case& c : cases) {
        QuotationHeader h;
        const std::string said = editHeader(h, c.field, c.text);
        EXPECT_TRUE(said.starts_with(c.refusal)) << c.field << ": " << said;
        EXPECT_EQ(said.empty(), std::string_view(c.refusal).empty()) << c.field << ": " << said;
    }
    QuotationHeader h;
    h.number = "TQ-20130205-143005";
    h.date = "2013-02-05";
    // A quote always has a number: an empty one is not taken, and the message says so.
    EXPECT_EQ(editHeader(h, "number", "  "), "The quote number was not taken: a quote always has a number.");
    EXPECT_EQ(h.number, "TQ-20130205-143005");
    EXPECT_EQ(editHeader(h, "number", " TQ-1 "), "");
    EXPECT_EQ(h.number, "TQ-1");
    EXPECT_EQ(editHeader(h, "discount", "12,5 %"), "");
    ASSERT_TRUE(h.discount);
    EXPECT_EQ(h.discount->hundredths, 12'50);
    EXPECT_EQ(editHeader(h, "discount", " "), "");
    EXPECT_FALSE(h.discount);
    editHeader(h, "date", "2013-02-30");  // no such day: kept
    EXPECT_EQ(h.date, "2013-02-05");
    editHeader(h, "date", "2024-02-29");
    EXPECT_EQ(h.date, "2024-02-29");
    for (const char* days : {"3651", "-1", "1e3", "x", ""}) {
        editHeader(h, "validity", days);
        EXPECT_EQ(h.validityDays, 30) << days;
    }
    editHeader(h, "validity", "0");
    EXPECT_EQ(h.validityDays, 0);
    editHeader(h, "validity", "3650");
    EXPECT_EQ(h.validityDays, 3650);
}

// What the date and day boxes of the window cannot hold is not taken in any edition either,
// and the message names the entry and the reason, as for a control character.
TEST(HeaderEdit, AnEmptyOrImpossibleDateOrValiditySaysWhyItWasNotTaken) {
    const struct {
        const char* field;
        std::string text;
        const char* refusal;
    } cases[] = {
        {"date", "", "The date was not taken: a quote always has a date."},
        {"date", "2013-02-30",
         "The date \"2013-02-30\" was not taken: it is no date of the calendar written YYYY-MM-DD."},
        {"date", "5.2.2013",
         "The date \"5.2.2013\" was not taken: it is no date of the calendar written YYYY-MM-DD."},
        {"date", "2013-02\x1b",
         "The date \"2013-02\xEF\xBF\xBD\" was not taken: it is no date of the "
         "calendar written YYYY-MM-DD."},
        {"validity", "99999999",
         "The validity \"99999999\" was not taken: a quote is valid for 0 to 3650 days."},
        {"validity", "3651", "The validity \"3651\" was not taken: a quote is valid for 0 to 3650 days."},
        {"validity", " -1 ", "The validity \"-1\" was not taken: a quote is valid for 0 to 3650 days."},
        {"validity", "", "The validity was not taken: a quote is valid for 0 to 3650 days."},
        {"number", "", "The quote number was not taken: a quote always has a number."},
    };
    for (const auto& c : cases) {
        QuotationHeader h;
        h.number = "TQ-1";
        h.date = "2013-02-05";
        const QuotationHeader before = h;
        EXPECT_EQ(editHeader(h, c.field, c.text), c.refusal) << c.field << " " << c.text;
        EXPECT_EQ(h, before) << c.field << " " << c.text;
    }
    QuotationHeader h;
    const std::string long_ = editHeader(h, "validity", std::string(100'000, '9'));
    EXPECT_LT(long_.size(), 150u);  // the entry cut short, and says so
    EXPECT_NE(long_.find("9\xE2\x80\xA6\" was not taken"), std::string::npos) << long_;
}

TEST(QuotationWorkbook, LinesAsNumbersAndTotalsAsFormulasWithTheirValues) {
    Quotation q;
    q.header.number = "TQ-1";
    q.header.date = "2013-02-05";
    q.header.discount = Percent{10'00};
    q.lines = {line("A310-MX2-2A-MXFX-VS", 350'00, 3),
               line("J310-MX2-2A-MXFX-VS-BK-LS", 367'50, 2, Percent{5'00})};
    const std::vector<WorkbookSheet> book = quotationWorkbook(q, true);
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(book[0].name, "Lines");
    EXPECT_EQ(book[0].frozenRows, 1);
    const auto at = [](const WorkbookSheet& sheet, int row, int column) {
        for (const WorkbookCell& cell : sheet.cells)
            if (cell.row == row && cell.column == column) return cell;
        ADD_FAILURE() << sheet.name << " has no cell " << row << "," << column;
        return WorkbookCell{};
    };
    EXPECT_EQ(at(book[0], 0, 7).text, "extended_net_price");
    EXPECT_EQ(at(book[0], 2, 6).number, 349.12);
    EXPECT_EQ(at(book[0], 2, 7).number, 698.24);
    EXPECT_EQ(at(book[0], 2, 5).number, 5);
    EXPECT_EQ(at(book[0], 1, 5).number, 10);  // the quotation's discount, as a number
    EXPECT_EQ(at(book[0], 2, 7).format, CellFormat::Money);
    const WorkbookSheet& quote = book[1];
    EXPECT_EQ(at(quote, 5, 1).text, "2013-03-07");  // valid until: 30 days on
    EXPECT_EQ(at(quote, 7, 1).kind, WorkbookCell::Kind::Number);
    EXPECT_EQ(at(quote, 10, 1).text, "=SUMPRODUCT(Lines!D2:D3,Lines!E2:E3)");
    EXPECT_EQ(at(quote, 10, 1).number, 1785);
    EXPECT_EQ(at(quote, 11, 1).text, "=SUM(Lines!H2:H3)");
    EXPECT_NEAR(at(quote, 11, 1).number, 1643.24, 1e-9);
    // Without prices: four columns and no money anywhere.
    for (const WorkbookSheet& sheet : quotationWorkbook(q, false))
        for (const WorkbookCell& cell : sheet.cells) {
            EXPECT_LT(cell.column, sheet.name == "Lines" ? 4 : 2);
            EXPECT_NE(cell.format, CellFormat::Money);
            EXPECT_NE(cell.kind, WorkbookCell::Kind::Formula);
        }
}

// An empty header text is no cell value at all, as libxlsxwriter writes an empty string: every
// writer then gives the same cells.
TEST(QuotationWorkbook, AnEmptyTextIsABlankCellWithItsFormat) {
    Quotation q;
    q.header.number = "TQ-1";
    q.header.date = "2013-02-05";
    q.header.customer = "Nordgas Ltd.";
    const WorkbookSheet quote = quotationWorkbook(q, true)[1];
    const auto valueOf = [&](std::string_view caption) {
        for (const WorkbookCell& heading : quote.cells)
            if (heading.column == 0 && heading.text == caption)
                for (const WorkbookCell& cell : quote.cells)
                    if (cell.row == heading.row && cell.column == 1) return cell;
        ADD_FAILURE() << "no " << caption;
        return WorkbookCell{};
    };
    for (const char* empty : {"Contact", "Reference", "Notes", "Price list", "Discount %"}) {
        const WorkbookCell cell = valueOf(empty);
        EXPECT_EQ(cell.kind, WorkbookCell::Kind::Blank) << empty;
        EXPECT_EQ(cell.text, "") << empty;
    }
    EXPECT_EQ(valueOf("Notes").format, CellFormat::Wrapped);
    EXPECT_EQ(valueOf("Customer").kind, WorkbookCell::Kind::Text);
    EXPECT_EQ(valueOf("Customer").text, "Nordgas Ltd.");
}

TEST(QuotationWorkbook, ACellHoldsAtMostExcelsCharactersAndSaysItWasCut) {
    EXPECT_EQ(cellText("short"), "short");
    const std::string exact(kMostCellCharacters, 'a');
    EXPECT_EQ(cellText(exact), exact);
    std::string longer;
    for (std::size_t i = 0; i <= kMostCellCharacters; ++i) longer += "\xC3\xA9";  // é, two bytes each
    const std::string cut = cellText(longer);
    EXPECT_TRUE(cut.ends_with("\xE2\x80\xA6"));
    EXPECT_EQ(cut.size(), (kMostCellCharacters - 1) * 2 + 3);
}

}  // namespace
