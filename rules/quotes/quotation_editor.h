// Every change to a quotation as a command that can be undone and redone: each edit is a
// series of splices of the lines (remove some at a place, insert others there) and perhaps a
// new header, so undoing one is the same splices the other way round.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rules/quotes/quotation.h"

namespace tarvek {

// Told of every change, so a view can follow it row by row.
class QuotationObserver {
  public:
    virtual ~QuotationObserver() = default;
    // `removed` lines at `at` are about to be replaced by `inserted` others.
    virtual void aboutToSplice(std::size_t at, std::size_t removed, std::size_t inserted) = 0;
    virtual void spliced(std::size_t at, std::size_t removed, std::size_t inserted) = 0;
    virtual void headerChanged() = 0;
};

class QuotationEditor {
  public:
    static constexpr std::size_t kUndoSteps = 200;

    const Quotation& quotation() const { return quotation_; }
    void setObserver(QuotationObserver* observer) { observer_ = observer; }

    // A new or opened quotation: nothing to undo, and nothing unsaved.
    void reset(Quotation quotation);

    void insertLines(std::size_t at, std::vector<QuotationLine> lines, std::string what);
    void appendLines(std::vector<QuotationLine> lines, std::string what) {
        insertLines(quotation_.lines.size(), std::move(lines), std::move(what));
    }
    // The rows given, in any order; rows beyond the end are ignored.
    void removeLines(std::vector<std::size_t> rows);
    void duplicateLine(std::size_t row);
    // Moves a line one place up (-1) or down (+1); false at either end.
    bool moveLine(std::size_t row, int by);
    void setQuantity(std::size_t row, int quantity);
    void setDiscount(std::size_t row, std::optional<Percent> discount);
    // Another configuration in the place of a line, its quantity, discount and service kept
    // (a valve chosen by the user is no longer a proposal).
    void updateLine(std::size_t row, QuotationLine line);
    // Lines given in the places of the rows named (each row once), as one step; rows beyond
    // the end and lines that change nothing are left out.
    void replaceLines(std::vector<std::pair<std::size_t, QuotationLine>> lines, std::string what);
    // Every line at once (re-pricing): one step to undo.
    void replaceAllLines(std::vector<QuotationLine> lines, std::string what);
    void setHeader(QuotationHeader header, std::string what);
    // Another edition of this quotation in its place (the same quote changed elsewhere), lines
    // and header as one step to undo. `saved`: that edition is saved as it is; otherwise it
    // counts as changed.
    void take(Quotation quotation, std::string what, bool saved);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < history_.size(); }
    // What the next undo or redo does, e.g. "change the quantity".
    std::string undoText() const { return canUndo() ? history_[done_ - 1].what : std::string(); }
    std::string redoText() const { return canRedo() ? history_[done_].what : std::string(); }
    void undo();
    void redo();

    // Changed since it was last opened, saved or started.
    bool modified() const { return savedAt_ != done_; }
    void markSaved() { savedAt_ = done_; }
    // Differs from its file though nothing was edited (it was priced again on opening).
    void markModified() { savedAt_.reset(); }

  private:
    struct Splice {
        std::size_t at;
        std::vector<QuotationLine> removed, inserted;
    };
    struct Edit {
        std::string what;
        std::vector<Splice> splices;
        std::optional<QuotationHeader> headerBefore, headerAfter;
    };

    void perform(Edit edit);
    void splice(std::size_t at, std::size_t removed, const std::vector<QuotationLine>& inserted);
    void setHeaderTo(const QuotationHeader& header);
    void replaceLine(std::size_t row, QuotationLine line, std::string what);

    Quotation quotation_;
    std::deque<Edit> history_;
    std::size_t done_ = 0;  // edits in the history that are applied
    // The point in the history that is saved; none when it was dropped from the history.
    std::optional<std::size_t> savedAt_ = 0;
    QuotationObserver* observer_ = nullptr;
};

}  // namespace tarvek
