// The calculator over gas databases of every kind, each in a folder of its own as the
// data folder: what the list shows, which record a choice finds, and damaged files
// that must leave the window whole and usable.
#include <QDir>
#include <QTemporaryDir>

#include "app/calculator/calculator_page.h"
#include "app/warning.h"
#include "rules/numbers/number_text.h"
#include "tests/support/data_folder_scope.h"
#include "tests/support/gas_databases.h"
#include "tests/window/window_driver.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

using gastest::GasRow;

std::vector<std::string> namesOf(const std::vector<GasRow>& rows) {
    std::vector<std::string> names;
    for (const GasRow& row : rows) names.push_back(row.name);
    return names;
}

class CalculatorDatabase : public ::testing::Test {
  protected:
    CalculatorDatabase() {
        previous_ = tarvek::replaceWarningFunction([this](QWidget*, const QString& prompt, const QString&) {
            warnings.push_back(prompt.toStdString());
        });
    }
    ~CalculatorDatabase() override { tarvek::replaceWarningFunction(previous_); }

    QString databasePath() const { return dir.filePath("Gases.mdb"); }

    // Starts the window with this Gases.mdb in its data folder.
    std::unique_ptr<WindowDriver> start(const gastest::Bytes& bytes) {
        EXPECT_TRUE(gastest::save(databasePath(), bytes));
        return start();
    }
    std::unique_ptr<WindowDriver> start() {
        const tarvek::testing::DataFolderScope data(dir.path());
        return std::make_unique<WindowDriver>();
    }

    // The rest of the window works: the calculator's checks and the configurator.
    void expectUsable(WindowDriver& d) {
        const std::size_t before = warnings.size();
        d.setText("txtCv", "");
        d.type("txtCv", "-");
        EXPECT_EQ(warnings.size(), before + 1);
        d.choose("lstProductType", "Diaphragm Valves");
        EXPECT_TRUE(d.list("lstBody")->isEnabled());
    }

    QTemporaryDir dir;
    std::vector<std::string> warnings;

  private:
    tarvek::WarningFunction previous_;
};

TEST_F(CalculatorDatabase, AnEmptyTableGivesAnEmptyListAndNoResult) {
    const auto d = start(gastest::gasFile({}));
    EXPECT_TRUE(d->entries("lstGasName").empty());
    d->setText("txtInletPressure", "100");
    d->setText("txtOutletPressure", "0");
    EXPECT_EQ(d->text("lblMassFlow"), "");
    EXPECT_EQ(d->text("txtXtFactor"), "0.47");
}

TEST_F(CalculatorDatabase, ADuplicateNameYieldsTheFirstRecord) {
    const auto d = start(gastest::gasFile({{"Air", 1.0, 1.4}, {"Helium", 0.138, 1.667}, {"Air", 2.0, 1.3}}));
    EXPECT_EQ(d->entries("lstGasName"), (std::vector<std::string>{"Air", "Helium", "Air"}));
    WindowDriver::chooseIndex(d->list("lstGasName"), 2);
    EXPECT_EQ(d->text("lblSpecificGravity"), "1");
    EXPECT_EQ(d->text("lblSpecificHeat"), "1.4");
    EXPECT_EQ(d->text("txtXtFactor"), "0.472");
}

TEST_F(CalculatorDatabase, NamesAreFoundExactlyApostrophesAndAll) {
    const std::string greek = "\xce\x91\xcf\x81\xce\xb3\xcf\x8c";
    const std::string fifty = "Fifty characters of gas name, no more and no less.";
    ASSERT_EQ(fifty.size(), 50u);
    const std::vector<GasRow> rows = {{"Ol' Reliable", 1.5, 1.3},
                                      {"Ol' Reliable ", 2.5, 1.1},
                                      {"Stickstoff f\xc3\xbcr K\xc3\xa4lte", 0.967, 1.4},
                                      {greek, 1.38, 1.667},
                                      {fifty, 0.5, 1.4},
                                      {"' OR ''='", 3.0, 1.3}};
    const auto d = start(gastest::gasFile(rows));
    EXPECT_EQ(d->entries("lstGasName"), namesOf(rows));
    for (const GasRow& row : rows) {
        d->choose("lstGasName", row.name);
        EXPECT_EQ(tarvek::leadingNumber(d->text("lblSpecificGravity")), *row.specificGravity) << row.name;
    }
}

TEST_F(CalculatorDatabase, MissingValuesAndAKOfOneLeaveXtAsItWas) {
    const auto d = start(gastest::gasFile({{"Air", 1.0, 1.4},
                                           {"No k", 1.2, std::nullopt},
                                           {"Isothermal", 1.0, 1.0},
                                           {"Odd", 1.0, -3.0},
                                           {"No gravity", std::nullopt, 1.3}}));
    d->setText("txtInletPressure", "100");
    d->setText("txtOutletPressure", "0");
    d->choose("lstGasName", "Air");
    ASSERT_EQ(d->text("txtXtFactor"), "0.472");
    ASSERT_EQ(d->text("lblMassFlow"), "1922.9");

    d->choose("lstGasName", "No k");
    EXPECT_EQ(d->text("lblSpecificGravity"), "1.2");
    EXPECT_EQ(d->text("lblSpecificHeat"), "");
    EXPECT_EQ(d->text("txtXtFactor"), "0.472");
    EXPECT_EQ(d->text("lblMassFlow"), "1755.3");

    for (const char* gas : {"Isothermal", "Odd"}) {
        d->choose("lstGasName", gas);
        EXPECT_EQ(d->text("txtXtFactor"), "0.472") << gas;
    }

    d->choose("lstGasName", "No gravity");  // no specific gravity, no calculation
    EXPECT_EQ(d->text("lblSpecificGravity"), "");
    EXPECT_EQ(d->text("txtXtFactor"), "0.455");
    EXPECT_EQ(d->text("lblMassFlow"), "1922.9");
    EXPECT_TRUE(warnings.empty());
}

