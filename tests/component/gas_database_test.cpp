// Every kind of file the Jet 4 writer makes, read back with libmdb (in this process: these
// files are sound; damaged ones are only ever read by the reader program).
#include "gasreader/gas_database.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/gas_databases.h"

namespace {

using tarvek::GasRecord;
using tarvek::gasdb::GasRow;
namespace jet4 = tarvek::jet4;

class GasDatabaseFile : public ::testing::Test {
  protected:
    QTemporaryDir dir;

    std::optional<std::vector<GasRecord>> readBack(const gastest::Bytes& bytes) {
        const QString path = dir.filePath("Gases.mdb");
        EXPECT_TRUE(gastest::save(path, bytes));
        return tarvek::readGasDatabase(path.toStdString());
    }
    std::optional<std::vector<GasRecord>> readBack(const std::vector<GasRow>& rows) {
        return readBack(gastest::gasFile(rows));
    }
};

TEST_F(GasDatabaseFile, RowsInTableOrderWithTheirValuesAsText) {
    const std::vector<GasRecord> expected = {
        {"Air", "1", "1.4"}, {"Oxygen", "1.105", "1.4"}, {"Helium", "0.138", "1.667"}};
    EXPECT_EQ(readBack(gastest::threeGases()), expected);
    // libmdb's own text would be 0.07000000000000001.
    EXPECT_EQ(readBack({{"Hydrogen", 0.07, 1.41}}), (std::vector<GasRecord>{{"Hydrogen", "0.07", "1.41"}}));
}

TEST_F(GasDatabaseFile, TheCasesTheCalculatorMeets) {
    const std::string fiftyCharacters(50, 'x');
    const std::string greek = "\xce\x91\xcf\x81\xce\xb3\xcf\x8c";  // not in the compressed form
    const std::string latin = "Stickstoff f\xc3\xbcr K\xc3\xa4lte";
    struct Case {
        const char* what;
        std::vector<GasRow> rows;
        std::vector<GasRecord> expected;
    };
    const Case cases[] = {
        {"empty table", {}, {}},
        {"duplicate names",
         {{"Air", 1.0, 1.4}, {"Air", 2.0, 1.3}},
         {{"Air", "1", "1.4"}, {"Air", "2", "1.3"}}},
        {"apostrophe", {{"Ol' Reliable", 1.5, 1.3}}, {{"Ol' Reliable", "1.5", "1.3"}}},
        {"missing values",
         {{"No gravity", std::nullopt, 1.4},
          {"No k", 1.0, std::nullopt},
          {"Nothing", std::nullopt, std::nullopt}},
         {{"No gravity", "", "1.4"}, {"No k", "1", ""}, {"Nothing", "", ""}}},
        {"k of 1", {{"Isothermal", 1.0, 1.0}}, {{"Isothermal", "1", "1"}}},
        {"names",
         {{latin, 1, 1.4}, {greek, 1, 1.4}, {fiftyCharacters, 1, 1.4}, {"", 1, 1.4}},
         {{latin, "1", "1.4"}, {greek, "1", "1.4"}, {fiftyCharacters, "1", "1.4"}, {"", "1", "1.4"}}},
        {"extreme values",
         {{"Tiny", 1e-300, -0.5}, {"Huge", 1.7e308, 123456789012345.0}},
         {{"Tiny", "1E-300", "-0.5"}, {"Huge", "1.7E+308", "123456789012345"}}},
    };
    for (const Case& c : cases) EXPECT_EQ(readBack(c.rows), c.expected) << c.what;
}

TEST_F(GasDatabaseFile, TwoThousandRowsOverManyPages) {
    const auto records = readBack(gastest::manyGases(2000));
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2000u);
    EXPECT_EQ(records->front(), (GasRecord{"Test gas 1", "0.5", "1.3"}));
    EXPECT_EQ(records->back(), (GasRecord{"Test gas 2000", "2.499", "1.3"}));
}

