// tarvek-catalog --quote on the command line, without a window or a display: each output
// format, the numbers it does not know named on standard error with the file still written,
// the exit statuses, the command lines it refuses, and a full disk, where the old file stays
// whole and the command says why it wrote nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "rules/quotes/quotation_document.h"
#include "tests/support/full_disk.h"
#include "tests/window/quote_command_run.h"

namespace {

using namespace tarvek::testing;

class QuoteCommand : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    QString lines;
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        lines = file("lines.csv");
        QFile f(lines);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "part_number,quantity,discount\r\n"
            "A310-MX2-2A-MXFX-VS,3,\r\n"
            "J310-MX2-2A-MXFX-VS-BK-LS,2,5\r\n"
            "1-4-VC-1,100,\r\n");
    }
    QString file(const char* name) { return folder.filePath(QString::fromLatin1(name)); }
};

const QByteArray kCsv =
    "line,part_number,description,quantity,list_price,discount_percent,unit_net_price,extended_net_price\r\n"
    "1,A310-MX2-2A-MXFX-VS,\"Diaphragm Valves; MX2 - Standard Series; A310 --- Air-Op N.C., Low Pressure; "
    "2A; 1: M - "
    "Male Face Seal, 1/4 inch; 3: F - Female Face Seal, 1/4 inch; VS - Vespel "
    "Seat\",3,350.00,10,315.00,945.00\r\n"
    "2,J310-MX2-2A-MXFX-VS-BK-LS,\"Diaphragm Valves; MX2 - Standard Series; J310 --- Manual, Tee Knob, LOTO; "
    "2A; 1: "
    "M - Male Face Seal, 1/4 inch; 3: F - Female Face Seal, 1/4 inch; VS - Vespel Seat; BK - Black; LS - "
    "Lever "
    "Handle\",2,367.50,5,349.12,698.24\r\n"
    "3,1-4-VC-1,Fittings; Compart Nuts; 1/4 inch Female,100,4.51,10,4.06,406.00\r\n";

