#include "rules/quotes/quotation_merge.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <tuple>
#include <vector>

#include "rules/quotes/sequence_diff.h"

namespace tarvek {
namespace {

using Lines = std::vector<QuotationLine>;

// What the document writes of a line: a line read back from it is the same line.
auto written(const QuotationLine& line) {
    return std::tie(line.partNumber, line.quantity, line.discount, line.listPrice, line.description);
}

// What a line is, apart from its quantity and discount: what "update the line" changes.
auto configuration(const QuotationLine& line) {
    return std::tie(line.partNumber, line.description, line.listPrice);
}

bool sameLines(const Lines& a, const Lines& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const QuotationLine& x, const QuotationLine& y) { return written(x) == written(y); });
}

std::vector<DifferingRun> changesFrom(const Lines& base, const Lines& edition) {
    return differingRuns(base.size(), edition.size(), [&](std::size_t i, std::size_t j) {
        return written(base[i]) == written(edition[j]);
    });
}

// One side's changes of the base's lines, run by run, as a merge walks them.
struct Side {
    const Lines& lines;
    std::vector<DifferingRun> runs;
    std::size_t next = 0;
    const DifferingRun* peek() const { return next < runs.size() ? &runs[next] : nullptr; }
    // The side's lines for the base's [from, to), which begins after run `first` - 1 and ends
    // before run `last`, neither inside a run.
    Lines slice(std::size_t from, std::size_t to, std::size_t first, std::size_t last) const {
        return {lines.begin() + (std::ptrdiff_t(from) + shift(first)),
                lines.begin() + (std::ptrdiff_t(to) + shift(last))};
    }

  private:
    // How far the side's lines after run `r` - 1 are from the base's.
    std::ptrdiff_t shift(std::size_t r) const {
        return r == 0 ? 0 : std::ptrdiff_t(runs[r - 1].otherTo) - std::ptrdiff_t(runs[r - 1].to);
    }
};

// Whether a run reaches into the base's lines [from, to) of a run of the other side, or both
// insert at one place: then the two cannot each be taken as they are.
bool meets(const DifferingRun& run, std::size_t from, std::size_t to) {
    if (run.from == run.to && from == to) return run.from == from;
    if (run.from == run.to) return from < run.from && run.from < to;
    if (from == to) return run.from < from && from < run.to;
    return run.from < to && from < run.to;
}

// Ours where ours changed it, else theirs; `overlapped` when both changed it differently.
template <typename Field>
Field pick(const Field& base, const Field& ours, const Field& theirs, bool& overlapped) {
    if (ours == base) return theirs;
    if (theirs != base && theirs != ours) overlapped = true;
    return ours;
}

QuotationLine mergedLine(const QuotationLine& base, const QuotationLine& ours, const QuotationLine& theirs,
                         bool& overlapped) {
    const bool oursChanged = configuration(ours) != configuration(base);
    const bool theirsChanged = configuration(theirs) != configuration(base);
    QuotationLine line = theirsChanged && !oursChanged ? theirs : ours;
    if (oursChanged && theirsChanged && configuration(theirs) != configuration(ours)) overlapped = true;
    line.quantity = pick(base.quantity, ours.quantity, theirs.quantity, overlapped);
    line.discount = pick(base.discount, ours.discount, theirs.discount, overlapped);
    return line;
}

