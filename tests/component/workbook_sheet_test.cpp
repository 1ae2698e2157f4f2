// The reader of workbooks (XLSX) on the workbooks of the fuzz corpus (tests/fuzz/corpus/
// workbook_sheet, written by Python's zipfile): the texts a sheet shows, by the sheet's name
// or the first; and every hostile or damaged file refused with a problem that says why,
// never read in part.
#include "platform/workbook_sheet.h"

#include <gtest/gtest.h>

#include <QFile>
#include <string>

namespace {

using namespace tarvek;

std::string corpusFile(const char* name) {
    QFile file(QStringLiteral(TARVEK_WORKBOOK_CORPUS "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "no " << name;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::vector<std::vector<std::string>> texts(const SheetReading& sheet) {
    std::vector<std::vector<std::string>> rows;
    for (const CellRow& row : sheet.rows) {
        rows.push_back({std::to_string(row.number)});
        rows.back().insert(rows.back().end(), row.cells.begin(), row.cells.end());
    }
    return rows;
}

TEST(WorkbookSheet, TheTextsTheSheetShowsStoredOrPacked) {
    const std::vector<std::vector<std::string>> expected = {
        {"1", "part_number", "quantity", "discount"},
        // Rich text runs joined, the phonetic guide left out; a formula's value; 0.125 as "0.0%".
        {"3", "A310-MX2-2A-MXFX-VS", "3", "12.5%"},
        // A row without its number follows the last; "_x005F_" an underscore, "_x001B_" ESC; money
        // without grouping; a date; TRUE; an error; a formula's text.
        {"4", "a_x0041_b\x1B", "1234.50", "2023-03-15", "TRUE", "#N/A", "x"},
    };
    for (const char* name : {"stored.xlsx", "deflated.xlsx"}) {
        const SheetReading sheet = readWorkbookSheet(corpusFile(name), "Lines");
        EXPECT_EQ(sheet.problem, "") << name;
        EXPECT_EQ(texts(sheet), expected) << name;
    }
    // Another sheet by its name; without one of the name, the first of the workbook.
    const std::vector<std::vector<std::string>> quote = {{"1", "Quote number"}};
    EXPECT_EQ(texts(readWorkbookSheet(corpusFile("stored.xlsx"), "Quote")), quote);
    EXPECT_EQ(texts(readWorkbookSheet(corpusFile("stored.xlsx"), "Lines ")), quote);
}

TEST(WorkbookSheet, AHostileOrDamagedFileIsRefusedWithTheReason) {
    const struct {
        const char* name;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"a text", "part_number,quantity\nA310-MX2,1\n", "it is not an Excel workbook (XLSX)"},
        {"nothing", "", "it is not an Excel workbook (XLSX)"},
        {"a zip's start alone", corpusFile("not_a_zip.xlsx"),
         "it is damaged: its zip archive cannot be read"},
        {"larger than a workbook may be", "PK\x03\x04" + std::string(kLargestWorkbook, 'x'),
         "it is larger than 64 MiB"},
        {"a zip bomb", corpusFile("bomb.xlsx"),
         "its part xl/worksheets/sheet1.xml is larger than 256 MiB unpacked"},
        {"entities declared", corpusFile("dtd.xlsx"),
         "it is damaged: its part xl/worksheets/sheet1.xml holds a document type declaration"},
        {"a part missing", corpusFile("no_sheet_part.xlsx"),
         "it is damaged: its part xl/worksheets/sheet1.xml is missing"},
        {"a shared text it does not have", corpusFile("bad_shared_index.xlsx"),
         "it is damaged: its part xl/worksheets/sheet1.xml names a shared text it does not have"},
        {"XML cut short", corpusFile("cut_xml.xlsx"),
         "it is damaged: its part xl/worksheets/sheet1.xml is not well-formed XML (line 1: "},
    };
    for (const auto& c : cases) {
        const SheetReading sheet = readWorkbookSheet(c.bytes, "Lines");
        EXPECT_TRUE(sheet.problem.starts_with(c.problem)) << c.name << ": " << sheet.problem;
        EXPECT_TRUE(sheet.rows.empty()) << c.name;
    }
}

// The archive's directory, read without unpacking (what the browser checks before its
// workbook library unpacks anything): the parts as Python's zipfile lists them.
TEST(WorkbookArchive, ThePartsAsTheDirectoryListsThem) {
    const WorkbookArchive archive = workbookArchive(corpusFile("deflated.xlsx"));
    EXPECT_EQ(archive.problem, "");
    ASSERT_EQ(archive.parts.size(), 8u);
    EXPECT_EQ(archive.parts[6].name, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(archive.parts[6].size, 535u);
    EXPECT_EQ(archive.parts[6].packedSize, 266u);
    EXPECT_EQ(archive.parts[6].method, 8);
    EXPECT_EQ(archive.parts[6].dataAt, 1437u + 30 + 24);  // after its local header and name
    EXPECT_EQ(workbookArchive(corpusFile("stored.xlsx")).parts[0].method, 0);

    std::string encrypted = corpusFile("stored.xlsx");
    const std::size_t directory = encrypted.find("PK\x01\x02");
    ASSERT_NE(directory, std::string::npos);
    encrypted[directory + 8] |= 1;
    EXPECT_EQ(workbookArchive(encrypted).problem, "it is encrypted");
    EXPECT_EQ(readWorkbookSheet(encrypted, "Lines").problem, "it is encrypted");
    EXPECT_EQ(workbookArchive(corpusFile("bomb.xlsx")).problem,
              "its part xl/worksheets/sheet1.xml is larger than 256 MiB unpacked");
}

}  // namespace
