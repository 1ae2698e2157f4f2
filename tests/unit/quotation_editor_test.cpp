// Every edit of a quotation undone and redone in any order gives back each state it passed
// through; an observer hears of every change; the quotation knows whether it is saved.
#include "rules/quotes/quotation_editor.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace tarvek;

QuotationLine line(const char* partNumber, int quantity = 1) {
    QuotationLine l;
    l.partNumber = partNumber;
    l.quantity = quantity;
    return l;
}

std::vector<std::string> partNumbers(const QuotationEditor& editor) {
    std::vector<std::string> numbers;
    for (const QuotationLine& l : editor.quotation().lines) numbers.push_back(l.partNumber);
    return numbers;
}

// Counts rows as a table view would, from the observer's calls alone.
struct RowCounter : QuotationObserver {
    std::size_t rows = 0;
    int headers = 0;
    void aboutToSplice(std::size_t at, std::size_t removed, std::size_t) override {
        EXPECT_LE(at + removed, rows);
    }
    void spliced(std::size_t, std::size_t removed, std::size_t inserted) override {
        rows += inserted - removed;
    }
    void headerChanged() override { ++headers; }
};

TEST(QuotationEditor, EveryEditUndoesAndRedoes) {
    struct Case {
        const char* what;
        std::function<void(QuotationEditor&)> edit;
        std::vector<std::string> after;
        const char* undoText;
    };
    const Case cases[] = {
        {"append",
         [](QuotationEditor& e) { e.appendLines({line("D")}, "add a line"); },
         {"A", "B", "C", "D"},
         "add a line"},
        {"insert",
         [](QuotationEditor& e) {
             e.insertLines(1, {line("X"), line("Y")}, "paste lines");
         },
         {"A", "X", "Y", "B", "C"},
         "paste lines"},
        {"delete two",
         [](QuotationEditor& e) {
             e.removeLines({2, 0, 7});
         },
         {"B"},
         "delete the lines"},
        {"duplicate",
         [](QuotationEditor& e) { e.duplicateLine(1); },
         {"A", "B", "B", "C"},
         "duplicate the line"},
        {"move up",
         [](QuotationEditor& e) { EXPECT_TRUE(e.moveLine(2, -1)); },
         {"A", "C", "B"},
         "move the line up"},
        {"move down",
         [](QuotationEditor& e) { EXPECT_TRUE(e.moveLine(0, +1)); },
         {"B", "A", "C"},
         "move the line down"},
        {"update",
         [](QuotationEditor& e) { e.updateLine(1, line("Z", 9)); },
         {"A", "Z", "C"},
         "update the line"},
        {"replace all",
         [](QuotationEditor& e) { e.replaceAllLines({line("Q")}, "price again"); },
         {"Q"},
         "price again"},
    };
    for (const Case& c : cases) {
        QuotationEditor editor;
        RowCounter counter;
        editor.setObserver(&counter);
        editor.reset({{}, {line("A", 2), line("B", 3), line("C", 4)}});
        const Quotation before = editor.quotation();
        c.edit(editor);
        EXPECT_EQ(partNumbers(editor), c.after) << c.what;
        EXPECT_EQ(counter.rows, c.after.size()) << c.what;
        EXPECT_TRUE(editor.modified()) << c.what;
        EXPECT_EQ(editor.undoText(), c.undoText) << c.what;
        const Quotation after = editor.quotation();
        editor.undo();
        EXPECT_EQ(editor.quotation(), before) << c.what;
        EXPECT_EQ(counter.rows, 3u) << c.what;
        EXPECT_FALSE(editor.modified()) << c.what;
        editor.redo();
        EXPECT_EQ(editor.quotation(), after) << c.what;
    }
}

