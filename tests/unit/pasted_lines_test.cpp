// Many part numbers at once: rows as a spreadsheet, a mail or a CSV file gives them, with or
// without a header, any separator; what is wrong in a row is said, and the row left out.
#include "rules/quotes/pasted_lines.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace tarvek;

struct Row {
    std::size_t line;
    std::string partNumber;
    int quantity;
    std::optional<int> discount;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << "line " << row.line << ": " << row.partNumber << " x " << row.quantity << ", discount "
         << (row.discount ? std::to_string(*row.discount) + " hundredths %" : std::string("none"));
}

std::vector<Row> rowsOf(const PastedLines& pasted) {
    std::vector<Row> rows;
    for (const PastedRow& r : pasted.rows)
        rows.push_back({r.lineNumber, r.partNumber, r.quantity,
                        r.discount ? std::optional<int>(r.discount->hundredths) : std::nullopt});
    return rows;
}

std::vector<std::string> problemTexts(const PastedLines& pasted) {
    std::vector<std::string> texts;
    for (const PastedProblem& p : pasted.problems) texts.push_back(problemText(p));
    return texts;
}

TEST(PastedLines, RowsOfEveryShape) {
    const struct {
        const char* name;
        std::string text;
        std::vector<Row> rows;
        std::vector<std::string> problems;
        bool header;
    } cases[] = {
        {"numbers alone",
         "A310-MX2-2A-MXFX-VS\n-MX2\n",
         {{1, "A310-MX2-2A-MXFX-VS", 1, {}}, {2, "-MX2", 1, {}}},
         {},
         false},
        {"tabs from a spreadsheet",
         "A310-MX2\t5\t10\r\n1-4-VC-1\t2\r\n",
         {{1, "A310-MX2", 5, 10'00}, {2, "1-4-VC-1", 2, {}}},
         {},
         false},
        {"semicolons and decimal commas",
         "Part No.;Qty;Discount %\nA310-MX2;3;12,5\n",
         {{2, "A310-MX2", 3, 12'50}},
         {},
         true},
        {"a header in another order",
         "quantity,discount,part_number\n4,,-MX2\n",
         {{2, "-MX2", 4, {}}},
         {},
         true},
        {"quoted fields and a byte-order mark",
         "\xEF\xBB\xBFpart_number,quantity\n\"J310-MX2\",\"7\"\n\" -MX2 \",\"1\"\"\"\n",
         {{2, "J310-MX2", 7, {}}},
         {"line 3: \"-MX2\": a quantity is a whole number from 1 to 1,000,000"},
         true},
        {"our own CSV back",
         "line,part_number,description,quantity,list_price,discount_percent\r\n1,-MX2,\"a, "
         "b\",2,140.00,10\r\n",
         {{2, "-MX2", 2, 10'00}},
         {},
         true},
        {"blank rows and blanks", "\n  \n A310-MX2 \t 2 \n\t\t\n", {{3, "A310-MX2", 2, {}}}, {}, false},
        {"bad quantity and discount",
         "A\t0\nB\t2\t101\nC\tx\n\t4\n",
         {},
         {"line 1: \"A\": a quantity is a whole number from 1 to 1,000,000",
          "line 2: \"B\": a discount is at most 100 %",
          "line 3: \"C\": a quantity is a whole number from 1 to 1,000,000", "line 4: no part number"},
         false},
        {"old Mac line ends", "A\rB\r", {{1, "A", 1, {}}, {2, "B", 1, {}}}, {}, false},
        {"an unclosed quote reads to the end", "\"A310\nB", {{1, "A310\nB", 1, {}}}, {}, false},
    };
    for (const auto& c : cases) {
        const PastedLines pasted = readPastedLines(c.text);
        EXPECT_EQ(rowsOf(pasted), c.rows) << c.name;
        EXPECT_EQ(problemTexts(pasted), c.problems) << c.name;
        EXPECT_EQ(pasted.header, c.header) << c.name;
    }
}

TEST(PastedLines, KnownNumbersBecomeLinesAndUnknownOnesAreExplained) {
    const PastedQuotationLines pasted = quotationLinesOf(
        readPastedLines("a310-mx2-2a-mxfx-vs\t2\t10\nXYZ-1\t1\nJ310-MX2-2A-MXFX-VS-BK-LS\t\t\n"
                        "A310-MX2-2A-MXFX-VS\t1\n\t3\n"));
    ASSERT_EQ(pasted.lines.size(), 3u);
    EXPECT_EQ(pasted.lines[0].partNumber, "A310-MX2-2A-MXFX-VS");  // as the catalogue writes it
    EXPECT_EQ(pasted.lines[0].listPrice, Money{350'00});
    EXPECT_EQ(pasted.lines[0].quantity, 2);
    EXPECT_EQ(pasted.lines[0].discount, Percent{10'00});
    EXPECT_EQ(pasted.lines[1].partNumber, "J310-MX2-2A-MXFX-VS-BK-LS");
    EXPECT_EQ(pasted.lines[1].listPrice, Money{367'50});
    EXPECT_EQ(pasted.lines[1].discount, std::nullopt);
    EXPECT_EQ(pasted.lines[2].quantity, 1);
    ASSERT_EQ(pasted.problems.size(), 2u);
    EXPECT_EQ(pasted.problems[0].lineNumber, 2u);
    EXPECT_EQ(pasted.problems[0].given, "XYZ-1");
    EXPECT_FALSE(pasted.problems[0].problem.empty());
    EXPECT_EQ(problemText(pasted.problems[1]), "line 5: no part number");
    // A repeated number is the same line, events included (the window shows it from them).
    EXPECT_EQ(pasted.lines[2].events, pasted.lines[0].events);
    EXPECT_FALSE(pasted.lines[0].events.empty());

    const PastedQuotationLines written =
        quotationLinesOf(readPastedLines("A310-MX2-2A-MXFX-VS\nA310-MX2-2A-MXFX-VS\n"), LineEvents::Dropped);
    ASSERT_EQ(written.lines.size(), 2u);
    EXPECT_TRUE(written.lines[0].events.empty() && written.lines[1].events.empty());
    EXPECT_EQ(written.lines[1].description, pasted.lines[0].description);
}

// Rows whose separator must be told apart from a comma inside a number. The separator is the
// first of tab, semicolon and comma outside quotes in the first row that has one, so a decimal
// comma or a comma between thousands stays in its field wherever another separator divides the
// row, or the field is quoted. In comma-separated rows a number written with a comma falls
// apart: such a row is refused with the reason, never read as another discount or quantity.
TEST(PastedLines, CommasInNumbersAreToldApartFromTheSeparator) {
    const struct {
        const char* name;
        std::string text;
        std::vector<Row> rows;
        std::vector<std::string> problems;
    } cases[] = {
        {"semicolons and a decimal comma",
         "A310-MX2-2A-MXFX;2;12,5\n",
         {{1, "A310-MX2-2A-MXFX", 2, 12'50}},
         {}},
        {"tabs and a decimal comma",
         "A310-MX2-2A-MXFX-VS\t2\t12,5\n",
         {{1, "A310-MX2-2A-MXFX-VS", 2, 12'50}},
         {}},
        {"tabs with commas in a description",
         "Part No.\tDescription\tQty\tDiscount\n"
         "A310-MX2-2A-MXFX-VS\tDiaphragm valve, air-operated, 1/4 inch\t3\t7,25\n",
         {{2, "A310-MX2-2A-MXFX-VS", 3, 7'25}},
         {}},
        {"a decimal comma quoted between commas",
         "A310-MX2-2A-MXFX-VS,2,\"12,5\"\n",
         {{1, "A310-MX2-2A-MXFX-VS", 2, 12'50}},
         {}},
        {"quoted header names holding a tab and a semicolon",
         "\"Part\tNo.\",Qty,\"Discount; %\"\nA310-MX2-2A-MXFX-VS,2,\"0,5\"\n",
         {{2, "A310-MX2-2A-MXFX-VS", 2, 50}},
         {}},
        {"quoted fields holding commas and tabs between semicolons",
         "part_number;description;quantity;discount\n"
         "A310-MX2-2A-MXFX-VS;\"Valve, 1/4\tinch; face seal\";4;\"2,5 %\"\n",
         {{2, "A310-MX2-2A-MXFX-VS", 4, 2'50}},
         {}},
        {"a first row with no separator leaves it to the next",
         "A310-MX2-2A-MXFX-VS\nJ310-MX2-2A-MXFX-VS-BK-LS;3;12,75\n",
         {{1, "A310-MX2-2A-MXFX-VS", 1, {}}, {2, "J310-MX2-2A-MXFX-VS-BK-LS", 3, 12'75}},
         {}},
        {"a decimal comma between commas",
         "A310-MX2-2A-MXFX-VS,2,12,5\nA310-MX2-2A-MXFX-VS,2,12\n",
         {{2, "A310-MX2-2A-MXFX-VS", 2, 12'00}},
         {"line 1: \"A310-MX2-2A-MXFX-VS\": the comma in 12,5 divides the number into fields here: quote it "
          "(\"12,5\") or separate the fields with semicolons or tabs"}},
        {"a decimal comma past the header's columns",
         "part_number,quantity,discount\nA310-MX2-2A-MXFX-VS,,7,5\n",
         {},
         {"line 2: \"A310-MX2-2A-MXFX-VS\": the comma in 7,5 divides the number into fields here: quote it "
          "(\"7,5\") or separate the fields with semicolons or tabs"}},
        {"a quantity in thousands between commas",
         "A310-MX2-2A-MXFX-VS,1,000\nA310-MX2-2A-MXFX-VS,12,050\nA310-MX2-2A-MXFX-VS,1,000,000\n",
         {},
         {"line 1: \"A310-MX2-2A-MXFX-VS\": the comma in 1,000 divides the quantity into fields here: write "
          "it 1000",
          "line 2: \"A310-MX2-2A-MXFX-VS\": the comma in 12,050 divides the quantity into fields here: write "
          "it 12050",
          "line 3: \"A310-MX2-2A-MXFX-VS\": the comma in 1,000,000 divides the quantity into fields here: "
          "write it 1000000"}},
        {"a quantity in thousands past the header's columns",
         "part_number,quantity\nA310-MX2-2A-MXFX-VS,2,500\n",
         {},
         {"line 2: \"A310-MX2-2A-MXFX-VS\": the comma in 2,500 divides the quantity into fields here: write "
          "it 2500"}},
        {"what is no number past the columns is left alone, as are blank fields",
         "A310-MX2-2A-MXFX-VS,2,10,urgent\nA310-MX2-2A-MXFX-VS,3,,\nA310-MX2-2A-MXFX-VS,4,5,\"6\"\n",
         {{1, "A310-MX2-2A-MXFX-VS", 2, 10'00},
          {2, "A310-MX2-2A-MXFX-VS", 3, {}},
          {3, "A310-MX2-2A-MXFX-VS", 4, 5'00}},
         {}},
        {"a discount of 100 % is a discount",
         "A310-MX2-2A-MXFX-VS,1,100\n",
         {{1, "A310-MX2-2A-MXFX-VS", 1, 100'00}},
         {}},
        {"a quantity in thousands between semicolons is no whole number",
         "A310-MX2-2A-MXFX-VS;1,000\n",
         {},
         {"line 1: \"A310-MX2-2A-MXFX-VS\": a quantity is a whole number from 1 to 1,000,000"}},
    };
    for (const auto& c : cases) {
        const PastedLines pasted = readPastedLines(c.text);
        EXPECT_EQ(rowsOf(pasted), c.rows) << c.name;
        EXPECT_EQ(problemTexts(pasted), c.problems) << c.name;
    }
}

// The catalogue's price of the README's valve, 350.00, less a discount pasted with a decimal
// comma: 12.5 % off is 306.25 a piece, and two of them 612.50.
TEST(PastedLines, ADecimalCommaDiscountPricesTheLine) {
    const PastedQuotationLines pasted = quotationLinesOf(readPastedLines("A310-MX2-2A-MXFX-VS;2;12,5\n"));
    ASSERT_EQ(pasted.lines.size(), 1u);
    const LinePrice price = linePrice(pasted.lines[0], std::nullopt);
    EXPECT_EQ(price.unitNet, Money{306'25});
    EXPECT_EQ(price.extended, Money{612'50});
}

std::string rowsOfNumbers(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += "A" + std::to_string(i) + "\n";
    return text;
}

// A quote holds 100,000 lines, as its document does: the rows past the room there is are
// read no further and named together, by their lines.
TEST(PastedLines, RowsPastTheRoomAreNamedTogether) {
    const struct {
        const char* name;
        std::string text;
        std::size_t room;
        std::size_t rows;
        std::vector<std::string> problems;
    } cases[] = {
        {"no header",
         "A\nB\nC\n\nD\n",
         2,
         2,
         {"lines 3\u20135: 2 rows past the 100,000 lines a quote holds (it had room for 2 more)"}},
        {"a header takes no room",
         "part_number\nA\nB\nC\n",
         2,
         2,
         {"line 4: 1 row past the 100,000 lines a quote holds (it had room for 2 more)"}},
        {"exactly the room", "part_number\nA\nB\n\n", 2, 2, {}},
        {"no room",
         "A\n",
         0,
         0,
         {"line 1: 1 row past the 100,000 lines a quote holds (it had room for 0 more)"}},
        {"bad rows take room too",
         "A\t0\nB\nC\n",
         2,
         1,
         {"line 1: \"A\": a quantity is a whole number from 1 to 1,000,000",
          "line 3: 1 row past the 100,000 lines a quote holds (it had room for 2 more)"}},
        {"a whole quote", "part_number\n" + rowsOfNumbers(100'000), kMostPastedRows, 100'000, {}},
        {"one row more",
         "part_number\n" + rowsOfNumbers(100'001),
         kMostPastedRows,
         100'000,
         {"line 100,002: 1 row past the 100,000 lines a quote holds"}},
        {"300,000 rows more",
         rowsOfNumbers(400'000),
         kMostPastedRows,
         100'000,
         {"lines 100,001\u2013400,000: 300,000 rows past the 100,000 lines a quote holds"}},
    };
    for (const auto& c : cases) {
        const PastedLines pasted = readPastedLines(c.text, c.room);
        EXPECT_EQ(pasted.rows.size(), c.rows) << c.name;
        EXPECT_EQ(problemTexts(pasted), c.problems) << c.name;
    }
}

}  // namespace
