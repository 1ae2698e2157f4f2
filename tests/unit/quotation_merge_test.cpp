// Two tabs changed one stored quote at once: the merge keeps what each changed, line by line
// and field by field, and says when both changed the same thing (ours is kept there).
#include "rules/quotes/quotation_merge.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace tarvek;

QuotationLine line(const char* partNumber, int quantity = 1, std::optional<Percent> discount = {}) {
    QuotationLine l;
    l.partNumber = partNumber;
    l.quantity = quantity;
    l.discount = discount;
    return l;
}

// A quotation's lines as "A", "Bx3", "C-5%": what the cases read.
std::vector<std::string> shown(const Quotation& q) {
    std::vector<std::string> lines;
    for (const QuotationLine& l : q.lines)
        lines.push_back(l.partNumber + (l.quantity != 1 ? "x" + std::to_string(l.quantity) : "") +
                        (l.discount ? "-" + std::to_string(l.discount->hundredths / 100) + "%" : ""));
    return lines;
}

Quotation threeLines() { return {{}, {line("A"), line("B", 2), line("C", 3)}}; }

TEST(QuotationMerge, EachSidesChangesAreKept) {
    using Edit = std::function<void(Quotation&)>;
    struct Case {
        const char* what;
        Edit ours, theirs;
        std::vector<std::string> merged;
        bool overlapped;
    };
    const auto erase = [](std::size_t row) {
        return [row](Quotation& q) { q.lines.erase(q.lines.begin() + std::ptrdiff_t(row)); };
    };
    const auto quantity = [](std::size_t row, int q) {
        return [=](Quotation& x) { x.lines[row].quantity = q; };
    };
    const auto discount = [](std::size_t row, int percent) {
        return [=](Quotation& x) { x.lines[row].discount = Percent{percent * 100}; };
    };
    const auto append = [](const char* part, int q) {
        return [=](Quotation& x) { x.lines.push_back(line(part, q)); };
    };
    const Edit nothing = [](Quotation&) {};
    const Case cases[] = {
        {"only theirs changed", nothing, quantity(1, 7), {"A", "Bx7", "Cx3"}, false},
        {"only ours changed", quantity(1, 7), nothing, {"A", "Bx7", "Cx3"}, false},
        {"both added a line at the end: theirs first",
         append("J", 7),
         append("U", 1),
         {"A", "Bx2", "Cx3", "U", "Jx7"},
         false},
        {"ours changed the last line, theirs deleted the first",
         quantity(2, 9),
         erase(0),
         {"Bx2", "Cx9"},
         false},
        {"ours deleted the first, theirs changed the last", erase(0), quantity(2, 9), {"Bx2", "Cx9"}, false},
        {"a quantity here, a discount there, on one line",
         quantity(1, 5),
         discount(1, 10),
         {"A", "Bx5-10%", "Cx3"},
         false},
        {"the same quantity both sides: ours", quantity(1, 5), quantity(1, 6), {"A", "Bx5", "Cx3"}, true},
        {"the same change both sides", quantity(1, 5), quantity(1, 5), {"A", "Bx5", "Cx3"}, false},
        {"ours moved a line up, theirs changed its quantity",
         [](Quotation& q) { std::swap(q.lines[1], q.lines[2]); },
         quantity(2, 8),
         {"A", "Cx8", "Bx2"},
         false},
        {"ours changed a line that theirs deleted: ours",
         quantity(1, 4),
         erase(1),
         {"A", "Bx4", "Cx3"},
         true},
        {"ours duplicated a line, theirs changed the next one",
         [](Quotation& q) { q.lines.insert(q.lines.begin() + 1, q.lines[1]); },
         quantity(2, 1),
         {"A", "Bx2", "Bx2", "C"},
         false},
        {"both added the same line, ours another after it: that line once",
         [](Quotation& q) {
             q.lines.push_back(line("J", 7));
             q.lines.push_back(line("U"));
         },
         append("J", 7),
         {"A", "Bx2", "Cx3", "Jx7", "U"},
         false},
        {"everything deleted here, a line added there",
         [](Quotation& q) { q.lines.clear(); },
         append("J", 1),
         {"J"},
         false},
    };
    for (const Case& c : cases) {
        Quotation ours = threeLines(), theirs = threeLines();
        c.ours(ours);
        c.theirs(theirs);
        const QuotationMerge merge = mergeQuotations(threeLines(), ours, theirs);
        EXPECT_EQ(shown(merge.merged), c.merged) << c.what;
        EXPECT_EQ(merge.overlapped, c.overlapped) << c.what;
    }
}

