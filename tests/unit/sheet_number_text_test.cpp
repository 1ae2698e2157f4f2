// A sheet's number as its cell shows it, without grouping: the texts an import of a workbook
// reads, whichever program reads it. Expected texts as a spreadsheet shows these numbers in
// these formats (the serial day 45000 is 2023-03-15 by Python's datetime from 1899-12-30).
#include "rules/numbers/sheet_number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace tarvek;

TEST(SheetNumberText, AsTheFormatShowsItWithoutGrouping) {
    const struct {
        double value;
        const char* format;
        const char* shown;
    } cases[] = {
        {3, "", "3"},
        {3, "General", "3"},
        {12.5, "General", "12.5"},
        {0.1 + 0.2, "General", "0.3"},  // 15 significant digits, as a sheet keeps
        {-1234.5, "General", "-1234.5"},
        {1e20, "General", "1E+20"},
        {1.5e-10, "General", "1.5E-10"},
        {123456789012345678.0, "General", "1.23456789012346E+17"},
        {0.000123, "General", "0.000123"},
        {1234.5, "#,##0.00", "1234.50"},
        {1234.5, "#,##0", "1235"},
        {2.675, "0.00", "2.68"},  // 2.67499999… in binary, 2.675 to 15 digits
        {1.005, "0.00", "1.01"},
        {99.995, "0.00", "100.00"},
        {-12.5, "0", "-13"},  // half away from zero
        {0, "0.00", "0.00"},
        {0.125, "0.0%", "12.5%"},
        {0.125, "0%", "13%"},
        {0.05, "0%;[Red]-0%", "5%"},
        {7, "\"pcs\" 0", "7"},  // the words around the number are not its text
        {1234.5, "[$$-409]#,##0.00", "1234.50"},
        {5, "0.00E+00", "5"},
        {1.5, "# ?/?", "1.5"},
        {12, "@", "12"},
        {45000, "yyyy-mm-dd", "2023-03-15"},
        {45000, "mm-dd-yy", "2023-03-15"},
        {45000.5, "m/d/yy h:mm", "2023-03-15 12:00:00"},
        {61, "d-mmm-yy", "1900-03-01"},
        {10, "d-mmm-yy", "10"},  // before March 1900 the sheet's days are not the calendar's
    };
    for (const auto& c : cases)
        EXPECT_EQ(sheetNumberText(c.value, c.format), c.shown) << c.value << " " << c.format;
    EXPECT_EQ(sheetNumberText(std::numeric_limits<double>::quiet_NaN(), ""), "#NUM!");
    EXPECT_EQ(sheetNumberText(std::numeric_limits<double>::infinity(), "0.00"), "#NUM!");
    EXPECT_EQ(sheetNumberText(1e300, "0.00%"), "1E+300");
}

TEST(SheetNumberText, TheBuiltinFormatsByNumber) {
    EXPECT_EQ(builtinNumberFormat(0), "General");
    EXPECT_EQ(builtinNumberFormat(4), "#,##0.00");
    EXPECT_EQ(builtinNumberFormat(10), "0.00%");
    EXPECT_EQ(sheetNumberText(45000, builtinNumberFormat(14)), "2023-03-15");
    EXPECT_EQ(sheetNumberText(45000, builtinNumberFormat(31)), "2023-03-15");
    EXPECT_EQ(builtinNumberFormat(164), "");
    EXPECT_EQ(sheetBooleanText(true), "TRUE");
}

}  // namespace