TEST_F(QuoteCommand, WritesEachFormatWithoutADisplay) {
    const Ran csv =
        run({"--quote", lines, "--output", file("q.csv"), "--discount", "10", "--customer", "Nordgas"});
    EXPECT_EQ(csv.status, 0) << csv.err.toStdString();
    EXPECT_TRUE(csv.err.isEmpty()) << csv.err.toStdString();
    EXPECT_TRUE(csv.out.isEmpty());
    EXPECT_EQ(contents(file("q.csv")), kCsv);

    const Ran document = run({"--quote", lines, "--output", file("q.tquote"), "--customer=Nordgas Ltd."});
    EXPECT_EQ(document.status, 0) << document.err.toStdString();
    const QByteArray bytes = contents(file("q.tquote"));
    const tarvek::QuotationReading read = tarvek::readQuotationDocument(bytes.toStdString());
    ASSERT_TRUE(read.quotation) << read.problem;
    EXPECT_EQ(read.quotation->header.customer, "Nordgas Ltd.");
    EXPECT_EQ(read.quotation->header.priceList, "2013 Tarvek Products Catalog (130205)");
    EXPECT_FALSE(read.quotation->header.discount.has_value());
    ASSERT_EQ(read.quotation->lines.size(), 3u);
    EXPECT_EQ(read.quotation->lines[1].discount, tarvek::Percent{5'00});

    for (const char* name : {"q.xlsx", "q.pdf"}) {
        const Ran r = run({"--quote", lines, "--output", file(name)});
        EXPECT_EQ(r.status, 0) << name << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << name << r.err.toStdString();
    }
    EXPECT_TRUE(contents(file("q.xlsx")).startsWith("PK"));  // a zip, as every XLSX
    EXPECT_TRUE(contents(file("q.pdf")).startsWith("%PDF"));
}

// Names as people type them: the output's ending chooses the format in any case, and the file
// is written under the name typed, nothing added to it.
TEST_F(QuoteCommand, EndingsInAnyCaseChooseTheirFormat) {
    const struct {
        const char* name;
        const char* begins;
    } outputs[] = {{"Q.CSV", "line,part_number,"}, {"quote.XLSX", "PK"}, {"Quote.Pdf", "%PDF"}};
    for (const auto& output : outputs) {
        const Ran r = run({"--quote", lines, "--output", file(output.name), "--discount", "10"});
        EXPECT_EQ(r.status, 0) << output.name << r.err.toStdString();
        EXPECT_TRUE(contents(file(output.name)).startsWith(output.begins)) << output.name;
    }
    EXPECT_EQ(contents(file("Q.CSV")), kCsv);
    const Ran r = run({"--quote", lines, "--output", file("offer.TQuote")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const tarvek::QuotationReading read =
        tarvek::readQuotationDocument(contents(file("offer.TQuote")).toStdString());
    ASSERT_TRUE(read.quotation) << read.problem;
    EXPECT_EQ(read.quotation->lines.size(), 3u);
    QStringList written = QDir(folder.path()).entryList(QDir::Files);
    written.sort();
    EXPECT_EQ(written, (QStringList{"Q.CSV", "Quote.Pdf", "lines.csv", "offer.TQuote", "quote.XLSX"}));
}

TEST_F(QuoteCommand, UnknownNumbersAreNamedAndTheRestIsWritten) {
    const QByteArray input = "part_number;quantity\nA310-MX2-2A-MXFX-VS;3\nQQQ-7;1\n1-4-VC-1;0\n";
    const Ran r = run({"--quote", "-", "--output", file("q.csv")}, input);
    EXPECT_EQ(r.status, 1);
    const QList<QByteArray> errors = r.err.split('\n');
    ASSERT_GE(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith("tarvek-catalog: -, line 3: \"QQQ-7\": ")) << r.err.toStdString();
    EXPECT_TRUE(errors[0].endsWith("(not added)"));
    EXPECT_EQ(errors[1],
              "tarvek-catalog: -, line 4: \"1-4-VC-1\": a quantity is a whole number from 1 to 1,000,000 "
              "(not added)");
    const QByteArray csv = contents(file("q.csv"));
    EXPECT_EQ(csv.count('\n'), 2);  // the header and the one line added
    EXPECT_TRUE(csv.contains("\r\n1,A310-MX2-2A-MXFX-VS,"));
}

// Rows as spreadsheets write them: a decimal comma between semicolons, tabs with commas in a
// description, a quoted decimal comma between commas. The README's valve lists at 350.00:
// 12.5 % off is 306.25 a piece, 7.25 % off 324.62 (324.625 cut down to the cent).
TEST_F(QuoteCommand, DecimalCommasPriceTheLinesAndASplitNumberIsRefused) {
    const struct {
        const char* name;
        QByteArray input;
        const char* line;  // the CSV's line after the description
    } cases[] = {
        {"semicolons", "Part No.;Qty;Discount %\nA310-MX2-2A-MXFX-VS;2;12,5\n",
         ",2,350.00,12.5,306.25,612.50\r\n"},
        {"tabs",
         "Part No.\tDescription\tQty\tDiscount\nA310-MX2-2A-MXFX-VS\tDiaphragm valve, "
         "air-operated\t3\t7,25\n",
         ",3,350.00,7.25,324.62,973.86\r\n"},
        {"quoted", "part_number,quantity,discount\nA310-MX2-2A-MXFX-VS,3,\"7,25\"\n",
         ",3,350.00,7.25,324.62,973.86\r\n"},
    };
    for (const auto& c : cases) {
        const Ran r = run({"--quote", "-", "--output", file("q.csv")}, c.input);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(contents(file("q.csv")).endsWith(c.line))
            << c.name << ": " << contents(file("q.csv")).toStdString();
    }
    const Ran split = run({"--quote", "-", "--output", file("q.csv")},
                          "A310-MX2-2A-MXFX-VS,2,12,5\nA310-MX2-2A-MXFX-VS,1,000\n");
    EXPECT_EQ(split.status, 1);
    EXPECT_EQ(
        split.err.toStdString(),
        "tarvek-catalog: -, line 1: \"A310-MX2-2A-MXFX-VS\": the comma in 12,5 divides the number into "
        "fields "
        "here: quote it (\"12,5\") or separate the fields with semicolons or tabs (not added)\n"
        "tarvek-catalog: -, line 2: \"A310-MX2-2A-MXFX-VS\": the comma in 1,000 divides the quantity into "
        "fields here: write it 1000 (not added)\n");
    EXPECT_EQ(contents(file("q.csv")).count('\n'), 1);  // the header alone
}

// As many lines as a quote document holds, and the rows past them named; a file without a
// row is no quote at all: nothing is written.
TEST_F(QuoteCommand, AQuoteHoldsAtMost100000LinesAndNoRowsIsNoQuote) {
    QFile many(file("many.csv"));
    ASSERT_TRUE(many.open(QIODevice::WriteOnly));
    many.write("part_number,quantity\n");
    for (int i = 0; i < 100'001; ++i) many.write("A310-MX2-2A-MXFX-VS,1\n");
    many.close();
    const Ran r = run({"--quote", file("many.csv"), "--output", file("many.tquote")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.toStdString(),
              "tarvek-catalog: " + file("many.csv").toStdString() +
                  ", line 100,002: 1 row past the 100,000 lines a quote holds (not added)\n");
    const tarvek::QuotationReading read =
        tarvek::readQuotationDocument(contents(file("many.tquote")).toStdString());
    ASSERT_TRUE(read.quotation) << read.problem;
    EXPECT_EQ(read.quotation->lines.size(), 100'000u);

    for (const QByteArray& empty : {QByteArray(), QByteArray("part_number,quantity\r\n\r\n")}) {
        const Ran none = run({"--quote", "-", "--output", file("none.csv")}, empty);
        EXPECT_EQ(none.status, 1);
        EXPECT_EQ(none.err, "tarvek-catalog: -: no lines\n");
        EXPECT_FALSE(QFile::exists(file("none.csv")));
    }
}

TEST_F(QuoteCommand, RefusedCommandLinesAndFailedFiles) {
    const struct {
        QStringList arguments;
        int status;
        const char* error;  // the start of standard error
    } cases[] = {
        {{"--quote"}, 2, "tarvek-catalog: --quote needs a file of part numbers (LINES.csv)"},
        {{"--quote", "x.csv"}, 2, "tarvek-catalog: --quote needs --output"},
        {{"--quote", "x.csv", "--output", "q.txt"},
         2,
         "tarvek-catalog: --output must end in .csv, .xlsx, .pdf or .tquote"},
        {{"--quote", "x.csv", "--output", "q.csv", "--discount", "101"},
         2,
         "tarvek-catalog: --discount 101: a discount is at most 100 %"},
        {{"--quote", "x.csv", "--output", "q.csv", "--output", "r.csv"},
         2,
         "tarvek-catalog: --output is given twice"},
        {{"--quote", "x.csv", "--output", "q.csv", "--colour", "red"},
         2,
         "tarvek-catalog: \"--colour\" is not an option of --quote"},
        {{"--part", "A310", "--quote", "x.csv"},
         2,
         "tarvek-catalog: --part opens the window; --quote works without one"},
        {{"--quote", "/nonexistent/lines.csv", "--output", "q.csv"},
         3,
         "tarvek-catalog: cannot read /nonexistent/lines.csv: No such file or directory"},
        {{"--quote", TARVEK_TEST_RUNTIME_DIR, "--output", "q.csv"},
         3,
         "tarvek-catalog: cannot read " TARVEK_TEST_RUNTIME_DIR ": Is a directory"},
    };
    for (const auto& c : cases) {
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.error;
        EXPECT_TRUE(r.err.startsWith(c.error)) << r.err.toStdString();
    }
    const Ran unwritable = run({"--quote", lines, "--output", "/nonexistent/q.csv"});
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_TRUE(unwritable.err.startsWith("tarvek-catalog: cannot write /nonexistent/q.csv: "))
        << unwritable.err.toStdString();
    const Ran help = run({"--help"});
    EXPECT_TRUE(
        help.out.contains("tarvek-catalog --quote LINES.csv --output FILE [--discount N] [--customer TEXT]"));
}

// A customer's name the files could not hold as given is refused, and nothing is written.
TEST_F(QuoteCommand, ACustomerNotInUtf8OrWithAControlCharacterIsRefused) {
    const struct {
        const char* customer;  // as printf(1) writes it: any bytes
        const char* error;
    } cases[] = {
        {"Nord\\351gas", "tarvek-catalog: --customer is not UTF-8 text (byte 5 is 0xE9)\n\nUsage: "},
        {"Nord\\033[1mgas", "tarvek-catalog: --customer holds the control character U+001B\n\nUsage: "},
        {"Nordgas\\tLtd.", "tarvek-catalog: --customer holds the control character U+0009\n\nUsage: "},
    };
    for (const auto& c : cases) {
        const Ran r = run({"-c", "exec \"$0\" --quote \"$1\" --output \"$2\" --customer \"$(printf \"$3\")\"",
                           kProgram, lines, file("q.tquote"), c.customer},
                          {}, QStringLiteral("sh"));
        EXPECT_EQ(r.status, 2) << c.customer;
        EXPECT_TRUE(r.err.startsWith(c.error)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(file("q.tquote")));
    }
    // What a customer may be: any UTF-8 text without control characters, saved as it is.
    const QString customer = QStringLiteral("M\u00FCller & S\u00F6hne \u20AC \U0001F600 \u4E2D");
    const Ran r = run({"--quote", lines, "--output", file("q.tquote"), "--customer", customer});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const tarvek::QuotationReading read =
        tarvek::readQuotationDocument(contents(file("q.tquote")).toStdString());
    ASSERT_TRUE(read.quotation) << read.problem;
    EXPECT_EQ(read.quotation->header.customer, customer.toStdString());
}

TEST_F(QuoteCommand, AFullDiskKeepsTheOldFileAndSaysWhy) {
    for (const char* extension : {"tquote", "csv", "xlsx", "pdf"}) {
        tarvek::testing::FullDisk disk;
        const QString name = QStringLiteral("old.") + QLatin1String(extension);
        const QByteArray old = QByteArray("the old ") + extension + " file\n";
        QFile seed(disk.seed + '/' + name);
        ASSERT_TRUE(seed.open(QIODevice::WriteOnly) && seed.write(old) == old.size());
        seed.close();
        const QString output = disk.disk + '/' + name;
        const tarvek::testing::FullDiskRun r =
            disk.run(kProgram, {QStringLiteral("--quote"), lines, QStringLiteral("--output"), output},
                     withoutDisplay());
        if (!r.mounted) GTEST_SKIP() << "no file system can be mounted here: " << r.err.toStdString();
        EXPECT_EQ(r.status, 3) << extension;
        EXPECT_EQ(r.err.toStdString(),
                  "tarvek-catalog: cannot write " + output.toStdString() + ": No space left on device\n");
        EXPECT_EQ(QDir(disk.after).entryList(QDir::Files | QDir::Hidden), QStringList{name}) << extension;
        EXPECT_EQ(contents(disk.after + '/' + name), old) << extension;
    }
}

// The workbook is made in a scratch file first: where the scratch folder is full, nothing is
// written and the command says so.
TEST_F(QuoteCommand, AFullScratchFolderWritesNoWorkbook) {
    tarvek::testing::FullDisk disk;
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("TMPDIR"), disk.disk);
    const tarvek::testing::FullDiskRun r =
        disk.run(kProgram, {QStringLiteral("--quote"), lines, QStringLiteral("--output"), file("q.xlsx")},
                 environment);
    if (!r.mounted) GTEST_SKIP() << "no file system can be mounted here: " << r.err.toStdString();
    EXPECT_EQ(r.status, 3);
    // After libxlsxwriter's own words on standard error, the command's.
    EXPECT_TRUE(r.err.endsWith("tarvek-catalog: cannot write " + file("q.xlsx").toUtf8() +
                               ": cannot make the workbook in the scratch folder \"" + disk.disk.toUtf8() +
                               "\": No space left on device\n"))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("q.xlsx")));
    EXPECT_TRUE(QDir(disk.after).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
