// tarvek-catalog --size on the command line, without a window or a display: the README's five
// tags sized with the figures --flow gives for each (run here beside it), the tags without a
// valve given the cheapest standard valve --list gives with the same minimums and filters,
// each output format read back (the CSV, the workbook through openpyxl, the sheets through
// pdftotext, the quote document), the exit statuses and the command lines it refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "rules/numbers/number_text.h"
#include "rules/quotes/quotation_document.h"
#include "rules/text/delimited_text.h"
#include "tests/support/services_examples.h"
#include "tests/window/quote_command_run.h"

namespace {

using tarvek::testing::contents;
using tarvek::testing::Ran;

// Another program (pdftotext, python3) run as the catalogue is.
Ran run(const QString& executable, const QStringList& arguments) {
    return tarvek::testing::run(arguments, {}, executable);
}

Ran catalogue(const QStringList& arguments, const QByteArray& input = {}) {
    return tarvek::testing::run(arguments, input);
}

// A CSV as rows of named cells.
std::vector<std::map<std::string, std::string>> table(const QByteArray& csv) {
    const std::vector<tarvek::CellRow> rows =
        tarvek::readDelimitedText(csv.toStdString(), 1'000'000, 100'000).rows.rows;
    std::vector<std::map<std::string, std::string>> named;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        std::map<std::string, std::string>& row = named.emplace_back();
        for (std::size_t c = 0; c < rows[0].cells.size() && c < rows[r].cells.size(); ++c)
            row[rows[0].cells[c]] = rows[r].cells[c];
    }
    return named;
}

class SizeCommand : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    QString list;
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        list = file("services.csv");
        QFile f(list);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tarvek::testing::kFiveTags);
    }
    QString file(const char* name) { return folder.filePath(QString::fromLatin1(name)); }
    std::vector<std::map<std::string, std::string>> sized() {
        const Ran r = catalogue({"--size", list, "--output", file("sized.csv")});
        EXPECT_EQ(r.status, 1) << r.err.toStdString();
        return table(contents(file("sized.csv")));
    }
};

// The Cv of each tag's largest case is the row --flow writes for the same inputs.
TEST_F(SizeCommand, EachCaseHasTheFiguresOfFlow) {
    const auto rows = sized();
    ASSERT_EQ(rows.size(), 5u);
    for (const auto& row : rows) {
        QStringList flow = {"--flow",
                            "--method",
                            QString::fromStdString(row.at("method")),
                            "--temperature-f",
                            QString::fromStdString(row.at("temperature")),
                            "--inlet-psig",
                            QString::fromStdString(row.at("inlet")),
                            "--outlet-psig",
                            QString::fromStdString(row.at("outlet")),
                            "--flow-slm",
                            QString::fromStdString(row.at("flow_max"))};
        if (row.at("gas").empty())
            flow << "--sg" << QString::fromStdString(row.at("sg")) << "--k"
                 << QString::fromStdString(row.at("k"));
        else
            flow << "--gas" << QString::fromStdString(row.at("gas"));
        const Ran answer = catalogue(flow);
        ASSERT_EQ(answer.status, 0) << row.at("tag") << answer.err.toStdString();
        const auto flowRow = table(answer.out).at(0);
        EXPECT_EQ(row.at("cv_max"), flowRow.at("cv")) << row.at("tag");
        EXPECT_EQ(row.at("choked_max"), flowRow.at("choked")) << row.at("tag");
    }
}

TEST_F(SizeCommand, TheFiveTagsVerdictsAndProposals) {
    const Ran r = catalogue({"--size", list, "--output", file("sized.csv")});
    EXPECT_EQ(r.status, 1);  // FV-102 is undersized
    EXPECT_TRUE(r.out.isEmpty());
    const std::string errors = r.err.toStdString();
    EXPECT_NE(errors.find("tarvek-catalog: PCV-7: proposed "), std::string::npos) << errors;
    EXPECT_NE(errors.find("(marked proposed)"), std::string::npos) << errors;
    EXPECT_NE(errors.find(
                  "tarvek-catalog: FV-102: Undersized at the maximum flow: it needs Cv 0.2304, the valve is "
                  "rated 0.23, 0.2 % short.\n"),
              std::string::npos)
        << errors;
    const auto rows = table(contents(file("sized.csv")));
    ASSERT_EQ(rows.size(), 5u);
    std::map<std::string, std::map<std::string, std::string>> byTag;
    for (const auto& row : rows) byTag[row.at("tag")] = row;
    EXPECT_EQ(byTag["FV-101"].at("verdict"), "fits");
    EXPECT_EQ(byTag["FV-101"].at("fit_margin"), "1.124");  // 0.23 / 0.204555
    EXPECT_EQ(byTag["FV-101"].at("quantity"), "2");
    EXPECT_EQ(byTag["FV-102"].at("verdict"), "undersized");
    for (const char* tag : {"PCV-7", "HV-12", "FV-205"}) {
        EXPECT_EQ(byTag[tag].at("proposed"), "yes") << tag;
        EXPECT_EQ(byTag[tag].at("verdict"), "fits") << tag;
        EXPECT_FALSE(byTag[tag].at("part_number").empty()) << tag;
    }
}

