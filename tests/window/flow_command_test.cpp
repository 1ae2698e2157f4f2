// tarvek-catalog --flow: one CSV row without a window or a display, by the catalogue's
// formula exactly as the window calculates it, or by the standard; exit statuses for no
// result, a wrong command line and output that cannot be written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "rules/calculator/flow_units.h"
#include "rules/numbers/number_text.h"
#include "tests/support/gas_databases.h"
#include "tests/window/window_driver.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

const QByteArray kHeader =
    "method,gas,sg,k,temperature_f,inlet_psig,outlet_psig,xt,cv,flow_slm,flow_kg_h,x,fgamma,y,choked\r";

struct Ran {
    int status = -1;
    QByteArray out, err;
    QList<QByteArray> fields() const {
        const QList<QByteArray> lines = out.split('\n');
        return lines.size() < 2 ? QList<QByteArray>() : lines[1].chopped(1).split(',');
    }
};

// With no display to be had: a platform that needs one would fail to start.
Ran flow(const QStringList& arguments, const QString& folder = QStringLiteral(TARVEK_TEST_RUNTIME_DIR),
         const QString& programFolder = QStringLiteral(TARVEK_TEST_RUNTIME_DIR)) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    program.start(programFolder + QStringLiteral("/tarvek-catalog"), QStringList{"--flow"} + arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

QStringList asked(const char* method, const char* gas, const char* t, const char* p1, const char* p2,
                  const char* given, const char* value) {
    return {"--method",      method, "--gas", gas,  "--temperature-f", t, "--inlet-psig", p1,
            "--outlet-psig", p2,     given,   value};
}

TEST(FlowCommand, TheStandardsRowForTheIssuesNitrogen) {
    const Ran r = flow(asked("iec", "Nitrogen", "70", "100", "80", "--cv", "0.23"));
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(
        r.out,
        kHeader + "\niec,Nitrogen,0.967,1.4,70,100,80,0.5,0.23,276.221,19.5965,0.174374,1,0.883751,no\r\n");
    // By values, with a valve's own xT and Z; choked from 100 to 20 psig (x 0.6975 past 0.5).
    const Ran choked = flow({"--method", "iec", "--sg", "0.967", "--k", "1.4", "--temperature-f", "70",
                             "--inlet-psig", "100", "--outlet-psig", "20", "--cv", "0.23"});
    EXPECT_EQ(choked.status, 0) << choked.err.toStdString();
    ASSERT_EQ(choked.fields().size(), 15);
    EXPECT_EQ(choked.fields()[1], "");
    EXPECT_EQ(choked.fields()[9], "352.841");  // hand-computed
    EXPECT_EQ(choked.fields()[13], "0.666667");
    EXPECT_EQ(choked.fields()[14], "yes");
}

// The same inputs typed into the window give the same result, digit for digit.
TEST(FlowCommand, TheCataloguesRowIsTheWindowsResult) {
    struct Case {
        const char *gas, *t, *p1, *p2;
        bool cvMode;
        const char* given;
    };
    for (const Case c :
         {Case{"Air", "70", "100", "0", false, "1.0"}, Case{"Nitrogen", "70", "100", "80", false, "0.23"},
          Case{"Carbon Dioxide", "-20.5", "250", "20", false, "0.061"},
          Case{"Helium", "300", "3000", "2900", true, "1234.5"},
          Case{"Argon", "70", "5", "-14.7", true, "20"}}) {
        const Ran r =
            flow(asked("catalogue", c.gas, c.t, c.p1, c.p2, c.cvMode ? "--flow-slm" : "--cv", c.given));
        ASSERT_EQ(r.status, 0) << c.gas << ": " << r.err.toStdString();
        const QList<QByteArray> row = r.fields();
        ASSERT_EQ(row.size(), 15) << c.gas;

        WindowDriver d;
        if (c.cvMode) d.click("optCv");
        d.setText("txtTemperature", QString::fromLatin1(c.t));
        d.setText("txtInletPressure", QString::fromLatin1(c.p1));
        d.setText("txtOutletPressure", QString::fromLatin1(c.p2));
        d.setText(c.cvMode ? "txtMassFlow" : "txtCv", QString::fromLatin1(c.given));
        d.choose("lstGasName", c.gas);
        EXPECT_EQ(row[0], "catalogue");
        EXPECT_EQ(row[2].toStdString(), d.text("lblSpecificGravity")) << c.gas;
        EXPECT_EQ(row[7].toStdString(), d.text("txtXtFactor")) << c.gas;
        EXPECT_EQ(row[8].toStdString(), c.cvMode ? d.text("lblCv") : c.given) << c.gas;
        EXPECT_EQ(row[9].toStdString(), c.cvMode ? c.given : d.text("lblMassFlow")) << c.gas;
        EXPECT_EQ(row[14] == "yes", d.shown("lblChokedFlow")) << c.gas;
        if (!c.cvMode) {  // the mass as the line under the result gives it
            EXPECT_NE(d.text("lblOtherUnits").find(row[10].toStdString() + " kg/h"), std::string::npos)
                << c.gas;
        }
    }
}

TEST(FlowCommand, ExitStatuses) {
    const QStringList nitrogen = asked("iec", "Nitrogen", "70", "100", "80", "--cv", "0.23");
    const auto without = [&](const QString& option) {
        QStringList arguments = nitrogen;
        const qsizetype at = arguments.indexOf(option);
        arguments.remove(at, 2);
        return arguments;
    };
    const struct {
        QStringList arguments;
        int status;
        const char* said;
    } cases[] = {
        {without("--method"), 2, "--flow needs --method catalogue or --method iec"},
        {QStringList{"--method", "IEC"} + without("--method"), 2,
         "--method is catalogue or iec, not \"IEC\""},
        {nitrogen + QStringList{"--sg", "1", "--k", "1.4"}, 2, "either --gas NAME or --sg SG with --k K"},
        {QStringList{"--sg", "1"} + without("--gas"), 2, "--sg and --k are given together"},
        {without("--temperature-f"), 2, "--flow needs --temperature-f"},
        {without("--cv"), 2, "either --cv or --flow-slm"},
        {nitrogen + QStringList{"--flow-slm", "5"}, 2, "either --cv or --flow-slm"},
        {nitrogen + QStringList{"--cv", "1"}, 2, "--cv is given twice"},
        {asked("iec", "Nitrogen", "70", "100", "80", "--cv", "12abc"), 2,
         "--cv needs a number, not \"12abc\""},
        {asked("catalogue", "Nitrogen", "70", "100", "80", "--cv", "1") + QStringList{"--z", "1"}, 2,
         "--z belongs to --method iec"},
        {nitrogen + QStringList{"--viscosity", "1"}, 2, "\"--viscosity\" is not an option of --flow"},
        {nitrogen + QStringList{"--xt"}, 2, "--xt needs a value"},
        {asked("iec", "Nitrogen", "70", "100", "100", "--cv", "1"), 1,
         "outlet pressure is not below the inlet"},
        {asked("iec", "Nitrogen", "70", "1e308", "80", "--cv", "1"), 1, "too large to calculate"},
        {nitrogen + QStringList{"--xt", "1.5"}, 1, "Invalid xT Value"},
        {asked("catalogue", "Nitrogen", "70", "100", "80", "--cv", "1") + QStringList{"--xt", "0"}, 1,
         "Invalid Xt Factor Value: Number must be greater than 0 and less than or equal to 1"},
        {nitrogen + QStringList{"--z", "0"}, 1, "Z must be greater than 0"},
        {asked("catalogue", "Nitrogen", "-460", "100", "80", "--cv", "1"), 1,
         "Number must be greater than -460"},
        {asked("catalogue", "Nitrogen", "70", "100", "-15", "--cv", "1"), 1, "Invalid Pressure Value"},
        {asked("iec", "Nitrous", "70", "100", "80", "--cv", "1"), 1, "no gas named \"Nitrous\""},
    };
    for (const auto& c : cases) {
        const Ran r = flow(c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.status, c.status) << what << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.said)) << what << ": " << r.err.toStdString();
        EXPECT_EQ(r.status == 2, r.err.contains("Usage:")) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
    }
}

