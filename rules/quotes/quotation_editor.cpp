#include "rules/quotes/quotation_editor.h"

#include <algorithm>
#include <iterator>

namespace tarvek {

void QuotationEditor::reset(Quotation quotation) {
    if (observer_) observer_->aboutToSplice(0, quotation_.lines.size(), quotation.lines.size());
    const std::size_t removed = quotation_.lines.size();
    quotation_ = std::move(quotation);
    if (observer_) {
        observer_->spliced(0, removed, quotation_.lines.size());
        observer_->headerChanged();
    }
    history_.clear();
    done_ = 0;
    savedAt_ = 0;
}

void QuotationEditor::insertLines(std::size_t at, std::vector<QuotationLine> lines, std::string what) {
    if (lines.empty()) return;
    at = std::min(at, quotation_.lines.size());
    perform({std::move(what), {{at, {}, std::move(lines)}}, {}, {}});
}

void QuotationEditor::removeLines(std::vector<std::size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](std::size_t row) { return row >= quotation_.lines.size(); });
    if (rows.empty()) return;
    // From the last row up, so that each splice's place holds when it is applied in order.
    Edit edit{rows.size() == 1 ? "delete the line" : "delete the lines", {}, {}, {}};
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        edit.splices.push_back({*row, {quotation_.lines[*row]}, {}});
    perform(std::move(edit));
}

void QuotationEditor::duplicateLine(std::size_t row) {
    if (row >= quotation_.lines.size()) return;
    perform({"duplicate the line", {{row + 1, {}, {quotation_.lines[row]}}}, {}, {}});
}

bool QuotationEditor::moveLine(std::size_t row, int by) {
    if (row >= quotation_.lines.size() || (by < 0 && row == 0) ||
        (by > 0 && row + 1 >= quotation_.lines.size()))
        return false;
    const std::size_t first = by < 0 ? row - 1 : row;
    const auto& lines = quotation_.lines;
    perform({by < 0 ? "move the line up" : "move the line down",
             {{first, {lines[first], lines[first + 1]}, {lines[first + 1], lines[first]}}},
             {},
             {}});
    return true;
}

void QuotationEditor::setQuantity(std::size_t row, int quantity) {
    if (row >= quotation_.lines.size() || quotation_.lines[row].quantity == quantity) return;
    QuotationLine line = quotation_.lines[row];
    line.quantity = quantity;
    replaceLine(row, std::move(line), "change the quantity");
}

void QuotationEditor::setDiscount(std::size_t row, std::optional<Percent> discount) {
    if (row >= quotation_.lines.size() || quotation_.lines[row].discount == discount) return;
    QuotationLine line = quotation_.lines[row];
    line.discount = discount;
    replaceLine(row, std::move(line), "change the discount");
}

void QuotationEditor::updateLine(std::size_t row, QuotationLine line) {
    if (row >= quotation_.lines.size()) return;
    line.quantity = quotation_.lines[row].quantity;
    line.discount = quotation_.lines[row].discount;
    line.service = quotation_.lines[row].service;
    if (line == quotation_.lines[row]) return;
    replaceLine(row, std::move(line), "update the line");
}

void QuotationEditor::replaceLines(std::vector<std::pair<std::size_t, QuotationLine>> lines,
                                   std::string what) {
    Edit edit{std::move(what), {}, {}, {}};
    for (auto& [row, line] : lines)
        if (row < quotation_.lines.size() && line != quotation_.lines[row])
            edit.splices.push_back({row, {quotation_.lines[row]}, {std::move(line)}});
    if (!edit.splices.empty()) perform(std::move(edit));
}

void QuotationEditor::replaceAllLines(std::vector<QuotationLine> lines, std::string what) {
    if (lines == quotation_.lines) return;
    perform({std::move(what), {{0, quotation_.lines, std::move(lines)}}, {}, {}});
}

void QuotationEditor::setHeader(QuotationHeader header, std::string what) {
    if (header == quotation_.header) return;
    perform({std::move(what), {}, quotation_.header, std::move(header)});
}

void QuotationEditor::take(Quotation quotation, std::string what, bool saved) {
    if (quotation != quotation_) {
        Edit edit{std::move(what), {}, {}, {}};
        // Only the lines that differ, between the ones both have in common at either end: a
        // long quote whose one line changed keeps one line twice in the history, not all.
        const auto& before = quotation_.lines;
        auto& after = quotation.lines;
        std::size_t head = 0, tail = 0;
        while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
        while (tail < before.size() - head && tail < after.size() - head &&
               before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        if (head + tail < std::max(before.size(), after.size()))
            edit.splices.push_back(
                {head,
                 {before.begin() + std::ptrdiff_t(head), before.end() - std::ptrdiff_t(tail)},
                 {std::make_move_iterator(after.begin() + std::ptrdiff_t(head)),
                  std::make_move_iterator(after.end() - std::ptrdiff_t(tail))}});
        if (quotation.header != quotation_.header) {
            edit.headerBefore = quotation_.header;
            edit.headerAfter = std::move(quotation.header);
        }
        perform(std::move(edit));
    }
    if (saved)
        markSaved();
    else if (!modified())
        markModified();
}

void QuotationEditor::replaceLine(std::size_t row, QuotationLine line, std::string what) {
    perform({std::move(what), {{row, {quotation_.lines[row]}, {std::move(line)}}}, {}, {}});
}

void QuotationEditor::perform(Edit edit) {
    history_.erase(history_.begin() + std::ptrdiff_t(done_), history_.end());
    if (savedAt_ && *savedAt_ > done_) savedAt_.reset();  // the saved state can no longer be reached
    history_.push_back(std::move(edit));
    redo();
    if (history_.size() > kUndoSteps) {
        history_.pop_front();
        --done_;
        if (savedAt_) savedAt_ = *savedAt_ == 0 ? std::nullopt : std::optional(*savedAt_ - 1);
    }
}

void QuotationEditor::redo() {
    if (!canRedo()) return;
    const Edit& edit = history_[done_++];
    for (const Splice& s : edit.splices) splice(s.at, s.removed.size(), s.inserted);
    if (edit.headerAfter) setHeaderTo(*edit.headerAfter);
}

void QuotationEditor::undo() {
    if (!canUndo()) return;
    const Edit& edit = history_[--done_];
    for (auto s = edit.splices.rbegin(); s != edit.splices.rend(); ++s)
        splice(s->at, s->inserted.size(), s->removed);
    if (edit.headerBefore) setHeaderTo(*edit.headerBefore);
}

void QuotationEditor::splice(std::size_t at, std::size_t removed,
                             const std::vector<QuotationLine>& inserted) {
    if (observer_) observer_->aboutToSplice(at, removed, inserted.size());
    auto& lines = quotation_.lines;
    const auto place = lines.begin() + std::ptrdiff_t(at);
    // Lines replaced one for one are assigned in place: no line moves for a changed quantity.
    const std::size_t common = std::min(removed, inserted.size());
    std::copy_n(inserted.begin(), common, place);
    if (removed > common)
        lines.erase(place + std::ptrdiff_t(common), place + std::ptrdiff_t(removed));
    else
        lines.insert(place + std::ptrdiff_t(common), inserted.begin() + std::ptrdiff_t(common),
                     inserted.end());
    if (observer_) observer_->spliced(at, removed, inserted.size());
}

void QuotationEditor::setHeaderTo(const QuotationHeader& header) {
    quotation_.header = header;
    if (observer_) observer_->headerChanged();
}

}  // namespace tarvek
