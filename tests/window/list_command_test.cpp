// tarvek-catalog --list: the price book as CSV without a window, with and without filters;
// its usage errors; a filter that keeps nothing; output that cannot be written.
#include <gtest/gtest.h>

#include <QProcess>

#include "rules/part_numbers/part_number_csv.h"
#include "tests/support/catalogue_facts.h"
#include "tests/support/configuration_census.h"
#include "tests/support/price_book_example.h"

namespace {

struct Ran {
    int status = -1;
    QByteArray out, err;
};

Ran run(const QStringList& arguments) {
    QProcess program;
    program.setProgram(QStringLiteral(TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog"));
    program.setArguments(arguments);
    program.start();
    EXPECT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

// Records of an RFC 4180 text: quoted fields may hold line ends.
std::vector<std::vector<std::string>> records(const QByteArray& csv) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                rows.back().back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                rows.back().back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            rows.back().back() += c;
        }
    }
    if (rows.back() == std::vector<std::string>(1)) rows.pop_back();  // after the last line end
    return rows;
}

const std::string kHeader = [] {
    const std::string decode = tarvek::csvHeader();
    return decode.substr(0, decode.size() - 2) + ",cv,rated_psig,price_note\r\n";
}();

TEST(ListCommand, WritesTheChosenRowsOfThePriceBook) {
    const Ran r = run({"--list", "--filter", "body=MX2 - Standard Series", "--filter=porting=2A", "--filter",
                       "model=J310 --- Manual, Tee Knob, LOTO", "--standard-only"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QByteArray::fromStdString(kHeader)));
    const auto rows = records(r.out);
    tarvek::testing::Requirement req;
    req.steps = {{tarvek::Step::Body, "MX2 - Standard Series"},
                 {tarvek::Step::Porting, "2A"},
                 {tarvek::Step::Model, "J310 --- Manual, Tee Knob, LOTO"}};
    req.standardOnly = true;
    ASSERT_EQ(rows.size() - 1, tarvek::testing::census().count(req));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 20u);
        EXPECT_EQ(rows[i][1], "ok");
        EXPECT_EQ(rows[i][14], "no");
        EXPECT_EQ(rows[i][0], rows[i][16]);
        EXPECT_EQ(rows[i][17], "0.23");  // ".23 Cv, 3000 psig" under the J310 on the MX2
        EXPECT_EQ(rows[i][18], "3000");
    }
    // The catalogue's example, as --decode writes it, then its rating.
    const std::vector<std::string>& example = tarvek::testing::kExampleBookRow;
    EXPECT_NE(std::find(rows.begin(), rows.end(), example), rows.end());
}

// A column filtered more than once keeps the rows that read any of its values; different
// columns must all hold. The V-block series, which the catalogue gives no price, has an empty
// list price and a note that says why.
TEST(ListCommand, RepeatedFiltersOfAColumnKeepAnyOfItsValues) {
    const Ran r = run({"--list", "--filter", "body=BMX2 - V-Block Series", "--filter", "body=Compart Nuts",
                       "--filter", "product_type=Diaphragm Valves"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][0], "-BMX2");
    EXPECT_EQ(rows[1][2], "");
    EXPECT_EQ(rows[1][19], "price on request");
    const Ran both =
        run({"--list", "--filter", "body=BMX2 - V-Block Series", "--filter", "body=Compart Nuts"});
    tarvek::testing::Requirement nuts;
    nuts.steps = {{tarvek::Step::Body, "Compart Nuts"}};
    EXPECT_EQ(records(both.out).size(), 1 + 1 + tarvek::testing::census().count(nuts));
}

// Filters on what changes inside a model-and-porting group, the options and the connections,
// keep every row that reads so, as a brute-force count over the states finds.
TEST(ListCommand, FiltersOnOptionsAndConnectionsKeepWhatTheCensusCounts) {
    using tarvek::Step;
    const struct {
        QStringList filters;
        std::map<Step, tarvek::testing::AnyOf> steps;
    } cases[] = {
        {{"model=A310 --- Air-Op N.C., Low Pressure", "body=MX1 - Miniature Series", "seat=B5 - Bleed Seat"},
         {{Step::Model, "A310 --- Air-Op N.C., Low Pressure"},
          {Step::Body, "MX1 - Miniature Series"},
          {Step::Seat, "B5 - Bleed Seat"}}},
        {{"model=J310 --- Manual, Tee Knob, LOTO", "porting=4C",
          "connection_2=F - Female Face Seal, 1/4 inch", "connection_4=6 - Tube Stub, 3/8 inch",
          "lever=LS - Lever Handle", "handle=GR - Green"},
         {{Step::Model, "J310 --- Manual, Tee Knob, LOTO"},
          {Step::Porting, "4C"},
          {Step::Connection2, "F - Female Face Seal, 1/4 inch"},
          {Step::Connection4, "6 - Tube Stub, 3/8 inch"},
          {Step::LeverHandle, "LS - Lever Handle"},
          {Step::HandleColour, "GR - Green"}}},
    };
    for (const auto& c : cases) {
        QStringList arguments = {"--list"};
        for (const QString& filter : c.filters) arguments << "--filter" << filter;
        const Ran r = run(arguments);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const std::uint64_t expected = tarvek::testing::census().count({.steps = c.steps});
        EXPECT_GT(expected, 0u);
        EXPECT_EQ(records(r.out).size() - 1, expected) << c.filters.join(' ').toStdString();
    }
}

