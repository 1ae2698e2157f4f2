// The printed quote: printed to a PDF file through QPrinter (as "Print to File" does), its
// text read back with pdftotext and its images listed with pdfimages. A porting drawing
// goes onto the page as vectors: its own words are text of the page, and the page holds no
// image but the brand. Missing and damaged pictures print a page without them.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/quote/quote_sheet.h"
#include "app/window_pictures.h"
#include "tests/support/brief_preview.h"
#include "tests/support/data_folder_scope.h"
#include "tests/support/quote_configurations.h"
#include "tests/window/window_driver.h"

namespace {

using namespace tarvek::testing;

struct PrintedPage {
    QString text;        // every run of blanks and line ends as one blank
    QStringList images;  // pdfimages' rows: "width height"
};

QString run(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    EXPECT_FALSE(path.isEmpty()) << program.toStdString() << " is missing (poppler-utils)";
    QProcess process;
    process.start(path, arguments);
    EXPECT_TRUE(process.waitForFinished(30'000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString simplified(const QString& text) {
    return QString(text).replace(QRegularExpression("\\s+"), " ").trimmed();
}

PrintedPage printToPdf(frmTarvekProducts& window, const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    tarvek::printQuoteSheet(printer, tarvek::quoteSheet(window.configurator().state(), QDate(2013, 2, 5)));
    PrintedPage page;
    page.text = simplified(run("pdftotext", {"-layout", pdf, "-"}));  // rows kept together
    // "page num type width height ...": two header lines, then a row per image.
    for (const QString& row : run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).mid(2)) {
        const QStringList columns = row.simplified().split(' ');
        if (columns.size() > 4) page.images << columns[3] + ' ' + columns[4];
    }
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
    return page;
}

QString brandSize() {
    const QImage brand = tarvek::brandPicture();
    return QString::number(brand.width()) + ' ' + QString::number(brand.height());
}

class QuotePrint : public ::testing::Test {
  protected:
    QTemporaryDir out;
    void SetUp() override { ASSERT_TRUE(out.isValid()); }
    QString pdf(const char* name) { return out.filePath(QString::fromLatin1(name) + ".pdf"); }
};

TEST_F(QuotePrint, ThePageHoldsThePartNumberDescriptionAndPrices) {
    struct Case {
        const char* name;
        std::vector<UserStep> steps;
        const char* discount;
        bool hidePrices;
        std::vector<const char*> shown;
        std::vector<const char*> absent;
        int pictureImages;  // images besides the brand
    };
    // pdftotext keeps a caption and its text in reading order, but a row may take in words of
    // the picture beside it: captions and texts are looked for on their own.
    const Case cases[] = {
        {"worked-example",
         kPortingDrawingSteps,
         "10",
         false,
         {"2013 Tarvek Products Catalog (130205)", "Date: February 5, 2013", "Part Number",
          "A310-MX2-2A-MXFX-VS", "Model / Series", "A310 --- Air-Op N.C., Low Pressure", "Connection 3",
          "F - Female Face Seal, 1/4 inch", "Seat / Seal", "VS - Vespel Seat", "List Price US$ 350",
          "Discount % 10", "Net Price US$ 315", "Customer Reference:", "Top view", "Ports 1, 3"},
         {"NON-STANDARD"},
         0},
        {"lever-handle",
         kTypicalValveSteps,
         "10",
         false,
         {"J310-MX2-2A-MXFX-VS-BK-LS", "Handle Color BK - Black", "Lever Handle LS - Lever Handle",
          "List Price US$ 367.5", "Net Price US$ 330.75"},
         {"Top view"},
         1},
        {"regulator",
         kRegulatorSteps,
         "10",
         false,
         {"T410-GN2-2A-MXFX-VS", "Pressure Regulators", "T410 - 20 to 100 Psig Outlet", "List Price US$ 640"},
         {},
         0},
        {"fitting",
         kFittingSteps,
         "10",
         false,
         {"1-4-VC-1", "Body Type Compart Nuts", "Model / Series 1/4 inch Female", "List Price US$ 4.51"},
         {"Porting Style"},
         1},
        {"non-standard",
         kNonStandardSteps,
         "10",
         false,
         {"A310-MX2-2A-VXTX", "NON-STANDARD - Consult supplier for availability",
          "Connection 1: \"V - Fixed Male Face Seal, 1/4 inch\" is standard only with the same in connection "
          "3"},
         {},
         0},
        {"prices-hidden",
         kTypicalValveSteps,
         "10",
         true,
         {"J310-MX2-2A-MXFX-VS-BK-LS", "Lever Handle"},
         {"US$", "Discount"},
         1},
        {"model-heading",
         kModelHeadingSteps,
         "10",
         false,
         {"-MX2", "Body Type", "List Price US$ 140"},
         {"Model"},
         0},
        {"discount-out-of-range",
         kFittingSteps,
         "1e400",
         false,
         {"1-4-VC-1", "List Price US$ 4.51"},
         {"Net Price", "Discount", "inf", "nan"},
         1},
    };
    for (const Case& c : cases) {
        WindowDriver d;
        takeSteps(d, c.steps);
        d.setText("txtDiscount", QString::fromLatin1(c.discount));
        if (c.hidePrices) QTest::mouseDClick(d.get("Image2"), Qt::LeftButton);
        const PrintedPage page = printToPdf(d.window, pdf(c.name));
        for (const char* text : c.shown)
            EXPECT_TRUE(page.text.contains(QString::fromUtf8(text)))
                << c.name << ": " << text << "\nin " << page.text.toStdString();
        for (const char* text : c.absent)
            EXPECT_FALSE(page.text.contains(QString::fromUtf8(text))) << c.name << ": " << text;
        ASSERT_EQ(page.images.size(), 1 + c.pictureImages)
            << c.name << ": " << page.images.join(", ").toStdString();
        EXPECT_EQ(page.images.front(), brandSize()) << c.name;
    }
}

// From a folder where the drawing is missing, then damaged: the page prints without it.
TEST_F(QuotePrint, AMissingOrDamagedDrawingLeavesItsPlaceEmpty) {
    QFile drawing(QDir::current().filePath("2A.wmf"));
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QByteArray bytes = drawing.readAll();
    QTemporaryDir folder;
    const struct InFolder {  // the drawing by bare name, in the data folder
        QString previous = QDir::currentPath();
        tarvek::testing::DataFolderScope data;
        explicit InFolder(const QString& path) : data(path) { QDir::setCurrent(path); }
        ~InFolder() { QDir::setCurrent(previous); }
    } inFolder(folder.path());
    for (const QByteArray& content : {QByteArray(), bytes.left(40), bytes.left(bytes.size() / 2),
                                      QByteArray(bytes).replace(30, 400, QByteArray(400, '\xff'))}) {
        QFile::remove("2A.wmf");
        if (!content.isEmpty()) {
            QFile damaged("2A.wmf");
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write(content);
        }
        WindowDriver d;
        takeSteps(d, kPortingDrawingSteps);
        const PrintedPage page = printToPdf(d.window, pdf("damaged"));
        EXPECT_TRUE(page.text.contains("A310-MX2-2A-MXFX-VS")) << content.size();
        EXPECT_TRUE(page.text.contains("Net Price US$ 350")) << content.size();
        EXPECT_EQ(page.images.size(), 1) << content.size();
    }
}

// Ctrl+P opens the preview once there is a part number; the preview asks for exactly one page.
TEST_F(QuotePrint, CtrlPPreviewsOnePage) {
    BriefPreview preview;
    WindowDriver d;
    ASSERT_TRUE(d.showActive());
    const auto ctrlP = [&] { QTest::keyClick(d.list("lstProductType"), Qt::Key_P, Qt::ControlModifier); };
    ctrlP();
    EXPECT_EQ(preview.opened, 0);  // nothing to print yet
    takeSteps(d, kNonStandardSteps);
    ctrlP();
    EXPECT_EQ(preview.opened, 1);
    EXPECT_EQ(preview.pages, 1);
}

}  // namespace
