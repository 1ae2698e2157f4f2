#include "rules/configurator/pricing.h"

#include <gtest/gtest.h>

namespace tarvek {
namespace {

TEST(ListPrice, SumsThePriceSegments) {
    ConfigurationRecord r;
    EXPECT_EQ(listPriceText(r), "0");
    r.lblPriceBody = "140.00";
    r.lblPriceModel = "45";
    EXPECT_EQ(listPriceText(r), "185");
    r.lblPriceOptionsGeneral2 = "7.5";
    EXPECT_EQ(listPriceText(r), "192.5");
}

TEST(NetPrice, CutsDownToWholeCents) {
    struct Case {
        const char* list;
        const char* discount;
        const char* net;
    };
    const Case cases[] = {
        {"185", "10", "166.5"},
        {"185", "", "185"},
        {"185", "abc", "185"},
        {"140", "34", "92.4"},
        {"99.99", "10", "89.99"},
        {"140", "100", "0"},
        {"140", "150", "-70"},
        {"140", "-5", "147"},
        {"140", "10%", "126"},
        {"140", "1 0", "126"},
        {"140", "1,5", "138.6"},
        {"", "10", "0"},
        {"350", "10", "315"},
        {"0.015", "0", "0.01"},
        {"12.345", "0", "12.34"},
        // Results outside the double range show nothing rather than "inf" or "nan".
        {"140", "1e400", ""},
        {"140", "-1e400", ""},
        {"", "1e400", ""},
        {"140", "1e306", "-1.4E+306"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(netPriceText(c.list, c.discount), c.net) << c.list << " at " << c.discount << '%';
}

}  // namespace
}  // namespace tarvek