TEST_F(GasDatabaseFile, NoTableNoFieldsNoFileIsNoDatabase) {
    EXPECT_FALSE(readBack(jet4::writeDatabase({}).bytes));
    EXPECT_FALSE(
        readBack(jet4::writeDatabase({tarvek::gasdb::gasTable(gastest::threeGases(), "Gases")}).bytes));
    jet4::Table renamedField = tarvek::gasdb::gasTable(gastest::threeGases());
    renamedField.columns[2].name = "Heat Ratio";
    EXPECT_FALSE(readBack(jet4::writeDatabase({renamedField}).bytes));
    jet4::Table textNames = tarvek::gasdb::gasTable({});
    textNames.columns[0].type = jet4::ColumnType::Double;  // "Gas Name" must be text
    EXPECT_FALSE(readBack(jet4::writeDatabase({textNames}).bytes));
    EXPECT_FALSE(tarvek::readGasDatabase(dir.filePath("missing.mdb").toStdString()));
    EXPECT_FALSE(readBack(gastest::Bytes{}));
}

// The gas table among others, with values of other number kinds, is found and read.
TEST_F(GasDatabaseFile, FindsTheTableAmongOthers) {
    const jet4::Table other{
        "Other", {{"Gas Name", jet4::ColumnType::Text}}, {{std::string("not a gas")}}, {}};
    jet4::Table gases{"GAS DATA",
                      {{"Specific Heat", jet4::ColumnType::Text},
                       {"Gas Name", jet4::ColumnType::Text},
                       {"Specific Gravity", jet4::ColumnType::LongInteger}},
                      {{std::string("1.30"), std::string("Steam"), std::int64_t{1}},
                       {std::string("n/a"), std::string("Mystery"), std::int64_t{2}}},
                      {}};
    const std::vector<GasRecord> expected = {{"Steam", "1", "1.3"}, {"Mystery", "2", ""}};
    EXPECT_EQ(readBack(jet4::writeDatabase({other, gases}).bytes), expected);
}

TEST(Jet4Writer, RefusesWhatTheFormatCannotHold) {
    const auto write = [](std::vector<jet4::Value> row) {
        jet4::Table table = tarvek::gasdb::gasTable({});
        table.rows.push_back(std::move(row));
        return jet4::writeDatabase({table});
    };
    EXPECT_THROW(write({std::string(256, 'x'), 1.0, 1.4}), jet4::WriteError);
    EXPECT_THROW(write({std::string("\xff"), 1.0, 1.4}), jet4::WriteError);              // not UTF-8
    EXPECT_THROW(write({std::string("\xf0\x9f\x98\x80"), 1.0, 1.4}), jet4::WriteError);  // beyond UCS-2
    EXPECT_THROW(write({std::string("Air"), 1.0}), jet4::WriteError);
    EXPECT_THROW(write({1.0, 1.0, 1.4}), jet4::WriteError);
    EXPECT_NO_THROW(write({std::string(255, 'x'), 1.0, 1.4}));
}

TEST(GasCsv, ReadsNamesAndNumbersInTheCLocale) {
    const auto rows =
        tarvek::gasdb::readGasCsv("Gas Name,Specific Gravity,Specific Heat\r\nAir,1,1.4\r\nOdd,,0.07\n\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Air");
    EXPECT_EQ(rows[1].specificGravity, std::nullopt);
    EXPECT_EQ(rows[1].specificHeat, 0.07);
    EXPECT_THROW(tarvek::gasdb::readGasCsv("Name,SG,k\nAir,1,1.4\n"), std::runtime_error);
    EXPECT_THROW(tarvek::gasdb::readGasCsv("Gas Name,Specific Gravity,Specific Heat\nAir,1;4,1.4\n"),
                 std::runtime_error);
    EXPECT_THROW(tarvek::gasdb::readGasCsv("Gas Name,Specific Gravity,Specific Heat\nAir,1\n"),
                 std::runtime_error);
}

}  // namespace