// The gases are the program's own, wherever it is started; a copy of the program without
// them (nor its reader) cannot read them, and output that cannot be written: status 3.
TEST(FlowCommand, UnreadableGasesAndUnwritableOutput) {
    const Ran elsewhere =
        flow(asked("iec", "Nitrogen", "70", "100", "80", "--cv", "0.23"), QStringLiteral("/"));
    EXPECT_EQ(elsewhere.status, 0) << elsewhere.err.toStdString();
    EXPECT_EQ(elsewhere.fields().value(9), "276.221");

    QTemporaryDir alone;
    ASSERT_TRUE(alone.isValid());
    const QString copy = alone.filePath(QStringLiteral("tarvek-catalog"));
    const bool linked =
        ::link(TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog", QFile::encodeName(copy).constData()) == 0;
    if (!linked) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog"), copy));
    }
    const Ran withoutGases =
        flow(asked("iec", "Nitrogen", "70", "100", "80", "--cv", "0.23"), QStringLiteral("/"), alone.path());
    EXPECT_EQ(withoutGases.status, 3);
    EXPECT_TRUE(
        withoutGases.err.contains("cannot read the gases from " + alone.filePath("Gases.mdb").toUtf8()))
        << withoutGases.err.toStdString();
    // By values no database is needed.
    const Ran byValues = flow({"--method", "catalogue", "--sg", "1", "--k", "1.4", "--temperature-f", "70",
                               "--inlet-psig", "100", "--outlet-psig", "0", "--cv", "1.0"},
                              QStringLiteral("/"));
    EXPECT_EQ(byValues.status, 0) << byValues.err.toStdString();
    EXPECT_EQ(byValues.fields().value(9), "1922.9");

    QProcess shell;
    shell.start(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
         QStringLiteral("(" TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog --flow --method iec --sg 1 --k 1.4 "
                        "--temperature-f 70 --inlet-psig 100 --outlet-psig 0 --cv 1 "
                        "> /dev/full; echo \"status $?\" >&2)")});
    ASSERT_TRUE(shell.waitForFinished(30000));
    const QByteArray err = shell.readAllStandardError();
    EXPECT_TRUE(err.contains("status 3")) << err.toStdString();
    EXPECT_TRUE(err.contains("No space left on device")) << err.toStdString();
}

}  // namespace