// The valve proposed for a tag is the cheapest standard row of the price book (in its own order
// where prices tie) with a Cv and a rated pressure at least those the tag asks, and for HV-12
// male face seals of 1/4 inch on every port.
TEST_F(SizeCommand, AProposalIsTheCheapestRowListGivesWithTheSameMinimums) {
    const auto rows = sized();
    // One book for every proposal: the standard valves rated at least the least any tag asks.
    double leastCv = 1e9, leastPsig = 1e9;
    for (const auto& row : rows)
        if (row.at("proposed") == "yes") {
            leastCv = std::min(leastCv, tarvek::leadingNumber(row.at("cv_asked")));
            leastPsig = std::min(leastPsig, tarvek::leadingNumber(row.at("inlet_psig")));
        }
    QStringList list = {"--list", "--standard-only"};
    for (const char* rating : {"0.16", "0.23", "0.4", "0.5", "1"})
        if (tarvek::leadingNumber(rating) >= leastCv)
            list << QStringLiteral("--filter") << QStringLiteral("cv=") + QLatin1String(rating);
    for (const int rated : {125, 150, 250, 500, 700, 1000, 1500, 3000, 3300, 4500, 6200})
        if (rated >= leastPsig)
            list << QStringLiteral("--filter") << QStringLiteral("rated_psig=") + QString::number(rated);
    // The book streamed through python3's csv reader: per tag, the first row of the lowest
    // price that serves it, in the book's own order.
    QStringList needs;
    std::vector<std::string> expected;
    for (const auto& row : rows) {
        if (row.at("proposed") != "yes") continue;
        needs << QString::fromStdString(row.at("cv_asked") + "|" + row.at("inlet_psig") + "|" +
                                        row.at("connection_kind") + "|" + row.at("connection_size"));
        expected.push_back(row.at("part_number"));
    }
    const Ran cheapest =
        run(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), QStringLiteral(R"(needs=$0
"$@" | /usr/bin/python3 -c '
import csv, sys
needs = [n.split("|") for n in sys.argv[1].split(";")]
best = [None] * len(needs)
for row in csv.DictReader(sys.stdin):
    ends = [row[c] for c in ("connection_1", "connection_2", "connection_3", "connection_4") if row[c]]
    for i, (cv, psig, kind, size) in enumerate(needs):
        if float(row["cv"]) < float(cv) or float(row["rated_psig"]) < float(psig): continue
        if kind and not all(" - " + kind + "," in e for e in ends): continue
        if size and not all(", " + size in e for e in ends): continue
        if best[i] is None or float(row["list_price"]) < best[i][0]: best[i] = (float(row["list_price"]), row["part_number"])
for b in best: print(b[1] if b else "none")
' "$needs")"),
                                                   needs.join(QLatin1Char(';')), tarvek::testing::kProgram}
                                           << list);
    EXPECT_EQ(cheapest.status, 0) << cheapest.err.toStdString();
    std::vector<std::string> found;
    for (const QByteArray& line : cheapest.out.trimmed().split('\n')) found.push_back(line.toStdString());
    EXPECT_EQ(found, expected);
    EXPECT_EQ(expected.size(), 3u);
}

