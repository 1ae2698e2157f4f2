// The rows of a delimited text as any reader of lists takes them: the separator the first
// row uses, RFC 4180's quotes, each row numbered by its line, blank rows skipped, the rows
// past those kept counted, and cells kept to a length.
#include "rules/text/delimited_text.h"

#include <gtest/gtest.h>

namespace {

using namespace tarvek;

std::vector<std::pair<std::size_t, std::vector<std::string>>> rowsOf(const KeptRows& kept) {
    std::vector<std::pair<std::size_t, std::vector<std::string>>> rows;
    for (const CellRow& row : kept.rows) rows.emplace_back(row.number, row.cells);
    return rows;
}

TEST(DelimitedText, RowsAsTheTextHoldsThem) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::pair<std::size_t, std::vector<std::string>>> rows;
    } cases[] = {
        {"commas", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"a tab before a comma", "a\tb,c\n", {{1, {"a", "b,c"}}}},
        {"a semicolon before a comma", "a;b,c\r\nd;e\r\n", {{1, {"a", "b,c"}}, {2, {"d", "e"}}}},
        {"quotes across a line", "\"a\nb\",\"c\"\"d\"\ne\n", {{1, {"a\nb", "c\"d"}}, {3, {"e"}}}},
        {"blank rows skipped", "\n \t \na\n\n", {{3, {"a"}}}},
        {"a byte-order mark", "\xEF\xBB\xBFx;y", {{1, {"x", "y"}}}},
        {"a quote inside a field", "a\"b,c", {{1, {"a\"b", "c"}}}},
    };
    for (const auto& c : cases) EXPECT_EQ(rowsOf(readDelimitedText(c.text, 100, 100).rows), c.rows) << c.name;
}

TEST(DelimitedText, RowsPastThoseKeptAreCountedAndCellsCut) {
    const KeptRows kept = readDelimitedText("a\nb\n\nc\nd\n", 2, 100).rows;
    EXPECT_EQ(rowsOf(kept),
              (std::vector<std::pair<std::size_t, std::vector<std::string>>>{{1, {"a"}}, {2, {"b"}}}));
    EXPECT_EQ(kept.beyond.rows, 2u);
    EXPECT_EQ(kept.beyond.first, 4u);
    EXPECT_EQ(kept.beyond.last, 5u);
    EXPECT_EQ(readDelimitedText("abcdef,gh", 1, 3).rows.rows[0].cells,
              (std::vector<std::string>{"abc", "gh"}));
}

// Which separator parted the cells, and which cells were quoted: where commas part them, a
// reader can tell a number a comma divided from one written in quotes.
TEST(DelimitedText, TheSeparatorAndTheQuotedCells) {
    const DelimitedText commas = readDelimitedText("A,2,\"12,5\"\n", 10, 100);
    EXPECT_EQ(commas.separator, ',');
    EXPECT_EQ(commas.rows.rows[0].cells, (std::vector<std::string>{"A", "2", "12,5"}));
    EXPECT_EQ(commas.rows.rows[0].quoted, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(readDelimitedText("A;2;12,5\n", 10, 100).separator, ';');
    EXPECT_EQ(readDelimitedText("A\t2\n", 10, 100).separator, '\t');
}

}  // namespace
