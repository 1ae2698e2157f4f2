// Takes one screenshot per page of the window after a typical configuration, and one of the
// quote's print preview, for the README; with "dark", the configurator on a dark desktop, its
// non-standard banner over the note; with "scaled", the technical page alone, sizing by the
// standard; with "iec", the technical page alone, the catalogue's case of Cv 0.23 sized by both
// methods side by side; with "search", the search by requirement with the catalogue's example
// requirement; with "quote" (or "quote-200" at twice the scale), the quote page of a small
// quotation and its printed page; with any other variant, the configurator alone as the screen
// and scale it runs on show it.
// Run from the runtime folder (pictures are read from the working directory).
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include "app/main_window.h"
#include "app/quote/print_preview.h"
#include "app/quote/quote_dialogs.h"
#include "app/quote/quote_page.h"
#include "app/search/search_opener.h"
#include "app/search/search_window.h"
#include "assets/dark_palette.h"
#include "platform/data_folder.h"
#include "platform/gas_data_source.h"

namespace {

void choose(QWidget& window, const char* list, const QString& entry,
            Qt::MatchFlags match = Qt::MatchExactly) {
    auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(list));
    const int index = combo ? combo->findText(entry, match | Qt::MatchCaseSensitive) : -1;
    if (index < 0) return;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The quote's print preview, as Print quote opens it, showing the whole page.
void previewQuote(QWidget& window, const QString& file, const char* action = "actPrintQuote") {
    const auto previous = tarvek::replacePrintPreviewFunction(
        [&](QWidget* parent, QPrinter& printer, const tarvek::PagePainter& paint) {
            QPrintPreviewDialog dialog(&printer, parent);
            QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
            dialog.resize(800, 760);
            dialog.show();
            if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) preview->fitInView();
            QEventLoop settle;
            QTimer::singleShot(300, &settle, &QEventLoop::quit);
            settle.exec();
            dialog.grab().save(file);
        });
    if (auto* print = window.findChild<QAction*>(QString::fromLatin1(action))) print->trigger();
    tarvek::replacePrintPreviewFunction(previous);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QString variant = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("valve");
    const bool everyPage = variant == "valve" || variant == "porting";
    const bool quotePage = variant.startsWith(QStringLiteral("quote"));
    if (variant == "dark") QApplication::setPalette(tarvek::darkDesktopPalette());

