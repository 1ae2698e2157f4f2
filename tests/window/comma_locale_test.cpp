// The window under a locale whose decimal separator is a comma: prices, the discount and the
// calculator still read and write numbers with a period. ctest runs this in a process of its
// own under de_DE.UTF-8, since Qt sets the C library's locale from the environment when the
// application starts; in any other process, or without that locale, it is skipped.
#include <clocale>

#include "tests/support/gas_databases.h"
#include "tests/window/window_driver.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

TEST(CommaLocale, PricesAndTheCalculatorKeepThePeriod) {
    if (std::string_view(std::localeconv()->decimal_point) != ",")
        GTEST_SKIP() << "not under a comma-decimal locale (ctest runs this under de_DE.UTF-8)";
    WindowDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "J310 --- Manual, Tee Knob, LOTO");
    d.click("optVSKZ");
    d.click("optBK");
    d.click("chkLS");
    EXPECT_EQ(d.text("lblPrice"), "297.5");
    d.setText("txtDiscount", "0.3");
    EXPECT_EQ(d.text("lblNetPrice"), "296.6");  // 296.6075: 297.5 less 0.3 %, cut down to whole cents

    d.setText("txtInletPressure", "100");
    d.setText("txtOutletPressure", "0");
    d.choose("lstGasName", "Air");
    EXPECT_EQ(d.text("txtXtFactor"), "0.472");
    EXPECT_EQ(d.text("lblMassFlow"), "1922.9");
    d.click("optCv");
    EXPECT_EQ(d.text("lblCv"), "0.999");
}

}  // namespace
