// The runs where two sequences differ: applied to the first they give the second, and they
// insert and remove no more items than the longest common subsequence leaves (counted here by
// the textbook table, apart from the code under test).
#include "rules/quotes/sequence_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace tarvek;

std::vector<DifferingRun> runsBetween(const std::string& a, const std::string& b,
                                      std::size_t mostEdits = 1000) {
    return differingRuns(
        a.size(), b.size(), [&](std::size_t i, std::size_t j) { return a[i] == b[j]; }, mostEdits);
}

std::string applied(const std::string& a, const std::string& b, const std::vector<DifferingRun>& runs) {
    std::string result;
    std::size_t at = 0;
    for (const DifferingRun& run : runs) {
        EXPECT_LE(at, run.from);
        result += a.substr(at, run.from - at) + b.substr(run.otherFrom, run.otherTo - run.otherFrom);
        at = run.to;
    }
    return result + a.substr(at);
}

std::size_t edits(const std::vector<DifferingRun>& runs) {
    std::size_t count = 0;
    for (const DifferingRun& run : runs) count += (run.to - run.from) + (run.otherTo - run.otherFrom);
    return count;
}

std::size_t longestCommon(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> table(a.size() + 1, std::vector<std::size_t>(b.size() + 1, 0));
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            table[i][j] =
                a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1 : std::max(table[i - 1][j], table[i][j - 1]);
    return table[a.size()][b.size()];
}

TEST(SequenceDiff, TheRunsOfSmallCases) {
    struct Case {
        const char *a, *b;
        std::vector<DifferingRun> runs;
    };
    const Case cases[] = {
        {"", "", {}},
        {"abc", "abc", {}},
        {"", "xy", {{0, 0, 0, 2}}},
        {"abc", "", {{0, 3, 0, 0}}},
        {"abc", "abxc", {{2, 2, 2, 3}}},
        {"abcd", "acd", {{1, 2, 1, 1}}},
        {"abcde", "aXcYe", {{1, 2, 1, 2}, {3, 4, 3, 4}}},
    };
    for (const Case& c : cases) EXPECT_EQ(runsBetween(c.a, c.b), c.runs) << c.a << " → " << c.b;
}

TEST(SequenceDiff, RandomPairsAreRebuiltWithTheFewestEdits) {
    std::mt19937 random(35);
    for (int round = 0; round < 2000; ++round) {
        const auto word = [&](std::size_t most) {
            std::string w(random() % (most + 1), ' ');
            for (char& c : w) c = char('a' + random() % 4);
            return w;
        };
        const std::string a = word(20),
                          b = round % 3 ? word(20)
                                        : a.substr(0, a.size() / 2) + word(3) + a.substr(a.size() / 2);
        const std::vector<DifferingRun> runs = runsBetween(a, b);
        EXPECT_EQ(applied(a, b, runs), b) << a << " → " << b;
        EXPECT_EQ(edits(runs), a.size() + b.size() - 2 * longestCommon(a, b)) << a << " → " << b;
    }
}

TEST(SequenceDiff, PastTheMostEditsTheMiddleIsOneRun) {
    const std::string a = "x" + std::string(50, 'a') + "y", b = "x" + std::string(50, 'b') + "y";
    EXPECT_EQ(runsBetween(a, b, 10), (std::vector<DifferingRun>{{1, 51, 1, 51}}));
    const std::string c = "xaaaaay", d = "xbabababy";
    EXPECT_EQ(applied(c, d, runsBetween(c, d, 2)), d);
    EXPECT_EQ(runsBetween(c, d, 2).size(), 1u);
}

}  // namespace
