// The quote's exports read back as a buyer's programs read them: the workbook through
// openpyxl (numbers as numbers, the totals as formulas that compute the quote's cents, any
// header text the program takes as it was), the PDF through pdftotext (a quote of 200 lines
// over several pages, each with the table's heading and its page number), and the print
// preview of the same pages.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <set>

#include "app/quote/quotation_table_model.h"
#include "app/quote/quotation_workbook.h"
#include "tests/support/brief_preview.h"
#include "tests/support/quotation_examples.h"
#include "tests/support/random_quotations.h"
#include "tests/window/quote_page_driver.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;

// Debian's python3, where python3-openpyxl is installed, before any other on the path.
QString python() {
    const QString system =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return system.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("python3")) : system;
}

QString run(const QString& program, const QStringList& arguments) {
    EXPECT_FALSE(program.isEmpty());
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60'000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every cell of every sheet: "sheet!A1 type value", one per line, as openpyxl reads them.
const char* const kReadWorkbook = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None:
                print("%s!%s %s %s" % (sheet.title, cell.coordinate, type(cell.value).__name__, cell.value))
)";

// Per workbook: the sheet "Quote" by caption, [type, value] of column B, with each total as
// [formula, cached cents, cents the formula computes over the lines' cells]; the lines; and
// every text as Excel reads it, which unlike openpyxl decodes "_x0041_".
const char* const kReadWorkbooks = R"python(
import sys, json, re, zipfile, openpyxl
from decimal import Decimal
from xml.etree import ElementTree

def cents(value):
    return int((Decimal(str(value)) * 100).to_integral_value())

# The workbook keeps its texts in their cells (written row by row, in constant memory), where
# openpyxl leaves Excel's escape "_x005F_" (of "_") undone: undone here, as Excel does.
def excel_text(value):
    if not isinstance(value, str):
        return value
    return re.sub("_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), value)

def read(path):
    book = openpyxl.load_workbook(path)
    cached = openpyxl.load_workbook(path, data_only=True)
    def cells(reference):
        sheet, area = reference.split("!")
        return [Decimal(str(cell.value)) for row in book[sheet][area] for cell in row]
    def computed(formula):
        if formula == "=0":
            return 0
        name, arguments = re.fullmatch(r"=(SUM|SUMPRODUCT)\((.*)\)", formula).groups()
        ranges = [cells(argument) for argument in arguments.split(",")]
        return cents(sum(ranges[0]) if name == "SUM" else sum(a * b for a, b in zip(*ranges)))
    quote = {}
    for row in book["Quote"].iter_rows():
        caption, value = row[0].value, row[1].value
        if caption in ("Subtotal (list)", "Total (net)"):
            quote[caption] = [value, cents(cached["Quote"][row[1].coordinate].value), computed(value)]
        elif caption is not None:
            quote[caption] = [type(value).__name__, excel_text(value)]
    lines = [[excel_text(cell.value) for cell in row] for row in book["Lines"].iter_rows(min_row=2)]
    # The texts as Excel reads them, "_x0041_" as "A".
    main = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"
    archive = zipfile.ZipFile(path)
    items = [item for name in archive.namelist() if name.startswith("xl/worksheets/")
             for item in ElementTree.fromstring(archive.read(name)).iter(main + "is")]
    excel = [excel_text("".join(t.text or "" for t in item.iter(main + "t"))) for item in items]
    return {"quote": quote, "lines": lines, "excel": excel}

print(json.dumps([read(path) for path in sys.argv[1:]]))
)python";

QJsonArray readWorkbooks(const QStringList& paths);