TEST_F(CalculatorDatabase, TwoThousandRows) {
    const auto d = start(gastest::gasFile(gastest::manyGases(2000)));
    const auto names = d->entries("lstGasName");
    ASSERT_EQ(names.size(), 2000u);
    EXPECT_EQ(names.back(), "Test gas 2000");
    d->choose("lstGasName", "Test gas 2000");
    EXPECT_EQ(d->text("lblSpecificGravity"), "2.499");
}

TEST_F(CalculatorDatabase, NoDatabaseLeavesAnEmptyListAndAUsableWindow) {
    {
        const auto d = start();  // no Gases.mdb at all
        EXPECT_EQ(tarvek::readGasRecords(databasePath()).status, tarvek::GasReadStatus::NoTable);
        EXPECT_TRUE(d->entries("lstGasName").empty());
        expectUsable(*d);
    }
    {
        const auto d = start(
            tarvek::jet4::writeDatabase({tarvek::gasdb::gasTable(gastest::threeGases(), "Gases")}).bytes);
        EXPECT_TRUE(d->entries("lstGasName").empty());
        expectUsable(*d);
    }
    {
        ASSERT_TRUE(gastest::save(databasePath(), gastest::gasFile(gastest::threeGases())));
        tarvek::setGasReaderProgram(dir.filePath("no-such-reader"));
        EXPECT_EQ(tarvek::readGasRecords(databasePath()).status, tarvek::GasReadStatus::NotStarted);
        const auto d = start();
        gastest::useRuntimeReader();
        EXPECT_TRUE(d->entries("lstGasName").empty());
        expectUsable(*d);
    }
}

// libmdb's crash (a flipped byte of the usage map's row pointer) and its endless loop (a
// property chunk of length 0) happen in the reader; the window reads no database.
TEST_F(CalculatorDatabase, TheReaderTakesLibmdbsCrashesAndLoops) {
    const auto written = tarvek::gasdb::gasDatabase(gastest::threeGases());
    gastest::Bytes crashing = written.bytes;
    crashing[written.definitionPages.front() * tarvek::jet4::kPageSize + 55] ^= 0xFF;
    ASSERT_TRUE(gastest::save(databasePath(), crashing));
    EXPECT_EQ(tarvek::readGasRecords(databasePath()).status, tarvek::GasReadStatus::Crashed);
    {
        const auto d = start();
        EXPECT_TRUE(d->entries("lstGasName").empty());
        expectUsable(*d);
    }

    tarvek::jet4::Table looping = tarvek::gasdb::gasTable(gastest::threeGases());
    looping.properties = gastest::zeroLengthPropertyChunk();
    ASSERT_TRUE(gastest::save(databasePath(), tarvek::jet4::writeDatabase({looping}).bytes));
    EXPECT_EQ(tarvek::readGasRecords(databasePath()).status, tarvek::GasReadStatus::TimedOut);
    {
        const auto d = start();
        EXPECT_TRUE(d->entries("lstGasName").empty());
        expectUsable(*d);
    }
}

// Every damaged copy read as at start-up: the list is the right one or empty.
TEST_F(CalculatorDatabase, DamagedCopiesGiveTheRightListOrNone) {
    const auto rows = gastest::threeGases();
    const auto d = start(gastest::gasFile(rows));
    ASSERT_EQ(d->entries("lstGasName"), namesOf(rows));
    int empty = 0;
    for (const auto& copy : gastest::damagedCopies(rows)) {
        ASSERT_TRUE(gastest::save(databasePath(), copy.bytes));
        d->window.calculator().fillGasList();
        const auto names = d->entries("lstGasName");
        EXPECT_TRUE(names.empty() || names == namesOf(rows)) << copy.what;
        empty += names.empty();
    }
    EXPECT_GT(empty, 0);
    expectUsable(*d);
}

// A window of its own for damaged copies of every kind (every 11th byte flipped, libmdb's
// crash at byte 55 among them): it starts, and the rest of it works.
TEST_F(CalculatorDatabase, DamagedCopiesNeverTakeTheWindowDown) {
    const auto rows = gastest::threeGases();
    for (const auto& copy : gastest::damagedCopies(rows, 11)) {
        const auto d = start(copy.bytes);
        const auto names = d->entries("lstGasName");
        EXPECT_TRUE(names.empty() || names == namesOf(rows)) << copy.what;
        expectUsable(*d);
    }
}

}  // namespace
