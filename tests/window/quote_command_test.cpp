// tarvek-catalog --quote on the command line, without a window or a display: each output
// format, the numbers it does not know named on standard error with the file still written,
// the exit statuses, and the command lines it refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "rules/quotes/quotation_document.h"

namespace {

struct Ran {
    int status = -1;
    QByteArray out, err;
};

Ran run(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess program;
    program.setProgram(QStringLiteral(TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog"));
    program.setArguments(arguments);
    // No display of any kind: the PDF too is drawn without one (and no runtime folder that
    // another test pointed elsewhere and removed).
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(variable));
    program.setProcessEnvironment(environment);
    program.start();
    program.write(input);
    program.closeWriteChannel();
    EXPECT_TRUE(program.waitForFinished(60'000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

}  // namespace