TEST(QuotationEditor, UpdateKeepsQuantityAndDiscountAndEditsThatChangeNothingAreNoSteps) {
    QuotationEditor editor;
    editor.reset({{}, {line("A", 5)}});
    editor.setDiscount(0, Percent{7'50});
    editor.updateLine(0, line("B", 1));
    EXPECT_EQ(editor.quotation().lines[0].quantity, 5);
    EXPECT_EQ(editor.quotation().lines[0].discount, Percent{7'50});
    EXPECT_FALSE(editor.moveLine(0, -1));
    editor.setQuantity(0, 5);
    editor.setDiscount(0, Percent{7'50});
    editor.undo();
    editor.undo();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_EQ(editor.quotation().lines[0], line("A", 5));
}

TEST(QuotationEditor, HeaderEditsAndTheSavedPoint) {
    QuotationEditor editor;
    RowCounter counter;
    editor.setObserver(&counter);
    editor.reset({});
    QuotationHeader header;
    header.customer = "Nordgas Ltd.";
    editor.setHeader(header, "change the customer");
    editor.markSaved();
    EXPECT_FALSE(editor.modified());
    editor.setQuantity(0, 3);  // no line: nothing happens
    EXPECT_FALSE(editor.canRedo());
    header.discount = Percent{10'00};
    editor.setHeader(header, "change the discount");
    EXPECT_TRUE(editor.modified());
    editor.undo();
    EXPECT_FALSE(editor.modified());
    editor.undo();
    EXPECT_EQ(editor.quotation().header.customer, "");
    EXPECT_TRUE(editor.modified());
    // A new edit after undoing past the saved point: that state can never come back.
    editor.setHeader(header, "change the discount");
    editor.undo();
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(counter.headers, 7);
}

// Another tab's edition of the quote: one step, undone back to this one's, and saved or
// changed as that edition is.
TEST(QuotationEditor, TakingAnotherEditionIsOneStep) {
    QuotationEditor editor;
    RowCounter counter;
    editor.setObserver(&counter);
    editor.reset({{}, {line("A"), line("B", 2), line("C", 3)}});
    editor.setQuantity(0, 4);
    const Quotation ours = editor.quotation();
    Quotation theirs = ours;
    theirs.header.customer = "Nordgas Ltd.";
    theirs.lines.insert(theirs.lines.begin() + 1, line("J", 7));
    theirs.lines.back().quantity = 9;
    editor.take(theirs, "take another tab's changes", true);
    EXPECT_EQ(editor.quotation(), theirs);
    EXPECT_EQ(counter.rows, 4u);
    EXPECT_EQ(editor.undoText(), "take another tab's changes");
    EXPECT_FALSE(editor.modified());
    editor.undo();
    EXPECT_EQ(editor.quotation(), ours);
    EXPECT_EQ(counter.rows, 3u);
    EXPECT_TRUE(editor.modified());
    editor.undo();
    EXPECT_EQ(editor.quotation().lines[0].quantity, 1);
    editor.redo();
    editor.redo();
    EXPECT_EQ(editor.quotation(), theirs);
    // The same edition again changes nothing but the saved mark; an unsaved one marks it changed.
    editor.take(theirs, "take another tab's changes", false);
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.undoText(), "take another tab's changes");
    editor.undo();
    EXPECT_EQ(editor.quotation(), ours);
    editor.redo();
    editor.take(theirs, "take another tab's changes", true);
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(editor.canUndo());
    editor.take({theirs.header, {}}, "take another tab's changes", false);
    EXPECT_TRUE(editor.quotation().lines.empty());
    EXPECT_EQ(counter.rows, 0u);
    editor.undo();
    EXPECT_EQ(editor.quotation(), theirs);
}

TEST(QuotationEditor, HistoryIsBoundedAndTheOldestStepsGo) {
    QuotationEditor editor;
    editor.reset({{}, {line("A")}});
    for (int q = 2; q < int(QuotationEditor::kUndoSteps) + 12; ++q) editor.setQuantity(0, q);
    int undone = 0;
    while (editor.canUndo()) {
        editor.undo();
        ++undone;
    }
    EXPECT_EQ(undone, int(QuotationEditor::kUndoSteps));
    EXPECT_EQ(editor.quotation().lines[0].quantity, 11);
    EXPECT_TRUE(editor.modified());  // the saved state fell out of the history
}

}  // namespace