TEST_F(SizeCommand, EachFormatReadsBack) {
    const Ran document = catalogue({"--size", list, "--output", file("sized.tquote")});
    EXPECT_EQ(document.status, 1) << document.err.toStdString();
    const tarvek::QuotationReading read =
        tarvek::readQuotationDocument(contents(file("sized.tquote")).toStdString());
    ASSERT_TRUE(read.quotation) << read.problem;
    ASSERT_EQ(read.quotation->lines.size(), 5u);
    EXPECT_EQ(read.quotation->lines[2].service->tag, "PCV-7");
    EXPECT_TRUE(read.quotation->lines[2].proposed);
    EXPECT_FALSE(read.quotation->lines[0].proposed);
    EXPECT_TRUE(contents(file("sized.tquote")).startsWith("TARVEK-QUOTE\t2\n"));

    const Ran pdf = catalogue({"--size", list, "--output", file("sheets.pdf")});
    EXPECT_EQ(pdf.status, 1) << pdf.err.toStdString();
    const Ran text = run(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                         {QStringLiteral("-layout"), file("sheets.pdf"), QStringLiteral("-")});
    const std::string sheets = text.out.toStdString();
    for (const char* expected :
         {"Specification sheet FV-101", "Sheet 1 of 5", "Sheet 5 of 5", "Specification sheet HV-12",
          "Sizing: IEC 60534-2-1", "Sizing: Catalogue formula", "Cv required", "A310-MX2-2A-MXFX-VS",
          "Rated pressure (psig)", "Proposed for the service, not yet accepted", "Undersized",
          "Porting (top view)"}) {
        EXPECT_NE(sheets.find(expected), std::string::npos) << expected << "\n" << sheets;
    }
    EXPECT_EQ(std::count(sheets.begin(), sheets.end(), '\f'), 5);  // a page per tag

    const Ran workbook = catalogue({"--size", list, "--output", file("sized.xlsx")});
    EXPECT_EQ(workbook.status, 1) << workbook.err.toStdString();
    const QString python =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    const Ran cells = run(python, {QStringLiteral("-c"), QStringLiteral(R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
print(",".join(book.sheetnames))
services = book["Services"]
heads = [c.value for c in services[1]]
for row in services.iter_rows(min_row=2, values_only=True):
    cells = dict(zip(heads, row))
    print(cells["tag"], cells["verdict"], type(cells["cv_max"]).__name__, cells["inlet"])
)"),
                                   file("sized.xlsx")});
    EXPECT_EQ(cells.status, 0) << cells.err.toStdString();
    EXPECT_EQ(cells.out.toStdString(),
              "Lines,Quote,Services\n"
              "FV-101 fits float 100\n"
              "FV-102 undersized float 100\n"
              "PCV-7 fits float 50\n"
              "HV-12 fits float 300\n"
              "FV-205 fits float 3000\n");

    // The workbook is a services list too: its sheet "Services" sizes to the same rows.
    ASSERT_EQ(catalogue({"--size", list, "--output", file("sized.csv")}).status, 1);
    const Ran again = catalogue({"--size", file("sized.xlsx"), "--output", file("again.csv")});
    EXPECT_EQ(again.status, 1) << again.err.toStdString();
    EXPECT_EQ(table(contents(file("again.csv"))), table(contents(file("sized.csv"))));
}

TEST_F(SizeCommand, ExitStatuses) {
    QFile fits(file("fits.csv"));
    ASSERT_TRUE(fits.open(QIODevice::WriteOnly));
    fits.write(
        "tag,gas,temperature,inlet,outlet,flow_max,part_number\nFV-1,Nitrogen,70,100,20,400,A310-MX2-2A-MXFX-"
        "VS\n");
    fits.close();
    const Ran ok = catalogue({"--size", file("fits.csv"), "--output", file("fits.csv.out.csv")});
    EXPECT_EQ(ok.status, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.err.isEmpty()) << ok.err.toStdString();

    // A row not read is named; the rest is written, and the status says not every tag was taken.
    const Ran partly = catalogue({"--size", "-", "--output", file("partly.csv")},
                                 "tag,gas,temperature,inlet,outlet,flow_max\nFV-1,Nitrogen,70,100,20,400\n"
                                 "FV-2,Unobtainium,70,100,20,400\n");
    EXPECT_EQ(partly.status, 1);
    EXPECT_NE(partly.err.indexOf(
                  "tarvek-catalog: -, line 3: \"FV-2\": gas \"Unobtainium\": The gas list has no gas "
                  "named \"Unobtainium\" (not read)\n"),
              -1)
        << partly.err.toStdString();
    EXPECT_EQ(table(contents(file("partly.csv"))).size(), 1u);

    const Ran none = catalogue({"--size", "-", "--output", file("none.csv")}, "tag,gas\n");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "tarvek-catalog: -: no services\n");
    EXPECT_FALSE(QFile::exists(file("none.csv")));

    const struct {
        QStringList arguments;
        int status;
        const char* error;
    } cases[] = {
        {{"--size"}, 2, "tarvek-catalog: --size needs a services list (SERVICES.csv)"},
        {{"--size", "x.csv"}, 2, "tarvek-catalog: --size needs --output"},
        {{"--size", "x.csv", "--output", "q.txt"},
         2,
         "tarvek-catalog: --output must end in .csv, .xlsx, .pdf or .tquote"},
        {{"--size", "/nonexistent/s.csv", "--output", "q.csv"},
         3,
         "tarvek-catalog: cannot read /nonexistent/s.csv: No such file or directory"},
        {{"--size", "index.xlsx", "--output", "q.csv"}, 3, "tarvek-catalog: cannot read index.xlsx: "},
    };
    for (const auto& c : cases) {
        const Ran r = catalogue(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.error;
        EXPECT_TRUE(r.err.startsWith(c.error)) << r.err.toStdString();
    }
    const Ran unwritable = catalogue({"--size", list, "--output", "/nonexistent/q.csv"});
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_TRUE(unwritable.err.contains("tarvek-catalog: cannot write /nonexistent/q.csv: "))
        << unwritable.err.toStdString();
    EXPECT_TRUE(catalogue({"--help"}).out.contains("tarvek-catalog --size SERVICES.csv --output FILE"));
}

}  // namespace
