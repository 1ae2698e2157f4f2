// The quote page as a user works it: lines added from the configurator, edited in place with
// refusals said where they happen, every edit undone and redone, many part numbers pasted,
// the quote saved, opened again and priced again, damaged files refused, unsaved changes
// offered for saving, and prices kept out of everything while they are hidden.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <map>

#include "app/quote/quotation_table_model.h"
#include "rules/quotes/quotation_document.h"
#include "tests/support/quote_configurations.h"
#include "tests/window/quote_page_driver.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;
using Column = QuotationTableModel::Column;

class QuotePageTest : public QuotePageTestBase {
  protected:
    void add(const std::vector<UserStep>& steps) {
        takeSteps(d, steps);
        d.click("cmdAddToQuote");
    }
    // Types into a cell as a user does: the editor opens, the text replaces what was there.
    void typeInto(int row, Column column, const QString& text) {
        QTableView* table = d.table();
        table->setCurrentIndex(d.lines()->index(row, column));
        table->edit(table->currentIndex());
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, table);
        if (auto* box = qobject_cast<QLineEdit*>(editor)) box->selectAll();
        if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the delegate commits after the key
    }
    std::vector<std::string> partNumbers() {
        std::vector<std::string> numbers;
        for (int row = 0; row < d.rows(); ++row) numbers.push_back(d.cell(row, Column::PartNumber));
        return numbers;
    }
};