// Tab A adds a valve and types a customer while tab B adds another seven times.
TEST(QuotationMerge, TwoTabsOnAnEmptyQuote) {
    Quotation base;
    base.header.number = "TQ-20130205-143005";
    Quotation a = base, b = base;
    a.lines.push_back(line("A310-MX2-2A-MXFX-VS"));
    a.header.customer = "Nordgas Ltd.";
    b.lines.push_back(line("J310-MX2-2A-MXFX-VS-BK-LS", 7));
    for (const auto& [ours, theirs] : {std::pair{a, b}, std::pair{b, a}}) {
        const QuotationMerge merge = mergeQuotations(base, ours, theirs);
        EXPECT_EQ(merge.merged.lines.size(), 2u);
        EXPECT_EQ(merge.merged.lines[0], theirs.lines[0]);  // stored first
        EXPECT_EQ(merge.merged.lines[1], ours.lines[0]);
        EXPECT_EQ(merge.merged.header.customer, "Nordgas Ltd.");
        EXPECT_EQ(merge.merged.header.number, "TQ-20130205-143005");
        EXPECT_FALSE(merge.overlapped);
    }
}

TEST(QuotationMerge, HeaderFieldByField) {
    Quotation base = threeLines();
    base.header.customer = "Nordgas";
    base.header.validityDays = 30;
    Quotation ours = base, theirs = base;
    ours.header.customer = "Nordgas Ltd.";
    ours.header.notes = "ex works";
    theirs.header.validityDays = 60;
    theirs.header.discount = Percent{10'00};
    theirs.header.notes = "FOB";
    const QuotationMerge merge = mergeQuotations(base, ours, theirs);
    EXPECT_EQ(merge.merged.header.customer, "Nordgas Ltd.");
    EXPECT_EQ(merge.merged.header.validityDays, 60);
    EXPECT_EQ(merge.merged.header.discount, Percent{10'00});
    EXPECT_EQ(merge.merged.header.notes, "ex works");
    EXPECT_TRUE(merge.overlapped);
}

// A line another tab priced again (its configuration read from the document) is the same line.
TEST(QuotationMerge, LinesAreComparedAsTheDocumentWritesThem) {
    Quotation base = threeLines(), ours = base, theirs = base;
    ours.lines[0].events.push_back({});
    theirs.lines[2].quantity = 5;
    const QuotationMerge merge = mergeQuotations(base, ours, theirs);
    EXPECT_EQ(shown(merge.merged), (std::vector<std::string>{"A", "Bx2", "Cx5"}));
    EXPECT_EQ(merge.merged.lines[0].events.size(), 1u);
}

TEST(QuotationMerge, LongQuotesWithChangesAtBothEnds) {
    Quotation base;
    for (int i = 0; i < 20'000; ++i) base.lines.push_back(line(i % 2 ? "A" : "B", i % 9 + 1));
    Quotation ours = base, theirs = base;
    ours.lines[3].quantity = 100;
    ours.lines.erase(ours.lines.begin() + 10'000);
    theirs.lines[19'990].discount = Percent{5'00};
    theirs.lines.insert(theirs.lines.begin() + 5, line("C"));
    const QuotationMerge merge = mergeQuotations(base, ours, theirs);
    ASSERT_EQ(merge.merged.lines.size(), 20'000u);
    EXPECT_EQ(merge.merged.lines[3].quantity, 100);
    EXPECT_EQ(merge.merged.lines[5].partNumber, "C");
    EXPECT_EQ(merge.merged.lines[19'990].discount, Percent{5'00});
    EXPECT_FALSE(merge.overlapped);
}

}  // namespace
