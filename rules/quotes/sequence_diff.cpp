#include "rules/quotes/sequence_diff.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tarvek {
namespace {

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;
using Same = std::function<bool(std::size_t, std::size_t)>;

// The items the shortest edit script keeps, as pairs (i, j), in order; none when it needs more
// than `mostEdits` insertions and removals. Each step d keeps the furthest reach on every
// diagonal, and the steps are walked back from the end for the way taken.
Pairs keptItems(std::ptrdiff_t n, std::ptrdiff_t m, const Same& same, std::ptrdiff_t mostEdits) {
    const std::ptrdiff_t most = std::min(n + m, mostEdits);
    const std::ptrdiff_t offset = most + 1;
    std::vector<std::ptrdiff_t> reach(std::size_t(2 * most + 3), 0);
    std::vector<std::vector<std::ptrdiff_t>> steps;  // reach on diagonals -d to d after step d
    const auto from = [](const std::vector<std::ptrdiff_t>& before, std::ptrdiff_t d, std::ptrdiff_t k) {
        // Along a removal from diagonal k - 1, or an insertion from k + 1, whichever reached further.
        const auto at = [&](std::ptrdiff_t diagonal) { return before[std::size_t(diagonal + d - 1)]; };
        return k == -d || (k != d && at(k - 1) < at(k + 1)) ? k + 1 : k - 1;
    };
    for (std::ptrdiff_t d = 0; d <= most; ++d) {
        bool done = false;
        for (std::ptrdiff_t k = -d; k <= d; k += 2) {
            std::ptrdiff_t x;
            if (d == 0)
                x = 0;
            else {
                const std::ptrdiff_t previous = from(steps.back(), d, k);
                x = reach[std::size_t(offset + previous)] + (previous < k ? 1 : 0);
            }
            std::ptrdiff_t y = x - k;
            while (x < n && y < m && same(std::size_t(x), std::size_t(y))) ++x, ++y;
            reach[std::size_t(offset + k)] = x;
            done = done || (x >= n && y >= m);
        }
        steps.emplace_back(reach.begin() + (offset - d), reach.begin() + (offset + d + 1));
        if (!done) continue;
        Pairs kept;
        std::ptrdiff_t x = n, y = m;
        for (std::ptrdiff_t step = d; step > 0; --step) {
            const std::ptrdiff_t k = x - y;
            const std::ptrdiff_t previous = from(steps[std::size_t(step - 1)], step, k);
            const std::ptrdiff_t previousX = steps[std::size_t(step - 1)][std::size_t(previous + step - 1)];
            const std::ptrdiff_t snakeX = previousX + (previous < k ? 1 : 0);
            while (x > snakeX) kept.emplace_back(std::size_t(--x), std::size_t(--y));
            x = previousX;
            y = previousX - previous;
        }
        while (x > 0 && y > 0) kept.emplace_back(std::size_t(--x), std::size_t(--y));
        std::reverse(kept.begin(), kept.end());
        return kept;
    }
    return {};
}

}  // namespace

std::vector<DifferingRun> differingRuns(std::size_t size, std::size_t otherSize, const Same& same,
                                        std::size_t mostEdits) {
    std::size_t head = 0, tail = 0;
    while (head < size && head < otherSize && same(head, head)) ++head;
    while (tail < size - head && tail < otherSize - head && same(size - 1 - tail, otherSize - 1 - tail))
        ++tail;
    const std::size_t n = size - head - tail, m = otherSize - head - tail;
    std::vector<DifferingRun> runs;
    if (n == 0 && m == 0) return runs;
    const Pairs kept = n == 0 || m == 0
                           ? Pairs{}
                           : keptItems(
                                 std::ptrdiff_t(n), std::ptrdiff_t(m),
                                 [&](std::size_t i, std::size_t j) { return same(head + i, head + j); },
                                 std::ptrdiff_t(mostEdits));
    std::size_t i = 0, j = 0;
    for (const auto& [keptI, keptJ] : kept) {
        if (keptI > i || keptJ > j) runs.push_back({head + i, head + keptI, head + j, head + keptJ});
        i = keptI + 1;
        j = keptJ + 1;
    }
    if (i < n || j < m) runs.push_back({head + i, head + n, head + j, head + m});
    return runs;
}

}  // namespace tarvek
