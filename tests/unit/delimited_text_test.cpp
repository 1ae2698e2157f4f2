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
    for (const auto& c : cases) EXPECT_EQ(rowsOf(readDelimitedText(c.text, 100, 100)), c.rows) << c.name;
}

TEST(DelimitedText, RowsPastThoseKeptAreCountedAndCellsCut) {
    const KeptRows kept = readDelimitedText("a\nb\n\nc\nd\n", 2, 100);
    EXPECT_EQ(rowsOf(kept),
              (std::vector<std::pair<std::size_t, std::vector<std::string>>>{{1, {"a"}}, {2, {"b"}}}));
    EXPECT_EQ(kept.beyond.rows, 2u);
    EXPECT_EQ(kept.beyond.first, 4u);
    EXPECT_EQ(kept.beyond.last, 5u);
    EXPECT_EQ(readDelimitedText("abcdef,gh", 1, 3).rows[0].cells, (std::vector<std::string>{"abc", "gh"}));
}

}  // namespace