TEST_F(QuotePageTest, TheButtonAndCtrlEnterAddTheConfigurationOnThePage) {
    ASSERT_TRUE(d.showActive());
    auto* button = d.get<QToolButton>("cmdAddToQuote");
    EXPECT_FALSE(button->isEnabled());  // nothing to add before a part number
    EXPECT_EQ(button->accessibleName(), "Add to quote");
    add(kTypicalValveSteps);
    takeSteps(d, kPortingDrawingSteps);
    d.press(d.list("lstConn1"), Qt::Key_Return, Qt::ControlModifier);
    d.press(d.list("lstConn1"), Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    ASSERT_EQ(d.rows(), 3);
    EXPECT_EQ(partNumbers(), (std::vector<std::string>{"J310-MX2-2A-MXFX-VS-BK-LS", "A310-MX2-2A-MXFX-VS",
                                                       "A310-MX2-2A-MXFX-VS"}));
    EXPECT_EQ(d.cell(0, Column::Quantity), "1");
    // Amounts with two decimals under captions that name the currency.
    EXPECT_EQ(d.cell(0, Column::ListPrice), "367.50");
    EXPECT_EQ(d.cell(1, Column::Extended), "350.00");
    EXPECT_EQ(d.lines()->headerData(Column::ListPrice, Qt::Horizontal).toString(), "List US$");
    EXPECT_EQ(d.lines()->headerData(Column::Extended, Qt::Horizontal).toString(), "Amount US$");
    // The configurator's own boxes keep their texts.
    EXPECT_EQ(d.text("lblPrice"), "350");
    EXPECT_EQ(d.get<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(d.text("lblQuoteTotals"), "3 lines, 3 pieces   Subtotal: US$ 1,067.50   Total: US$ 1,067.50");
}

// The quote has a window of its own beside the catalogue's three pages: its button beside "Add
// to quote" and Ctrl+Shift+Q from any page show it, within the screen the catalogue is on.
TEST_F(QuotePageTest, TheQuoteOpensInAWindowOfItsOwn) {
    ASSERT_TRUE(d.showActive());
    // Built when first needed, not while the catalogue starts.
    EXPECT_EQ(d.window.findChild<QWidget*>(QStringLiteral("quotePage")), nullptr);
    QWidget* quote = d.page().page();
    EXPECT_TRUE(quote->isWindow());
    EXPECT_FALSE(quote->isVisible());
    EXPECT_FALSE(d.get("cmdShowQuote")->accessibleName().isEmpty());
    d.click("cmdShowQuote");
    EXPECT_TRUE(quote->isVisible());
    quote->hide();
    d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
    d.list("lstGasName")->setFocus();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    EXPECT_TRUE(quote->isVisible());
    EXPECT_TRUE(d.window.screen()->availableGeometry().contains(quote->geometry()));
}

// Every action of the quote's window answers its keys wherever the focus is in the window: a
// header box, the notes, the date, a cell being edited. The keys that edit text (undo, paste,
// delete, ...) stay the box's there.
TEST_F(QuotePageTest, EveryActionsKeysWorkFromAnywhereInTheWindow) {
    ASSERT_TRUE(d.showActive());
    add(kPortingDrawingSteps);
    add(kTypicalValveSteps);
    d.showQuotePage();
    QWidget* quote = d.page().page();
    QApplication::setActiveWindow(quote);
    ASSERT_TRUE(QTest::qWaitForWindowActive(quote));
    d.table()->setCurrentIndex(d.lines()->index(1, Column::Quantity));
    // Counted instead of done: the actions' dialogs would wait for a user.
    std::map<QString, int> triggered;
    for (QAction* a : quote->actions()) {
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        QObject::connect(a, &QAction::triggered, [&triggered, a] { ++triggered[a->objectName()]; });
    }
    const auto editsText = [](const QKeySequence& keys) {
        for (auto editing :
             {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Paste, QKeySequence::Delete})
            if (QKeySequence::keyBindings(editing).contains(keys)) return true;
        return false;
    };
    const auto focusCell = [&] {
        d.table()->edit(d.lines()->index(1, Column::Quantity));
        return QApplication::focusWidget();
    };
    const std::vector<std::function<QWidget*()>> places = {
        [&] { return d.get("txtQuoteCustomer"); }, [&] { return d.get("txtQuoteDiscount"); },
        [&] { return d.get("dtpQuoteDate"); },     [&] { return d.get("spnQuoteValidity"); },
        [&] { return d.get("txtQuoteNotes"); },    focusCell,
    };
    int pressed = 0;
    for (const auto& place : places) {
        for (QAction* a : quote->actions()) {
            if (a->shortcut().isEmpty() || !a->isEnabled() || editsText(a->shortcut())) continue;
            QWidget* focus = place();
            focus->setFocus();
            QCoreApplication::processEvents();
            ASSERT_EQ(QApplication::focusWidget()->window(), quote);
            const int before = triggered[a->objectName()];
            QTest::keySequence(QApplication::focusWidget(), a->shortcut());
            EXPECT_EQ(triggered[a->objectName()], before + 1)
                << a->shortcut().toString().toStdString() << " from " << focus->objectName().toStdString();
            ++pressed;
        }
    }
    EXPECT_GT(pressed, 6 * 12);
}

TEST_F(QuotePageTest, QuantitiesAndDiscountsAreEditedInPlaceAndRefusedWithAReason) {
    ASSERT_TRUE(d.showActive());
    add(kPortingDrawingSteps);  // 350.00
    d.showQuotePage();
    const struct {
        Column column;
        const char* typed;
        const char* quantity;
        const char* discount;
        const char* extended;
        const char* message;  // empty: taken
    } steps[] = {
        {Column::Quantity, "12", "12", "(0)", "4,200.00", ""},
        {Column::Discount, "10", "12", "10", "3,780.00", ""},
        {Column::Quantity, "0", "12", "10", "3,780.00",
         "Line 1: A quantity is a whole number from 1 to 1,000,000."},
        {Column::Quantity, "1000001", "12", "10", "3,780.00",
         "Line 1: A quantity is a whole number from 1 to 1,000,000."},
        {Column::Discount, "150", "12", "10", "3,780.00", "Line 1: A discount is at most 100 %."},
        {Column::Discount, "ten", "12", "10", "3,780.00",
         "Line 1: A discount is a number from 0 to 100, with at most two decimals."},
        {Column::Discount, "12.5 %", "12", "12.5", "3,675.00", ""},
        {Column::Quantity, "1000000", "1000000", "12.5", "306,250,000.00", ""},
    };
    for (const auto& step : steps) {
        d.get<QLabel>("lblQuoteMessage")->clear();
        typeInto(0, step.column, QString::fromLatin1(step.typed));
        EXPECT_EQ(d.cell(0, Column::Quantity), step.quantity) << step.typed;
        EXPECT_EQ(d.cell(0, Column::Discount), step.discount) << step.typed;
        EXPECT_EQ(d.cell(0, Column::Extended), step.extended) << step.typed;
        EXPECT_EQ(d.text("lblQuoteMessage"), step.message) << step.typed;
    }
    // The quote's own discount prices the lines without one.
    typeInto(0, Column::Discount, QString());
    d.setText("txtQuoteDiscount", QStringLiteral("20"));
    emit d.get<QLineEdit>("txtQuoteDiscount")->editingFinished();
    EXPECT_EQ(d.cell(0, Column::Discount), "(20)");
    EXPECT_EQ(d.cell(0, Column::UnitNet), "280.00");
}

TEST_F(QuotePageTest, EveryEditIsUndoneAndRedoneWithTheKeys) {
    ASSERT_TRUE(d.showActive());
    add(kTypicalValveSteps);
    add(kRegulatorSteps);
    add(kFittingSteps);
    d.showQuotePage();
    QTableView* table = d.table();
    std::vector<std::vector<std::string>> states = {partNumbers()};
    const auto act = [&](auto&& edit) {
        edit();
        states.push_back(partNumbers());
    };
    act([&] {
        table->selectRow(2);
        d.press(table, Qt::Key_Up, Qt::AltModifier);
    });
    act([&] {
        table->selectRow(0);
        d.press(table, Qt::Key_D, Qt::ControlModifier);
    });
    act([&] {
        table->selectRow(1);
        d.press(table, Qt::Key_Delete, Qt::NoModifier);
    });
    act([&] { typeInto(0, Column::Quantity, QStringLiteral("5")); });
    EXPECT_EQ(states[1],
              (std::vector<std::string>{"J310-MX2-2A-MXFX-VS-BK-LS", "1-4-VC-1", "T410-GN2-2A-MXFX-VS"}));
    EXPECT_EQ(states[3],
              (std::vector<std::string>{"J310-MX2-2A-MXFX-VS-BK-LS", "1-4-VC-1", "T410-GN2-2A-MXFX-VS"}));
    EXPECT_EQ(d.cell(0, Column::Quantity), "5");
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        d.press(table, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(partNumbers(), states[i]) << "undo to state " << i;
    }
    EXPECT_EQ(d.cell(0, Column::Quantity), "1");
    d.press(table, Qt::Key_Z, Qt::ControlModifier);  // the three additions
    d.press(table, Qt::Key_Z, Qt::ControlModifier);
    d.press(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(d.rows(), 0);
    for (int i = 0; i < 3; ++i) d.press(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    for (std::size_t i = 1; i < states.size(); ++i) {
        d.press(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(partNumbers(), states[i]) << "redo to state " << i;
    }
    EXPECT_EQ(d.cell(0, Column::Quantity), "5");
}

TEST_F(QuotePageTest, PastingManyLinesAddsTheKnownAndExplainsTheRest) {
    ASSERT_TRUE(d.showActive());
    d.showQuotePage();
    QString text = QStringLiteral("Part No.\tQty\tDiscount\n");
    for (int i = 0; i < 40; ++i) text += QStringLiteral("A310-MX2-2A-MXFX-VS\t%1\t\n").arg(i + 1);
    text += QStringLiteral("QQQ-1\t2\t\nJ310-MX2-2A-MXFX-VS-BK-LS\t3\t10\nA310-MX2-2A-MXFX-VS\t0\t\n");
    QGuiApplication::clipboard()->setText(text);
    d.press(d.table(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(d.rows(), 41);
    EXPECT_EQ(d.cell(39, Column::Quantity), "40");
    EXPECT_EQ(d.cell(40, Column::PartNumber), "J310-MX2-2A-MXFX-VS-BK-LS");
    EXPECT_EQ(d.cell(40, Column::UnitNet), "330.75");
    const std::string message = d.text("lblQuoteMessage");
    EXPECT_TRUE(message.starts_with("Added 41 lines. Not added (2):\nline 42: \"QQQ-1\": ")) << message;
    EXPECT_NE(
        message.find("line 44: \"A310-MX2-2A-MXFX-VS\": a quantity is a whole number from 1 to 1,000,000"),
        std::string::npos)
        << message;
    d.table()->selectRow(0);
    d.setText("txtQuoteCustomer", QStringLiteral("Nordgas"));
    d.get<QLineEdit>("txtQuoteCustomer")->setCursorPosition(0);
    d.press(d.get("txtQuoteCustomer"), Qt::Key_Delete, Qt::NoModifier);  // a character, not a line
    EXPECT_EQ(d.text("txtQuoteCustomer"), "ordgas");
    EXPECT_EQ(d.rows(), 41);
    d.setText("txtQuoteCustomer", QString());            // as it was: leaving it is no edit
    d.press(d.table(), Qt::Key_Z, Qt::ControlModifier);  // one paste, one step
    EXPECT_EQ(d.rows(), 0);
    // In a text box Ctrl+V pastes into the box.
    QGuiApplication::clipboard()->setText(QStringLiteral("Nordgas"));
    d.press(d.get("txtQuoteCustomer"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.text("txtQuoteCustomer"), "Nordgas");
    EXPECT_EQ(d.rows(), 0);
}

TEST_F(QuotePageTest, SavedReopenedAndPricedAgain) {
    ASSERT_TRUE(d.showActive());
    add(kPortingDrawingSteps);
    add(kFittingSteps);
    d.showQuotePage();
    d.setText("txtQuoteCustomer", QStringLiteral("Nordgas Ltd."));
    emit d.get<QLineEdit>("txtQuoteCustomer")->editingFinished();
    typeInto(1, Column::Quantity, QStringLiteral("250"));
    const std::string number = d.text("txtQuoteNumber");
    EXPECT_TRUE(number.starts_with("TQ-")) << number;
    const QString path = file("nordgas");  // the page adds the document's extension
    user.fileNames.push_back(path);
    d.press(d.table(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(path + ".tquote"));
    EXPECT_FALSE(d.page().modified());
    EXPECT_EQ(d.page().recentFiles(), QStringList{path + ".tquote"});

    // Reopened after the price list moved: the A310 was saved at 330.00 and is 350.00 now.
    QFile saved(path + ".tquote");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QByteArray document = saved.readAll().replace("\t350.00\t", "\t330.00\t");
    saved.close();
    const QString older = file("older.tquote");
    QFile olderFile(older);
    ASSERT_TRUE(olderFile.open(QIODevice::WriteOnly) && olderFile.write(document) == document.size());
    olderFile.close();
    ASSERT_TRUE(d.page().newQuotation());
    EXPECT_EQ(d.rows(), 0);
    // Opened with Ctrl+O on the catalogue's window, the quote's window hidden.
    d.page().page()->hide();
    ASSERT_TRUE(d.showActive());
    user.fileNames.push_back(older);
    d.press(d.list("lstProductType"), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(d.page().page()->isVisible());
    ASSERT_EQ(d.rows(), 2);
    EXPECT_EQ(d.text("txtQuoteCustomer"), "Nordgas Ltd.");
    EXPECT_EQ(d.text("txtQuoteNumber"), number);
    EXPECT_EQ(d.cell(0, Column::ListPrice), "350.00");
    EXPECT_EQ(d.cell(1, Column::Quantity), "250");
    EXPECT_EQ(d.lines()->index(0, Column::PartNumber).data(Qt::ToolTipRole).toString(),
              "Changed since it was priced: list price 330.00 is now 350.00");
    EXPECT_FALSE(d.lines()->index(0, Column::PartNumber).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(d.lines()->index(1, Column::PartNumber).data(Qt::DecorationRole).isNull());
    EXPECT_NE(d.text("lblQuoteMessage")
                  .find("1 line changed since priced (marked):\nline 1: list price 330.00 is now 350.00"),
              std::string::npos);
    EXPECT_TRUE(d.page().modified());  // it differs from its file
    EXPECT_TRUE(d.page().page()->isWindowModified());
    EXPECT_EQ(d.page().recentFiles(), (QStringList{older, path + ".tquote"}));
    // A reopened line goes back to the configurator.
    ASSERT_TRUE(d.page().showLineInConfigurator(0));
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-MXFX-VS");
}

// Names as people type them in the save and export dialogs: the ending chooses the format in
// any case, and the file is written under the name typed, nothing added to it.
TEST_F(QuotePageTest, NamesTypedInAnyCaseKeepTheirFormat) {
    add(kTypicalValveSteps);
    d.showQuotePage();
    const auto chooseIn = [&](const char* action, const char* name) {
        user.fileNames.push_back(file(name));
        QAction* dialog = d.window.findChild<QAction*>(QLatin1String(action));
        ASSERT_TRUE(dialog) << action;
        dialog->trigger();
    };
    chooseIn("actSaveQuoteAs", "offer.TQuote");
    chooseIn("actExportCsv", "Q.CSV");
    chooseIn("actExportXlsx", "quote.XLSX");
    QSignalSpy finished(&d.page(), &QuotePage::exportFinished);
    chooseIn("actExportPdf", "Quote.Pdf");
    ASSERT_TRUE(finished.wait(60'000));
    EXPECT_TRUE(user.warnings.isEmpty()) << user.warnings.join('\n').toStdString();

    QStringList written = QDir(folder.path()).entryList(QDir::Files);
    written.sort();
    EXPECT_EQ(written, (QStringList{"Q.CSV", "Quote.Pdf", "offer.TQuote", "quote.XLSX"}));
    const auto contents = [&](const char* name) {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    EXPECT_TRUE(contents("Q.CSV").startsWith("line,part_number,"));
    EXPECT_TRUE(contents("quote.XLSX").startsWith("PK"));  // a zip, as every workbook
    EXPECT_TRUE(contents("Quote.Pdf").startsWith("%PDF"));
    const QuotationReading saved = readQuotationDocument(contents("offer.TQuote").toStdString());
    ASSERT_TRUE(saved.quotation) << saved.problem;
    EXPECT_EQ(saved.quotation->lines.size(), 1u);
    EXPECT_EQ(d.page().recentFiles(), QStringList{file("offer.TQuote")});
}

TEST_F(QuotePageTest, SavingWritesTheQuoteAndTheRecentListAndNothingElse) {
    const auto files = [](const QString& root) {
        QStringList found;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) found << it.next().mid(root.size() + 1);
        found.sort();
        return found;
    };
    add(kTypicalValveSteps);
    EXPECT_TRUE(files(folder.path()).isEmpty());
    EXPECT_TRUE(files(settings.folder.path()).isEmpty());  // adding is no reason to write
    ASSERT_TRUE(d.page().saveAs(file("first.tquote")));
    ASSERT_TRUE(d.page().saveAs(file("second.tquote")));
    ASSERT_TRUE(d.page().save());
    EXPECT_EQ(files(folder.path()), (QStringList{"first.tquote", "second.tquote"}));
    EXPECT_EQ(files(settings.folder.path()), QStringList{"Tarvek/Catalog.settings"});
    EXPECT_EQ(d.page().recentFiles(), (QStringList{file("second.tquote"), file("first.tquote")}));
    // Ten at most, the latest first; a file opened again moves to the top.
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(d.page().saveAs(folder.filePath(QStringLiteral("q%1.tquote").arg(i))));
    ASSERT_TRUE(d.page().open(file("first.tquote")));
    const QStringList recent = d.page().recentFiles();
    ASSERT_EQ(recent.size(), 10);
    EXPECT_EQ(recent[0], file("first.tquote"));
    EXPECT_EQ(recent[1], folder.filePath(QStringLiteral("q11.tquote")));
}

// The recent quotes an earlier version kept in its QSettings file are offered until the
// program keeps its own list, which then begins with them.
TEST_F(QuotePageTest, TheRecentQuotesOfAnEarlierVersionAreKept) {
    const QStringList earlier = {QStringLiteral("/home/sales/b, c.tquote"),
                                 QStringLiteral("/home/sales/\u00E9t\u00E9.tquote")};
    QSettings(QStringLiteral("Tarvek"), QStringLiteral("Catalog"))
        .setValue(QStringLiteral("quotes/recent"), earlier);
    EXPECT_EQ(d.page().recentFiles(), earlier);
    add(kTypicalValveSteps);
    ASSERT_TRUE(d.page().saveAs(file("new.tquote")));
    EXPECT_EQ(d.page().recentFiles(), QStringList({file("new.tquote")}) + earlier);
}

// A text pasted into a header field with a control character (invisible, and no file holds
// it as it is) is not taken; the message says which character. Line breaks and tabs in the
// notes are taken.
TEST_F(QuotePageTest, AHeaderTextWithAControlCharacterIsNotTaken) {
    ASSERT_TRUE(d.showActive());
    d.showQuotePage();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get("quotePage")));
    auto* customer = d.get<QLineEdit>("txtQuoteCustomer");
    d.setText("txtQuoteCustomer", QStringLiteral("Nordgas Ltd."));
    emit customer->editingFinished();
    customer->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("Nord\x1B[1mgas"));
    d.press(customer, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(customer->text(), QStringLiteral("Nord\x1B[1mgas"));  // the box takes the paste
    emit customer->editingFinished();
    EXPECT_EQ(d.text("txtQuoteCustomer"), "Nordgas Ltd.");
    EXPECT_EQ(d.page().quotation().header.customer, "Nordgas Ltd.");
    EXPECT_EQ(d.text("lblQuoteMessage"),
              "The customer was not taken: the text holds the control character U+001B.");

    auto* notes = d.get<QPlainTextEdit>("txtQuoteNotes");
    const QString taken = QStringLiteral("Delivery ex works.\n\tPrices in US dollars.");
    for (const QString& pasted : {taken, QStringLiteral("Bell\x07 and \u0085")}) {
        notes->selectAll();
        QGuiApplication::clipboard()->setText(pasted);
        d.press(notes, Qt::Key_V, Qt::ControlModifier);
        d.press(customer, Qt::Key_Tab, Qt::NoModifier);  // the notes are taken when left
    }
    EXPECT_EQ(notes->toPlainText(), taken);
    EXPECT_EQ(d.page().quotation().header.notes, taken.toStdString());
    EXPECT_EQ(d.text("lblQuoteMessage"),
              "The notes were not taken: the text holds the control character U+0007.");
}

TEST_F(QuotePageTest, ADamagedNewerOrForeignFileLeavesTheOpenQuoteAlone) {
    add(kTypicalValveSteps);
    const struct {
        const char* name;
        QByteArray bytes;
        const char* problem;
    } cases[] = {
        {"newer.tquote", "TARVEK-QUOTE\t7\n",
         "line 1: written by a newer version of the catalogue (quote format 7; this version reads format 2)"},
        {"cut.tquote", "TARVEK-QUOTE\t1\nnumber\tQ\n",
         "line 2: the file is cut short: its end record is missing"},
        {"picture.tquote", QByteArray("\xFF\xD8\xFF\xE0", 4), "not a Tarvek quote document"},
    };
    for (const auto& c : cases) {
        QFile f(file(c.name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.bytes) == c.bytes.size());
        f.close();
        user.warnings.clear();
        EXPECT_FALSE(d.page().open(file(c.name)));
        ASSERT_EQ(user.warnings.size(), 1);
        EXPECT_EQ(user.warnings[0].toStdString(),
                  "The quote \"" + file(c.name).toStdString() + "\" cannot be opened: " + c.problem + ".");
        EXPECT_EQ(partNumbers(), std::vector<std::string>{"J310-MX2-2A-MXFX-VS-BK-LS"}) << c.name;
        EXPECT_TRUE(user.questions.isEmpty());  // not even asked to save
    }
    EXPECT_FALSE(d.page().open(file("missing.tquote")));
    EXPECT_TRUE(user.warnings.back().contains(QStringLiteral("cannot be read")));
}

TEST_F(QuotePageTest, ClosingWithUnsavedChangesAsks) {
    ASSERT_TRUE(d.showActive());
    EXPECT_TRUE(d.window.close());  // nothing to lose: no question
    EXPECT_TRUE(user.questions.isEmpty());
    ASSERT_TRUE(d.showActive());
    add(kFittingSteps);
    user.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(d.window.close());
    EXPECT_TRUE(d.window.isVisible());
    ASSERT_EQ(user.questions.size(), 1);
    EXPECT_TRUE(user.questions[0].endsWith(QStringLiteral(" has changes that are not saved. Save them?")));
    // Save, then a cancelled file dialog: still open. Save with a name: saved and closed.
    user.answers = {QMessageBox::Save};
    EXPECT_FALSE(d.window.close());
    user.answers = {QMessageBox::Save};
    user.fileNames = {file("kept.tquote")};
    EXPECT_TRUE(d.window.close());
    EXPECT_TRUE(QFile::exists(file("kept.tquote")));
    ASSERT_TRUE(d.showActive());
    add(kFittingSteps);
    user.answers = {QMessageBox::Discard};
    EXPECT_TRUE(d.window.close());
}

TEST_F(QuotePageTest, TwoWindowsSavingOneFile) {
    QuotePageDriver other;
    add(kFittingSteps);
    const QString path = file("shared.tquote");
    ASSERT_TRUE(d.page().saveAs(path));
    ASSERT_TRUE(other.page().open(path));
    takeSteps(other, kRegulatorSteps);
    other.click("cmdAddToQuote");
    ASSERT_TRUE(other.page().save());  // unchanged on disk since it was opened: no question
    EXPECT_TRUE(user.questions.isEmpty());

    add(kTypicalValveSteps);
    user.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(d.page().save());
    ASSERT_EQ(user.questions.size(), 1);
    EXPECT_TRUE(
        user.questions[0].startsWith(QStringLiteral("The file \"shared.tquote\" was changed on disk")));
    QuotePageDriver reader;
    ASSERT_TRUE(reader.page().open(path));
    EXPECT_EQ(reader.rows(), 2);  // the other window's lines, kept
    EXPECT_EQ(reader.cell(1, Column::PartNumber), "T410-GN2-2A-MXFX-VS");
    user.answers = {QMessageBox::Yes};
    EXPECT_TRUE(d.page().save());
    ASSERT_TRUE(reader.page().open(path));
    EXPECT_EQ(reader.cell(1, Column::PartNumber), "J310-MX2-2A-MXFX-VS-BK-LS");
}

TEST_F(QuotePageTest, DoubleClickShowsALineAndUpdateLineWritesTheConfigurationBack) {
    ASSERT_TRUE(d.showActive());
    add(kTypicalValveSteps);
    add(kRegulatorSteps);
    d.showQuotePage();
    typeInto(0, Column::Quantity, QStringLiteral("4"));
    QTableView* table = d.table();
    // A user's double-click: a press and release, then the second press that doubles it.
    const QPoint cell = table->visualRect(d.lines()->index(0, Column::Description)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(d.get<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(d.text("lblPartNumber"), "J310-MX2-2A-MXFX-VS-BK-LS");
    d.click("optStd");  // the standard seat instead of Vespel
    d.showQuotePage();
    table->selectRow(0);
    d.press(table, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(d.cell(0, Column::PartNumber), "J310-MX2-2A-MXFX-BK-LS");
    EXPECT_EQ(d.cell(0, Column::Quantity), "4");  // kept
    EXPECT_EQ(d.cell(1, Column::PartNumber), "T410-GN2-2A-MXFX-VS");
}

TEST_F(QuotePageTest, HiddenPricesAreNotShownNorExported) {
    ASSERT_TRUE(d.showActive());
    add(kTypicalValveSteps);
    QTest::mouseDClick(d.get("Image2"), Qt::LeftButton);  // the prices hidden
    EXPECT_TRUE(d.table()->isColumnHidden(Column::ListPrice));
    EXPECT_TRUE(d.table()->isColumnHidden(Column::Extended));
    EXPECT_TRUE(d.cell(0, Column::Extended).empty());
    EXPECT_EQ(d.text("lblQuoteTotals"), "1 line, 1 piece");
    ASSERT_TRUE(d.page().exportTo(file("hidden.csv")));
    QFile csv(file("hidden.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray text = csv.readAll();
    EXPECT_TRUE(text.startsWith("line,part_number,description,quantity\r\n1,J310-MX2-2A-MXFX-VS-BK-LS,"));
    EXPECT_FALSE(text.contains("367"));
    QTest::mouseDClick(d.get("Image2"), Qt::LeftButton);  // shown again
    EXPECT_FALSE(d.table()->isColumnHidden(Column::Extended));
    EXPECT_EQ(d.cell(0, Column::Extended), "367.50");
}

}  // namespace