// A filter on the rated pressure keeps every configuration of the valves the catalogue rates
// so, and only those.
TEST(ListCommand, FiltersOnTheRatingTheCataloguePrints) {
    namespace facts = tarvek::testing::facts;
    for (const int psig : {700, 4500}) {
        const std::string filter = "rated_psig=" + std::to_string(psig);
        const Ran r = run({"--list", "--filter", QString::fromStdString(filter)});
        ASSERT_EQ(r.status, 0) << filter << r.err.toStdString();
        std::uint64_t expected = 0;
        for (const facts::BodyPicture& series : facts::kBodyPictures)
            for (const facts::Written& actuator : facts::kModels)
                if (const facts::ValveOnSeries* valve = facts::valveOnSeries(series.entry, actuator.entry);
                    valve && tarvek::testing::kValveNotes.at(valve->rating).psig == psig) {
                    tarvek::testing::Requirement req;
                    req.steps = {{tarvek::Step::Body, series.entry}, {tarvek::Step::Model, actuator.entry}};
                    expected += tarvek::testing::census().count(req);
                }
        const auto rows = records(r.out);
        EXPECT_GT(expected, 0u) << filter;
        ASSERT_EQ(rows.size() - 1, expected) << filter;
        for (std::size_t i = 1; i < rows.size(); ++i) ASSERT_EQ(rows[i][18], std::to_string(psig)) << filter;
    }
}

// Non-standard rows say why; the explanation may run over lines, quoted.
TEST(ListCommand, NonStandardRowsExplainThemselves) {
    // The group's own columns spare the book the other groups' rows.
    const Ran r = run({"--list", "--filter", "body=MX2 - Standard Series", "--filter", "porting=4A",
                       "--filter", "catalogue_part_number=A310-MX2-4A-6666"});
    ASSERT_EQ(r.status, 0);
    const auto rows = records(r.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][14], "yes");
    EXPECT_NE(rows[1][15].find(
                  "Connection 1: \"6 - Tube Stub, 3/8 inch\" is not standard on MX2 with porting 4A\n"),
              std::string::npos)
        << rows[1][15];
}

TEST(ListCommand, AFilterThatKeepsNothingGivesTheHeaderAlone) {
    for (const QStringList& arguments :
         {QStringList{"--list", "--filter", "model=No such model"},
          QStringList{"--list", "--filter", "status=unknown"},
          QStringList{"--list", "--filter", "porting=2a"},
          QStringList{"--list", "--filter", "cv=0.23", "--filter", "body=Compart Nuts"}}) {
        const Ran r = run(arguments);
        EXPECT_EQ(r.status, 0) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.out.toStdString(), kHeader) << arguments.join(' ').toStdString();
    }
}

TEST(ListCommand, UsageErrors) {
    const QStringList wrong[] = {{"--list", "--filter", "colour=Black"},
                                 {"--list", "--filter", "porting"},
                                 {"--list", "--filter"},
                                 {"--list", "--standard-only=yes"},
                                 {"--list", "extra"},
                                 {"--list", "--decode", "A310-MX2"},
                                 {"--part", "A310-MX2", "--list"}};
    for (const QStringList& arguments : wrong) {
        const Ran r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage:")) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_TRUE(
        run({"--list", "--filter", "colour=Black"}).err.contains("handle"));  // the columns are listed
    EXPECT_TRUE(run({"--help"}).out.contains("--list"));
}

// Standard output the price book cannot be written to: a full disk, none at all, one opened
// only for reading: said with the reason, and status 3.
TEST(ListCommand, OutputThatCannotBeWrittenIsReported) {
    const struct {
        const char* redirection;
        const char* reason;
    } cases[] = {{"> /dev/full", "No space left on device"},
                 {">&-", "Bad file descriptor"},
                 {"1< /dev/null", "Bad file descriptor"}};
    for (const auto& c : cases) {
        QProcess shell;
        shell.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("(" TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog --list %1; "
                                                  "echo \"status $?\" >&2)")
                                       .arg(QLatin1String(c.redirection))});
        ASSERT_TRUE(shell.waitForFinished(60000));
        const QByteArray err = shell.readAllStandardError();
        EXPECT_EQ(err.toStdString(),
                  std::string("tarvek-catalog: cannot write the price book: ") + c.reason + "\nstatus 3\n")
            << c.redirection;
    }
}

}  // namespace
