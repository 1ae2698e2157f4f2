#include "rules/configurator/pricing.h"

#include <gtest/gtest.h>

#include "rules/configurator/configuration_record.h"

namespace tarvek {
namespace {

TEST(ListPrice, SumsThePriceSegments) {
    ConfigurationRecord r;
    EXPECT_EQ(priceText(listPrice(r)), "0");
    r.body.price = "140.00";
    r.model.price = "45";
    EXPECT_EQ(priceText(listPrice(r)), "185");
    r.leverHandle.price = "7.5";
    EXPECT_EQ(priceText(listPrice(r)), "192.5");
    r.connections[0].price = "4.51";
    r.connections[1].price = "4.02";
    EXPECT_EQ(priceText(listPrice(r)), "201.03");
    EXPECT_EQ(listPriceText(std::nullopt), "");  // nothing added up yet
}

TEST(NetPrice, CutsDownToWholeCents) {
    struct Case {
        std::int64_t listCents;
        const char* discount;
        const char* net;
    };
    const Case cases[] = {
        {18500, "10", "166.5"},
        {18500, "", "185"},
        {18500, "abc", "185"},
        {14000, "34", "92.4"},
        {9999, "10", "89.99"},
        {18500, "0.3", "184.44"},  // 184.445, cut down and not rounded
        {1, "50", "0"},            // half a cent is none
        {14000, "100", "0"},
        {14000, "150", "-70"},
        {14000, "-5", "147"},
        {14000, "10%", "126"},
        {14000, "1 0", "126"},
        {14000, "1,5", "138.6"},
        {0, "10", "0"},
        {35000, "10", "315"},
        {29750, "0", "297.5"},
        // Results outside the double range show nothing rather than "inf" or "nan".
        {14000, "1e400", ""},
        {14000, "-1e400", ""},
        {0, "1e400", ""},
        {14000, "1e306", "-1.4E+306"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(netPriceText(netPrice(Money{c.listCents}, c.discount)), c.net)
            << c.listCents << " cents at " << c.discount << '%';
}

}  // namespace
}  // namespace tarvek