class QuoteExport : public QuotePageTestBase {
  protected:
    QString pdfText(const QString& pdf) {
        return run(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }
};

TEST_F(QuoteExport, TheWorkbookHoldsNumbersAsNumbersAndTheTotalsAsFormulas) {
    d.page().addPastedText(
        QStringLiteral("A310-MX2-2A-MXFX-VS\t3\nJ310-MX2-2A-MXFX-VS-BK-LS\t2\t5\n1-4-VC-1\t100\n"));
    d.setText("txtQuoteDiscount", QStringLiteral("10"));
    d.setText("txtQuoteCustomer", QStringLiteral("Nordgas Ltd."));
    emit d.get<QLineEdit>("txtQuoteCustomer")->editingFinished();
    // Longer than a cell holds: cut, not left out.
    d.get<QPlainTextEdit>("txtQuoteNotes")->setPlainText(QString(40'000, QChar(0x00E9)));
    ASSERT_TRUE(d.page().exportTo(file("quote.xlsx")));
    const QStringList cells =
        run(python(), {QStringLiteral("-c"), QString::fromLatin1(kReadWorkbook), file("quote.xlsx")})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList expected = {
        "Lines!A1 str line",
        "Lines!B1 str part_number",
        "Lines!C1 str description",
        "Lines!D1 str quantity",
        "Lines!E1 str list_price",
        "Lines!F1 str discount_percent",
        "Lines!G1 str unit_net_price",
        "Lines!H1 str extended_net_price",
        // By the catalogue's rule, in cents: 350 × 90 + 0.1 gives 315.00; 367.50 × 95 + 0.1 gives
        // 349.12 (349.1260 cut); 4.51 × 90 + 0.1 gives 406.0, so 4.06.
        "Lines!A2 int 1",
        "Lines!B2 str A310-MX2-2A-MXFX-VS",
        "Lines!D2 int 3",
        "Lines!E2 int 350",
        "Lines!F2 int 10",
        "Lines!G2 int 315",
        "Lines!H2 int 945",
        "Lines!A3 int 2",
        "Lines!B3 str J310-MX2-2A-MXFX-VS-BK-LS",
        "Lines!D3 int 2",
        "Lines!E3 float 367.5",
        "Lines!F3 int 5",
        "Lines!G3 float 349.12",
        "Lines!H3 float 698.24",
        "Lines!A4 int 3",
        "Lines!B4 str 1-4-VC-1",
        "Lines!D4 int 100",
        "Lines!E4 float 4.51",
        "Lines!F4 int 10",
        "Lines!G4 float 4.06",
        "Lines!H4 int 406",
        "Quote!B2 str Nordgas Ltd.",
        "Quote!B8 int 10",  // a number, as on the lines
        "Quote!B11 str =SUMPRODUCT(Lines!D2:D4,Lines!E2:E4)",
        "Quote!B12 str =SUM(Lines!H2:H4)",
        "Quote!B9 str " + QString(32'766, QChar(0x00E9)) + QChar(0x2026),
    };
    for (const QString& cell : expected) EXPECT_TRUE(cells.contains(cell)) << cell.toStdString();
    EXPECT_TRUE(cells.contains(
        QStringLiteral("Lines!C2 str Diaphragm Valves; MX2 - Standard Series; A310 --- Air-Op "
                       "N.C., Low Pressure; 2A; 1: M - Male Face Seal, 1/4 inch; 3: F - Female "
                       "Face Seal, 1/4 inch; VS - Vespel Seat")));
    EXPECT_FALSE(
        cells.contains(QRegularExpression(QStringLiteral("^Lines!.5 "))));  // one row per line, no more
}

TEST_F(QuoteExport, TheWorkbooksTotalsComputeTheQuotesCents) {
    d.page().addPastedText(
        QStringLiteral("A310-MX2-2A-MXFX-VS\t3\nJ310-MX2-2A-MXFX-VS-BK-LS\t2\t5\n1-4-VC-1\t100\n"));
    d.setText("txtQuoteDiscount", QStringLiteral("12.5"));
    emit d.get<QLineEdit>("txtQuoteDiscount")->editingFinished();
    ASSERT_TRUE(d.page().exportTo(file("quote.xlsx")));
    const QJsonObject quote = readWorkbooks({file("quote.xlsx")})[0].toObject()["quote"].toObject();
    EXPECT_EQ(quote["Discount %"].toArray(), (QJsonArray{"float", 12.5}));
    // 3 × 350.00 + 2 × 367.50 + 100 × 4.51 = 2236.00 listed; by the catalogue's rule, net of
    // one piece cut down to whole cents, 306.25, 349.12 (349.125) and 3.94 (3.94625):
    // 3 × 306.25 + 2 × 349.12 + 100 × 3.94 = 2010.99 net.
    EXPECT_EQ(quote["Subtotal (list)"].toArray(),
              (QJsonArray{"=SUMPRODUCT(Lines!D2:D4,Lines!E2:E4)", 223600, 223600}));
    EXPECT_EQ(quote["Total (net)"].toArray(), (QJsonArray{"=SUM(Lines!H2:H4)", 201099, 201099}));
}

// Any quotation whose header the program takes reads back from its workbook as it was: its
// texts (control characters aside, which it refuses), its discount and lines, and totals
// that compute the quote's cents.
TEST_F(QuoteExport, EveryQuotationTheProgramTakesReadsBackFromItsWorkbook) {
    RandomQuotations random(20130205);
    std::vector<Quotation> quotations;
    QStringList paths;
    while (quotations.size() < 30) {
        Quotation q = random.quotation();
        if (!headerIsTaken(q.header)) continue;
        paths << file(std::to_string(quotations.size()).append(".xlsx").c_str());
        ASSERT_EQ(writeQuotationWorkbook(paths.back(), q), QString());
        quotations.push_back(std::move(q));
    }
    const QJsonArray books = readWorkbooks(paths);
    ASSERT_EQ(books.size(), qsizetype(quotations.size()));
    const auto text = [](const QJsonValue& value) {
        return value.isNull() ? std::string() : value.toString().toStdString();
    };
    const auto cents = [](const QJsonValue& value) {
        return std::int64_t(std::llround(value.toDouble() * 100));
    };
    for (std::size_t i = 0; i < quotations.size(); ++i) {
        const Quotation& q = quotations[i];
        const QJsonObject quote = books[qsizetype(i)].toObject()["quote"].toObject();
        const auto field = [&](const char* caption) {
            return text(quote[QLatin1String(caption)].toArray()[1]);
        };
        EXPECT_EQ(field("Quote number"), q.header.number) << i;
        EXPECT_EQ(field("Customer"), q.header.customer) << i;
        EXPECT_EQ(field("Contact"), q.header.contact) << i;
        EXPECT_EQ(field("Reference"), q.header.reference) << i;
        EXPECT_EQ(field("Date"), q.header.date) << i;
        EXPECT_EQ(field("Valid until"), validUntil(q.header.date, q.header.validityDays)) << i;
        EXPECT_EQ(field("Price list"), q.header.priceList) << i;
        EXPECT_EQ(field("Notes"), q.header.notes) << i;
        std::set<std::string> excel;  // compared as UTF-8: QString::fromUtf8 drops a leading U+FEFF
        for (const QJsonValue& text : books[qsizetype(i)].toObject()["excel"].toArray())
            excel.insert(text.toString().toStdString());
        for (const std::string* text : {&q.header.number, &q.header.customer, &q.header.contact,
                                        &q.header.reference, &q.header.priceList, &q.header.notes})
            if (!text->empty()) {
                EXPECT_TRUE(excel.contains(*text)) << i << ' ' << *text;
            }
        const QJsonValue discount = quote["Discount %"].toArray()[1];
        EXPECT_EQ(discount.isNull() ? std::nullopt : std::optional<Percent>(Percent{int(cents(discount))}),
                  q.header.discount)
            << i;
        const QuotationTotals totals = totalsOf(q);
        for (const auto& [caption, amount] :
             {std::pair{"Subtotal (list)", totals.subtotal}, std::pair{"Total (net)", totals.total}}) {
            const QJsonArray total = quote[QLatin1String(caption)].toArray();
            EXPECT_EQ(total[1].toInteger(), amount.cents) << i << caption;  // cached
            EXPECT_EQ(total[2].toInteger(), amount.cents) << i << caption;  // computed
        }
        const QJsonArray lines = books[qsizetype(i)].toObject()["lines"].toArray();
        ASSERT_EQ(lines.size(), qsizetype(q.lines.size())) << i;
        for (std::size_t row = 0; row < q.lines.size(); ++row) {
            const QuotationLine& line = q.lines[row];
            const LinePrice price = linePrice(line, q.header.discount);
            const QJsonArray cells = lines[qsizetype(row)].toArray();
            EXPECT_EQ(text(cells[1]), line.partNumber) << i << ' ' << row;
            EXPECT_EQ(text(cells[2]), line.description) << i << ' ' << row;
            EXPECT_EQ(cells[3].toInt(), line.quantity) << i << ' ' << row;
            EXPECT_EQ(cents(cells[4]), line.listPrice.cents) << i << ' ' << row;
            EXPECT_EQ(cents(cells[5]), price.discount.hundredths) << i << ' ' << row;
            EXPECT_EQ(cents(cells[6]), price.unitNet.cents) << i << ' ' << row;
            EXPECT_EQ(cents(cells[7]), price.extended.cents) << i << ' ' << row;
        }
    }
}

TEST_F(QuoteExport, AQuoteOf200LinesPrintsOnSeveralPagesWithHeadingAndPageNumbers) {
    d.page().addPastedText(QString::fromStdString(pastedRows(200)));
    ASSERT_EQ(d.rows(), 200);
    ASSERT_TRUE(d.page().exportTo(file("long.pdf")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d.page().exporting(); }, 60'000));
    const QString text = pdfText(file("long.pdf"));
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Page 1 of (\\d+)")).match(text);
    ASSERT_TRUE(pages.hasMatch()) << text.left(2000).toStdString();
    const int count = pages.captured(1).toInt();
    EXPECT_GE(count, 4);
    for (int page = 1; page <= count; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(count))) << page;
    EXPECT_EQ(text.count(QStringLiteral("Part number / description")), count);  // the heading on every page
    EXPECT_EQ(text.count(QStringLiteral("Quotation ") + QString::fromStdString(d.text("txtQuoteNumber"))),
              count + 1);
    // Every line, the last one's number too; the total the catalogue's prices give: the five
    // example parts in turn, quantities 1 to 50 over and over.
    std::int64_t total = 0;
    for (std::size_t i = 0; i < 200; ++i)
        total += kExampleParts[i % kExampleParts.size()].listPrice.cents * std::int64_t(i % 50 + 1);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\n\\s*200\\s+-MX2\\s+50\\s+140.00"))));
    EXPECT_TRUE(text.contains(QStringLiteral("Total (net)")));
    const QString totalText = QString::number(total / 100) + QLatin1Char('.') +
                              QStringLiteral("%1").arg(total % 100, 2, 10, QLatin1Char('0'));
    EXPECT_TRUE(text.contains(QRegularExpression(
        QStringLiteral("US\\$ ") +
        QString(totalText)
            .replace(QRegularExpression(QStringLiteral("(\\d)(?=(\\d{3})+\\.)")), QStringLiteral("\\1,"))
            .replace(QLatin1Char('.'), QStringLiteral("\\.")))))
        << totalText.toStdString();
    // The product pictures go in once each, however many lines show them.
    const QStringList images = run(QStandardPaths::findExecutable(QStringLiteral("pdfimages")),
                                   {QStringLiteral("-list"), file("long.pdf")})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_GE(images.size() - 2, 5);
}

TEST_F(QuoteExport, PrintShowsThePagesInAPreview) {
    d.page().addPastedText(QString::fromStdString(pastedRows(60)));
    BriefPreview preview;
    ASSERT_TRUE(d.showActive());
    d.showQuotePage();  // its own window, over the catalogue's, where its shortcuts work
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get("quotePage")));
    d.press(d.table(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(preview.opened, 1);
    EXPECT_GE(preview.pages, 2);
}

TEST_F(QuoteExport, CsvHasTheColumnsOfTheCommandLine) {
    d.page().addPastedText(QStringLiteral("J310-MX2-2A-MXFX-VS-BK-LS\t2\t10\n"));
    ASSERT_TRUE(d.page().exportTo(file("quote.csv")));
    QFile csv(file("quote.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(),
              "line,part_number,description,quantity,list_price,discount_percent,unit_net_price,extended_net_"
              "price\r\n"
              "1,J310-MX2-2A-MXFX-VS-BK-LS,\"Diaphragm Valves; MX2 - Standard Series; J310 --- Manual, Tee "
              "Knob, LOTO; "
              "2A; 1: M - Male Face Seal, 1/4 inch; 3: F - Female Face Seal, 1/4 inch; VS - Vespel Seat; BK "
              "- Black; "
              "LS - Lever Handle\",2,367.50,10,330.75,661.50\r\n");
}

QJsonArray readWorkbooks(const QStringList& paths) {
    const QString output =
        run(python(), QStringList{QStringLiteral("-c"), QString::fromLatin1(kReadWorkbooks)} + paths);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(output.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << output.left(2000).toStdString();
    return document.array();
}

}  // namespace