// Where both sides changed the base's lines [from, to): as one line for one line, field by
// field; lines both inserted at one place, theirs first (those both have, once); anything
// else, ours.
Lines mergedRun(const Lines& base, std::size_t from, std::size_t to, const Lines& ours, const Lines& theirs,
                bool& overlapped) {
    if (sameLines(ours, theirs)) return ours;
    if (from == to) {
        // The lines both begin or end with once (the same change reached both sides), between
        // them theirs, then ours.
        const auto same = [](const QuotationLine& a, const QuotationLine& b) {
            return written(a) == written(b);
        };
        const std::size_t head = std::size_t(
            std::mismatch(ours.begin(), ours.end(), theirs.begin(), theirs.end(), same).first - ours.begin());
        std::size_t tail = 0;
        while (tail < ours.size() - head && tail < theirs.size() - head &&
               same(ours[ours.size() - 1 - tail], theirs[theirs.size() - 1 - tail]))
            ++tail;
        Lines both(ours.begin(), ours.begin() + std::ptrdiff_t(head));
        both.insert(both.end(), theirs.begin() + std::ptrdiff_t(head), theirs.end() - std::ptrdiff_t(tail));
        both.insert(both.end(), ours.begin() + std::ptrdiff_t(head), ours.end());
        return both;
    }
    if (ours.size() == to - from && theirs.size() == to - from) {
        Lines lines;
        for (std::size_t i = 0; i < ours.size(); ++i)
            lines.push_back(mergedLine(base[from + i], ours[i], theirs[i], overlapped));
        return lines;
    }
    overlapped = true;
    return ours;
}

QuotationHeader mergedHeader(const QuotationHeader& base, const QuotationHeader& ours,
                             const QuotationHeader& theirs, bool& overlapped) {
    QuotationHeader h;
    h.number = pick(base.number, ours.number, theirs.number, overlapped);
    h.customer = pick(base.customer, ours.customer, theirs.customer, overlapped);
    h.contact = pick(base.contact, ours.contact, theirs.contact, overlapped);
    h.reference = pick(base.reference, ours.reference, theirs.reference, overlapped);
    h.date = pick(base.date, ours.date, theirs.date, overlapped);
    h.validityDays = pick(base.validityDays, ours.validityDays, theirs.validityDays, overlapped);
    h.priceList = pick(base.priceList, ours.priceList, theirs.priceList, overlapped);
    h.discount = pick(base.discount, ours.discount, theirs.discount, overlapped);
    h.notes = pick(base.notes, ours.notes, theirs.notes, overlapped);
    return h;
}

}  // namespace

QuotationMerge mergeQuotations(const Quotation& base, const Quotation& ours, const Quotation& theirs) {
    QuotationMerge result;
    bool& overlapped = result.overlapped;
    result.merged.header = mergedHeader(base.header, ours.header, theirs.header, overlapped);
    Lines& merged = result.merged.lines;
    const Lines& lines = base.lines;
    Side sides[] = {{ours.lines, changesFrom(lines, ours.lines)},
                    {theirs.lines, changesFrom(lines, theirs.lines)}};
    Side& mine = sides[0];
    Side& other = sides[1];
    // Lines neither side changed are taken from ours, as this page holds them.
    const auto append = [&](const Lines& more) { merged.insert(merged.end(), more.begin(), more.end()); };
    std::size_t at = 0;  // the base's lines before it are in `merged`
    while (mine.peek() || other.peek()) {
        // The earlier run, and every run of either side that meets the stretch they cover.
        const bool oursFirst =
            !other.peek() || (mine.peek() && std::tie(mine.peek()->from, mine.peek()->to) <=
                                                 std::tie(other.peek()->from, other.peek()->to));
        Side& first = oursFirst ? mine : other;
        std::size_t from = first.peek()->from, to = first.peek()->to;
        const std::size_t oursFrom = mine.next, theirsFrom = other.next;
        ++first.next;
        for (bool grew = true; grew;) {
            grew = false;
            for (Side& side : sides)
                while (side.peek() && meets(*side.peek(), from, to)) {
                    from = std::min(from, side.peek()->from);
                    to = std::max(to, side.peek()->to);
                    ++side.next;
                    grew = true;
                }
        }
        append(mine.slice(at, from, oursFrom, oursFrom));
        const Lines oursThere = mine.slice(from, to, oursFrom, mine.next);
        const Lines theirsThere = other.slice(from, to, theirsFrom, other.next);
        if (mine.next == oursFrom)
            append(theirsThere);
        else if (other.next == theirsFrom)
            append(oursThere);
        else
            append(mergedRun(lines, from, to, oursThere, theirsThere, overlapped));
        at = to;
    }
    append(mine.slice(at, lines.size(), mine.next, mine.next));
    return result;
}

}  // namespace tarvek
