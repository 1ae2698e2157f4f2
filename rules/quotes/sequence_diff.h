// Where one sequence differs from another: the runs of the first that the second replaces,
// found by Myers' shortest edit script between what the two have in common at their ends.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace tarvek {

// The first sequence's items [from, to) are the second's [otherFrom, otherTo) there. Empty on
// one side: an insertion or a removal.
struct DifferingRun {
    std::size_t from, to, otherFrom, otherTo;
    bool operator==(const DifferingRun&) const = default;
};

// The runs, in order, where a sequence of `size` items differs from one of `otherSize`; `same`
// tells whether item i of the first is item j of the second. Past `mostEdits` insertions and
// removals the part between the common ends is one run, so the work stays bounded.
std::vector<DifferingRun> differingRuns(std::size_t size, std::size_t otherSize,
                                        const std::function<bool(std::size_t, std::size_t)>& same,
                                        std::size_t mostEdits = 1000);

}  // namespace tarvek