    // Run from the runtime folder, where the gas reader lies beside the program and the data
    // lie with it.
    tarvek::setGasReaderProgram(QDir::current().filePath(QStringLiteral("tarvek-gas-reader")));
    tarvek::setDataFolder(QDir::currentPath());
    frmTarvekProducts window;
    window.show();
    choose(window, "lstProductType", "Diaphragm Valves");
    choose(window, "lstBody", "MX2 - Standard Series");
    choose(window, "lstModel", "A310 --- Air-Op N.C., Low Pressure");
    if (variant != "valve") {
        choose(window, "lstPorting", "2A");
        const bool nonStandard = variant == "dark";  // a fixed male face seal without its partner
        choose(window, "lstConn1",
               nonStandard ? "V - Fixed Male Face Seal, 1/4 inch" : "M - Male Face Seal, 1/4 inch");
        choose(window, "lstConn3", "F - Female Face Seal, 1/4 inch");
    }
    if (auto* vespel = window.findChild<QRadioButton*>("optVSKZ")) vespel->click();
    if (variant == "find") {  // a number looked up, then one that is not the catalogue's
        window.findPartNumber(QStringLiteral("J310-MX2-2A-MXFX-VS-BK-LS"));
        window.findPartNumber(QStringLiteral("J310-MX2-2A-MXFX-VZ"));
    }
    if (auto* discount = window.findChild<QLineEdit*>("txtDiscount")) discount->setText("10");
    choose(window, "lstGasName", "Nitrogen");  // and a flow through a valve of Cv 1.0
    for (const auto& [box, text] :
         {std::pair{"txtInletPressure", "100"}, std::pair{"txtOutletPressure", "60"}})
        if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box)))
            edit->setText(QString::fromLatin1(text));

    // The nitrogen case through an MX2's Cv of 0.23, by the standard beside the catalogue.
    const bool sizing = variant == QStringLiteral("iec") || variant == QStringLiteral("scaled");
    if (sizing) {
        for (const auto& [box, text] : {std::pair{"txtOutletPressure", "80"}, std::pair{"txtCv", "0.23"}})
            if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box)))
                edit->setText(QString::fromLatin1(text));
        if (auto* iec = window.findChild<QRadioButton*>("optMethodIec")) iec->click();
    }

    auto* tabs = window.findChild<QTabWidget*>("SSTab1");
    if (variant == "search") {
        // "A normally closed air-operated valve with 1/4 inch male face seals on every end,
        // standard, under $400", one group opened.
        window.search().open();
        tarvek::SearchWindow& search = window.search().window();
        choose(search, "lstSearchActuator", QStringLiteral("Air-operated, normally closed"),
               Qt::MatchStartsWith);
        choose(search, "lstSearchConnectionKind", QStringLiteral("Male Face Seal"), Qt::MatchStartsWith);
        choose(search, "lstSearchConnectionSize", QStringLiteral("1/4 inch"), Qt::MatchStartsWith);
        choose(search, "lstSearchConnectionPlace", QStringLiteral("on every port"));
        if (auto* to = search.findChild<QLineEdit*>("txtSearchPriceTo")) to->setText(QStringLiteral("400"));
        if (auto* standard = search.findChild<QCheckBox*>("chkSearchStandardOnly"))
            standard->setChecked(true);
        if (auto* results = search.findChild<QTreeView*>("searchResults")) {
            const QModelIndex group = results->model()->index(1, 0);
            results->expand(group);
            app.processEvents();  // the group's configurations are fetched as it opens
            results->setCurrentIndex(results->model()->index(0, 0, group));
            results->setFocus();
        }
        search.resize(900, 660);
        QTimer::singleShot(300, [&] {
            search.grab().save(outDir + QStringLiteral("/screenshot-search.png"));
            app.quit();
        });
        return app.exec();
    }
    QTimer::singleShot(300, [&] {
        const char* pages[] = {"configurator", "literature", "technical"};
        // Run at 200 % ("scaled"), or sizing by the standard, only the technical page.
        const bool scaled = variant == QStringLiteral("scaled");
        for (int page = sizing ? 2 : 0; !quotePage && page < (everyPage || sizing ? 3 : 1); ++page) {
            tabs->setCurrentIndex(page);
            app.processEvents();
            const QString suffix = page == 0 ? "-" + variant
                                   : scaled  ? QStringLiteral("-200")
                                   : sizing  ? QStringLiteral("-iec")
                                             : QString();
            window.grab().save(outDir + QStringLiteral("/screenshot-%1%2.png").arg(pages[page], suffix));
        }
        if (variant.startsWith(QStringLiteral("quote"))) {
            // A quotation as a sales engineer builds it: the valve on the page, a pasted list.
            tarvek::QuotePage& quote = window.quotePage();
            quote.addCurrentConfiguration();
            quote.addPastedText(
                QStringLiteral("J310-MX2-2A-MXFX-VS-BK-LS\t4\t12.5\nT410-GN2-2A-MXFX-VS\t2\n"
                               "1-4-VC-1\t100\nN350-MX3-4A-MXMM\t1\nXYZ-200\t1\n"));
            for (const auto& [box, text] :
                 {std::pair{"txtQuoteCustomer", "Nordgas Ltd."}, std::pair{"txtQuoteContact", "R. Haldane"},
                  std::pair{"txtQuoteReference", "RFQ 7781"}, std::pair{"txtQuoteDiscount", "10"}})
                if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box))) {
                    edit->setText(QString::fromLatin1(text));
                    emit edit->editingFinished();
                }
            quote.showPage();
            app.processEvents();
            quote.page()->grab().save(outDir + QStringLiteral("/screenshot-%1-page.png").arg(variant));
            if (variant == QStringLiteral("quote"))
                previewQuote(window, outDir + QStringLiteral("/screenshot-quote-printed.png"),
                             "actPrintQuotation");
        }
        if (variant == "porting") {
            tabs->setCurrentIndex(0);
            previewQuote(window, outDir + QStringLiteral("/screenshot-quote-preview.png"));
        }
        app.quit();
    });
    return app.exec();
}
