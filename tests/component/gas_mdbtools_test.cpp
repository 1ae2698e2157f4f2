// The files our Jet 4 writer makes, read by mdbtools' own programs: the shipped Gases.mdb
// and each kind of test file. Skipped where mdbtools is not installed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "gasreader/gas_database.h"
#include "tests/support/gas_databases.h"

namespace {

using tarvek::GasRecord;

// Runs one mdbtools program; its standard output, or nothing when it fails.
std::optional<std::string> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput().toStdString();
}

std::vector<std::vector<std::string>> tabSeparatedLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        std::vector<std::string> fields;
        for (std::size_t from = 0;;) {
            const auto tab = line.find('\t', from);
            fields.push_back(line.substr(from, tab - from));
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
        lines.push_back(fields);
    }
    return lines;
}

// mdb-export writes doubles with 16 digits (0.07000000000000001): compare the numbers.
void expectSameRows(const std::string& exported, const std::vector<GasRecord>& records,
                    const std::string& what) {
    const auto lines = tabSeparatedLines(exported);
    ASSERT_EQ(lines.size(), records.size()) << what;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 3u) << what << " row " << i;
        EXPECT_EQ(lines[i][0], records[i].name) << what << " row " << i;
        for (int v = 1; v <= 2; ++v) {
            const std::string& ours = v == 1 ? records[i].specificGravity : records[i].specificHeat;
            if (ours.empty())
                EXPECT_EQ(lines[i][std::size_t(v)], "") << what << " row " << i;
            else
                EXPECT_DOUBLE_EQ(std::stod(lines[i][std::size_t(v)]), std::stod(ours))
                    << what << " row " << i;
        }
    }
}

class Mdbtools : public ::testing::Test {
  protected:
    void SetUp() override {
        mdbTables = QStandardPaths::findExecutable(QStringLiteral("mdb-tables"));
        mdbExport = QStandardPaths::findExecutable(QStringLiteral("mdb-export"));
        if (mdbTables.isEmpty() || mdbExport.isEmpty()) GTEST_SKIP() << "mdbtools is not installed";
    }

    void expectReadable(const QString& path, const std::string& what) {
        EXPECT_EQ(run(mdbTables, {QStringLiteral("-1"), path}), "Gas Data\n") << what;
        const auto exported =
            run(mdbExport, {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-d"),
                            QStringLiteral("\t"), path, QStringLiteral("Gas Data")});
        ASSERT_TRUE(exported) << what;
        const auto ours = tarvek::readGasDatabase(path.toStdString());
        ASSERT_TRUE(ours) << what;
        expectSameRows(*exported, *ours, what);
    }

    QString mdbTables, mdbExport;
};

TEST_F(Mdbtools, ReadTheShippedDatabase) {
    const QString shipped = gastest::runtimeFile("Gases.mdb");
    expectReadable(shipped, "Gases.mdb");
    EXPECT_EQ(run(QStandardPaths::findExecutable(QStringLiteral("mdb-ver")), {shipped}), "JET4\n");
}

TEST_F(Mdbtools, ReadEveryKindOfTestDatabase) {
    QTemporaryDir dir;
    const std::vector<std::pair<std::string, std::vector<gastest::GasRow>>> files = {
        {"three gases", gastest::threeGases()},
        {"empty table", {}},
        {"duplicates and an apostrophe", {{"Air", 1, 1.4}, {"Air", 2, 1.3}, {"Ol' Reliable", 1.5, 1.3}}},
        {"missing values and k = 1", {{"No k", 1.0, std::nullopt}, {"No gravity", std::nullopt, 1.0}}},
        {"non-ASCII and 50 characters",
         {{"Stickstoff f\xc3\xbcr K\xc3\xa4lte", 0.967, 1.4},
          {"\xce\x91\xcf\x81\xce\xb3\xcf\x8c", 1.38, 1.667},
          {std::string(50, 'n'), 1, 1.4}}},
        {"2,000 rows", gastest::manyGases(2000)},
    };
    for (const auto& [what, rows] : files) {
        const QString path = dir.filePath(QString::fromStdString(what) + ".mdb");
        ASSERT_TRUE(gastest::save(path, gastest::gasFile(rows)));
        expectReadable(path, what);
    }
}

}  // namespace
