// The program on the command line: part numbers decoded to CSV without a window, from the
// arguments or standard input; exit statuses; help and version; bad input of every kind.
#include "app/cli/command_line.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringDecoder>

namespace {

struct Ran {
    int status = -1;
    QByteArray out, err;
    QList<QByteArray> lines() const { return out.split('\n'); }
};

Ran run(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess program;
    program.setProgram(QStringLiteral(TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog"));
    program.setArguments(arguments);
    program.start();
    program.write(input);
    program.closeWriteChannel();
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

const QByteArray kHeader =
    "part_number,status,list_price,product_type,body,model,porting,connection_1,connection_2,connection_3,"
    "connection_4,seat,handle,lever,non_standard,explanation,catalogue_part_number\r";

TEST(CommandLine, DecodesToCsvWithoutAWindow) {
    // No display at all: the decoder must not need one.
    const Ran r =
        run({"--decode", "J310-MX2-2A-MXFX-VS-BK-LS", "-MX2", "T403-GN1-2A-MXFX", "A310-MX3-4A-M8M8X"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const auto lines = r.lines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1],
              "J310-MX2-2A-MXFX-VS-BK-LS,ok,367.5,Diaphragm Valves,MX2 - Standard Series,\"J310 --- Manual, "
              "Tee Knob, "
              "LOTO\",2A,\"M - Male Face Seal, 1/4 inch\",,\"F - Female Face Seal, 1/4 inch\",,VS - Vespel "
              "Seat,BK - "
              "Black,LS - Lever Handle,no,,J310-MX2-2A-MXFX-VS-BK-LS\r");
    EXPECT_EQ(lines[2], "-MX2,ok,140,Diaphragm Valves,MX2 - Standard Series,,,,,,,,,,no,,-MX2\r");
    EXPECT_TRUE(lines[3].startsWith("T403-GN1-2A-MXFX,ok,610,Pressure Regulators,GN1 - Miniature Series,"));
    // Of two configurations, the one with the fewest choices and then the series' first
    // connection 1; 110 + 170 + 50 + 30 + 10 + 35.
    EXPECT_TRUE(
        r.out.endsWith("\r\nA310-MX3-4A-M8M8X,ambiguous,405,Diaphragm Valves,MX3 - High Flow Series,\"A310 "
                       "--- Air-Op N.C., Low "
                       "Pressure\",4A,\"M - Male Face Seal, 1/4 inch Hi Flo\",\"8 - Tube Stub, 1/2 "
                       "inch\",\"M8 - Male Face Seal, 1/2 "
                       "inch\",,PCTFE (standard seat),,,yes,\"2 configurations give this part number; the "
                       "one with the fewest "
                       "choices is shown.\nConnection 2: \"\"8 - Tube Stub, 1/2 inch\"\" is not standard on "
                       "MX3 with porting "
                       "4A\",A310-MX3-4A-M8M8X\r\n"))
        << r.out.toStdString();
}

TEST(CommandLine, ExitStatusSaysWhetherEveryNumberWasDecoded) {
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"--decode", "A310-MX2"}, 0},
        {{"--decode", "A310-MX3-4A-M8M8X"}, 0},  // ambiguous is decoded
        {{"--decode", "A310-MX2", "nonsense"}, 1},
        {{"--decode"}, 2},
        {{"--part"}, 2},
        {{"--help"}, 0},
        {{"-h"}, 0},
        {{"--version"}, 0},
        // Nothing goes with help or the version, and --decode has no options.
        {{"--version", "extra"}, 2},
        {{"--help", "--decode", "A310"}, 2},
        {{"--decode", "A310-MX2", "--standard-only"}, 2},
    };
    for (const auto& c : cases) {
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments.join(' ').toStdString();
        if (c.status == 2) {
            EXPECT_TRUE(r.err.contains("Usage:")) << c.arguments.join(QLatin1Char(32)).toStdString();
        }
    }
    EXPECT_TRUE(run({"--help"}).out.contains("--decode"));
    EXPECT_TRUE(run({"--version", "extra"}).err.startsWith("tarvek-catalog: --version stands alone"));
    EXPECT_TRUE(run({"--decode", "-MX2", "--standard-only"})
                    .err.startsWith("tarvek-catalog: \"--standard-only\" is not an option of --decode"));
    EXPECT_EQ(run({"--version"}).out, "tarvek-catalog 130205\n");
}

// Blank lines are skipped; a byte-order mark before the first line too; the catalogue's own
// writing of the number comes last.
TEST(CommandLine, ReadsOneNumberPerLineFromStandardInput) {
    const Ran r = run({"--decode", "-"},
                      "\xEF\xBB\xBF"
                      "a310-mx2-2a-mxfx-vs \r\nKL-01-KZ\n\n  \t\nA310-MX2-9Z\n-\nT403-GN1");
    EXPECT_EQ(r.status, 1);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[1].startsWith("a310-mx2-2a-mxfx-vs,ok,350,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(",A310-MX2-2A-MXFX-VS\r")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("KL-01-KZ,ok,200,Flow Components,Check Valve,"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("A310-MX2-9Z,unknown,,")) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].contains("a porting (-2A"));
    EXPECT_TRUE(lines[3].endsWith(",\r")) << "no catalogue number for an unknown one";
    EXPECT_TRUE(lines[4].startsWith("-,unknown,")) << lines[4].toStdString();
    EXPECT_TRUE(lines[5].startsWith("T403-GN1,ok,")) << "the last line needs no line end";
    EXPECT_EQ(lines[6], "");
}

TEST(CommandLine, ABlankInputGivesTheHeaderAlone) {
    const Ran r = run({"--decode", "-"}, "\n   \n\r\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kHeader + '\n');
}

// Whatever arrives on standard input, the answer is one valid UTF-8 CSV row per line.
TEST(CommandLine, BadInputGetsAClearAnswer) {
    const QByteArray bad[] = {
        QByteArray(100000, 'A'),
        QByteArray("A310\x01\x02-MX2\x1b[31m"),
        QByteArray("\xff\xfe\xc3(A310-MX2\x80"),
        QByteArray("A310,\"MX2\""),
    };
    for (const QByteArray& line : bad) {
        const Ran r = run({"--decode", "-"}, line + '\n');
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(isUtf8(r.out)) << line.left(40).toStdString();
        EXPECT_TRUE(r.out.startsWith(kHeader));
        EXPECT_LT(r.out.size(), 2000) << "a garbage line is not echoed whole";
        EXPECT_TRUE(r.out.contains(",unknown,"));
    }
}

// Anything the program does not know is a usage error, told before any window or display is
// needed; the program runs here without one.
TEST(CommandLine, UnknownOptionsAndWrongArityAreUsageErrors) {
    const QStringList wrong[] = {{"--bogus"},  {"--decode=X"},       {"-decode"},
                                 {"--Decode"}, {"--part", "a", "b"}, {"--part", "a", "--part", "b"},
                                 {"extra"}};
    for (const QStringList& arguments : wrong) {
        const Ran r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage:")) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

// Output that cannot be written, input that cannot be read: said on standard error, status 3.
TEST(CommandLine, FailedInputAndOutputAreReported) {
    const auto shell = [](const QString& command) {
        QProcess program;
        program.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
        EXPECT_TRUE(program.waitForFinished(30000));
        return Ran{program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
    };
    // The tool's exit status is told on standard error, as the last command of a pipe sets the shell's.
    const QString tool = QStringLiteral("(" TARVEK_TEST_RUNTIME_DIR "/tarvek-catalog");
    const QString status = QStringLiteral("; echo \"status $?\" >&2)");
    const struct {
        QString command;
        const char* reason;
    } cases[] = {
        {tool + " --decode A310-MX2 > /dev/full" + status, "No space left on device"},
        {tool + " --decode A310-MX2 >&-" + status, "Bad file descriptor"},
        {tool + " --decode A310-MX2 1< /dev/null" + status, "Bad file descriptor"},
        {tool + " --decode - < /" + status, "Is a directory"},
        {tool + " --version > /dev/full" + status, "No space left on device"},
        // A reader that went away, with SIGPIPE ignored as some shells and services do.
        {"trap '' PIPE; yes A310-MX2 | head -c 10000000 | " + tool + " --decode -" + status +
             " | head -c 1 > /dev/null",
         "Broken pipe"},
    };
    for (const auto& c : cases) {
        const Ran r = shell(c.command);
        EXPECT_TRUE(r.err.contains("status 3")) << c.command.toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.reason)) << c.command.toStdString() << ": " << r.err.toStdString();
    }
}

TEST(CommandLine, OptionsOfTheProgramAndOfQt) {
    const auto parse = [](std::vector<const char*> args) {
        args.insert(args.begin(), "tarvek-catalog");
        return tarvek::parseCommandLine(int(args.size()), args.data());
    };
    using Action = tarvek::CommandLine::Action;
    EXPECT_EQ(parse({}).action, Action::Window);
    EXPECT_EQ(parse({"-platform", "offscreen"}).action, Action::Window);  // left to Qt
    EXPECT_EQ(parse({"-style=fusion", "-reverse"}).action, Action::Window);
    EXPECT_EQ(parse({"-platform"}).action, Action::UsageError);
    EXPECT_EQ(parse({"--part", "A310-MX2"}).part, "A310-MX2");
    EXPECT_EQ(parse({"--part=-MX2"}).part, "-MX2");
    // A quote document opens in the window (a file manager hands it over); one at a time, and
    // any other operand is still a mistake.
    EXPECT_EQ(parse({"quotes/Q 7.tquote"}).quote, "quotes/Q 7.tquote");
    EXPECT_EQ(parse({"--part", "-MX2", "Q.TQUOTE"}).action, Action::Window);
    EXPECT_EQ(parse({"a.tquote", "b.tquote"}).action, Action::UsageError);
    EXPECT_EQ(parse({"a.tquote", "--decode", "-MX2"}).action, Action::UsageError);
    EXPECT_EQ(parse({"quote.csv"}).action, Action::UsageError);
    EXPECT_EQ(parse({".tquote"}).action, Action::UsageError);
    // A part number may begin with a dash, none with two: after --decode they are no number.
    EXPECT_EQ(parse({"--decode", "-MX2", "-"}).numbers, (std::vector<std::string>{"-MX2", "-"}));
    EXPECT_EQ(parse({"--decode", "-MX2", "--help"}).action, Action::UsageError);
}

}  // namespace
