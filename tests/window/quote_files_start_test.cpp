// Where the quote's files are found: the file dialogs start in the user's documents and then
// in the folder last used, never in the program's folder; a quote named on the command line
// (or handed over by a file manager) opens in the quote's window as Open opens it.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/cli/command_line.h"
#include "app/window_start.h"
#include "rules/quotes/quotation_document.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/quotes/quotation_messages.h"
#include "tests/support/quote_configurations.h"
#include "tests/window/quote_page_driver.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;

class QuoteFilesStart : public QuotePageTestBase {
  protected:
    QAction* action(const char* name) {
        d.page().page();  // built when first needed
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* found = window->findChild<QAction*>(QLatin1String(name))) return found;
        ADD_FAILURE() << "no action " << name;
        return nullptr;
    }
    void writeFile(const QString& path, const std::string& bytes) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.data(), qint64(bytes.size()));
    }
    CommandLine parsed(std::vector<const char*> arguments) {
        arguments.insert(arguments.begin(), "tarvek-catalog");
        return parseCommandLine(int(arguments.size()), arguments.data());
    }
};

TEST_F(QuoteFilesStart, DialogsStartInTheDocumentsThenInTheFolderLastUsed) {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath();
    writeFile(file("lines.csv"), "A310-MX2-2A-MXFX-VS\n");

    action("actOpenQuote")->trigger();  // cancelled
    user.fileNames.push_back(file("lines.csv"));
    action("actImportLines")->trigger();
    action("actOpenQuote")->trigger();
    action("actExportCsv")->trigger();
    ASSERT_EQ(user.suggested.size(), 4);
    EXPECT_EQ(user.suggested[0], documents);
    EXPECT_EQ(user.suggested[1], documents);
    EXPECT_EQ(user.suggested[2], folder.path());
    EXPECT_EQ(QFileInfo(user.suggested[3]).path(), folder.path());
    EXPECT_EQ(d.page().quotation().lines.size(), 1u);
}

TEST_F(QuoteFilesStart, AQuoteNamedOnTheCommandLineOpensInTheQuoteWindow) {
    Quotation q;
    q.header.number = "TQ-20130205-143005";
    q.header.date = "2013-02-05";
    q.header.priceList = "2013 Tarvek Products Catalog (130205)";
    for (const char* number : {"A310-MX2-2A-MXFX-VS", "J310-MX2-2A-MXFX-VS-BK-LS"})
        q.lines.push_back(*lineForPartNumber(number));
    writeFile(file("Q 7.tquote"), quotationDocument(q));

    // Named relative to the folder the command started in.
    const QString started = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const CommandLine command = parsed({"Q 7.tquote"});
    startWindow(d.window, command);
    QDir::setCurrent(started);
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.window.isVisible());
    EXPECT_EQ(d.page().filePath(), file("Q 7.tquote"));
    EXPECT_EQ(d.page().quotation().lines.size(), 2u);
    EXPECT_TRUE(d.page().page()->isVisible());
    EXPECT_TRUE(user.warnings.isEmpty()) << user.warnings.join('\n').toStdString();
}

TEST_F(QuoteFilesStart, AQuoteThatCannotBeReadIsToldAsOpenTellsItAndTheWindowStays) {
    writeFile(file("damaged.tquote"), "TARVEK-QUOTE\t1\nnumber\tTQ-1\n");
    for (const char* name : {"missing.tquote", "damaged.tquote"}) {
        const std::string path = file(name).toStdString();
        startWindow(d.window, parsed({path.c_str()}));
        QCoreApplication::processEvents();
        ASSERT_EQ(user.warnings.size(), 1) << name;
        EXPECT_TRUE(user.warnings.front().startsWith("The quote \"" + file(name) + "\" cannot be opened: "))
            << user.warnings.front().toStdString();
        user.warnings.clear();
        EXPECT_TRUE(d.window.isVisible()) << name;
        EXPECT_TRUE(d.page().filePath().isEmpty()) << name;
    }
}

}  // namespace

// Import CSV and a paste add no more lines than a quote holds, and say which were not added;
// a quote that has lines has room for fewer. A full quote takes no added or duplicated line
// either, so that it always reads back from its document.
TEST_F(QuoteFilesStart, ImportedRowsPastTheLinesAQuoteHoldsAreNamed) {
    QString rows;
    for (int i = 0; i < 100'000; ++i) rows += QStringLiteral("A310-MX2-2A-MXFX-VS\n");
    d.page().addPastedText(QStringLiteral("-MX2\n-MX2\n"));
    d.page().addPastedText(rows);
    EXPECT_EQ(d.page().quotation().lines.size(), 100'000u);
    EXPECT_TRUE(d.page().message().contains(QStringLiteral(
        "lines 99,999\u2013100,000: 2 rows past the 100,000 lines a quote holds (it had room for "
        "99,998 more)")))
        << d.page().message().toStdString();

    takeSteps(d, kTypicalValveSteps);
    action("actAddToQuote")->trigger();
    EXPECT_EQ(d.page().message().toStdString(), kQuoteIsFull);
    d.page().addPastedText(QStringLiteral("-MX2\n"));
    action("actDuplicateLine")->trigger();
    EXPECT_EQ(d.page().message().toStdString(), kQuoteIsFull);
    EXPECT_EQ(d.page().quotation().lines.size(), 100'000u);
}
