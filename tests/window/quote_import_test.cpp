// The wiring of the quote window's import (Import..., Ctrl+I) and of its header's refusals:
// a CSV and the program's own workbook (XLSX) give the lines and the message a paste of the
// same rows gives, in one step to undo; a damaged or too large file is refused with the rules'
// words and the quote stays as it was; the header says what it did not take.
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "app/quote/quotation_table_model.h"
#include "rules/quotes/quotation_messages.h"
#include "tests/support/quote_configurations.h"
#include "tests/window/quote_page_driver.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;
using Column = QuotationTableModel::Column;

class QuoteImportTest : public QuotePageTestBase {
  protected:
    void write(const QString& path, const QByteArray& bytes) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }
    std::vector<std::string> lines() {
        std::vector<std::string> shown;
        for (int row = 0; row < d.rows(); ++row)
            shown.push_back(d.cell(row, Column::PartNumber) + " " + d.cell(row, Column::Quantity) + " " +
                            d.cell(row, Column::Discount));
        return shown;
    }
    // A new quote, the one on the page given up.
    void startAgain() {
        user.answers.push_back(QMessageBox::Discard);
        ASSERT_TRUE(d.page().newQuotation());
        ASSERT_EQ(d.rows(), 0);
    }
    void importWithTheKeys(const QString& path) {
        user.fileNames.push_back(path);
        d.press(d.table(), Qt::Key_I, Qt::ControlModifier);
    }
};

const QByteArray kRows =
    "part_number;quantity;discount\nA310-MX2-2A-MXFX-VS;3;\nQQQ-1;1;\n"
    "J310-MX2-2A-MXFX-VS-BK-LS;2;5\nA310-MX2-2A-MXFX-VS;0;\n";

TEST_F(QuoteImportTest, ACsvFileGivesWhatAPasteOfItGives) {
    ASSERT_TRUE(d.showActive());
    d.showQuotePage();
    d.page().addPastedText(QString::fromUtf8(kRows));
    const std::vector<std::string> pasted = lines();
    const std::string said = d.text("lblQuoteMessage");
    ASSERT_EQ(pasted.size(), 2u);
    startAgain();
    write(file("lines.csv"), kRows);
    importWithTheKeys(file("lines.csv"));
    EXPECT_EQ(lines(), pasted);
    EXPECT_EQ(d.text("lblQuoteMessage"), said);
    d.press(d.table(), Qt::Key_Z, Qt::ControlModifier);  // one step
    EXPECT_EQ(d.rows(), 0);
}

TEST_F(QuoteImportTest, TheProgramsOwnWorkbookComesBackAsItsLines) {
    ASSERT_TRUE(d.showActive());
    d.showQuotePage();
    d.page().addPastedText(QString::fromUtf8(kRows));
    ASSERT_TRUE(d.page().exportTo(file("quote.xlsx")));
    const std::vector<std::string> exported = lines();
    startAgain();
    importWithTheKeys(file("quote.xlsx"));
    // The lines as exported; the discounts they had become their own.
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"A310-MX2-2A-MXFX-VS 3 0", "J310-MX2-2A-MXFX-VS-BK-LS 2 5"}));
    EXPECT_EQ(exported.size(), 2u);
    EXPECT_EQ(d.text("lblQuoteMessage"), "Added 2 lines.");
    d.press(d.table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(d.rows(), 0);
}

TEST_F(QuoteImportTest, ADamagedOrTooLargeFileLeavesTheQuoteAsItWas) {
    ASSERT_TRUE(d.showActive());
    d.showQuotePage();
    d.page().addPastedText(QStringLiteral("A310-MX2-2A-MXFX-VS\n"));
    d.page().exportTo(file("good.xlsx"));
    QFile good(file("good.xlsx"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    write(file("cut.xlsx"), good.readAll().left(600));
    write(file("huge.csv"), QByteArray(qsizetype(kLargestImport) + 1, 'A'));
    const struct {
        const char* name;
        std::string warning;
    } cases[] = {
        {"cut.xlsx",
         "The file \"cut.xlsx\" was not imported: it is damaged: its zip archive cannot be read."},
        {"huge.csv", "The file \"huge.csv\" was not imported: it is larger than 64 MiB."},
    };
    for (const auto& c : cases) {
        user.warnings.clear();
        importWithTheKeys(file(c.name));
        ASSERT_EQ(user.warnings.size(), 1) << c.name;
        EXPECT_EQ(user.warnings[0].toStdString(), c.warning);
        EXPECT_EQ(lines(), std::vector<std::string>{"A310-MX2-2A-MXFX-VS 1 (0)"}) << c.name;
    }
}

// An empty quote number is not taken, and the message says so; the next entry taken clears it.
TEST_F(QuoteImportTest, TheHeaderSaysWhatItDidNotTakeUntilAnEntryIsTaken) {
    ASSERT_TRUE(d.showActive());
    d.showQuotePage();
    const std::string number = d.text("txtQuoteNumber");
    auto* box = d.get<QLineEdit>("txtQuoteNumber");
    d.setText("txtQuoteNumber", QStringLiteral("  "));
    emit box->editingFinished();
    EXPECT_EQ(d.text("txtQuoteNumber"), number);
    EXPECT_EQ(d.text("lblQuoteMessage"), kQuoteNumberRequired);
    d.setText("txtQuoteCustomer", QStringLiteral("Nordgas Ltd."));
    emit d.get<QLineEdit>("txtQuoteCustomer")->editingFinished();
    EXPECT_EQ(d.page().quotation().header.customer, "Nordgas Ltd.");
    EXPECT_EQ(d.text("lblQuoteMessage"), "");
}

}  // namespace
