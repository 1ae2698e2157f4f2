#include "rules/configurator/configuration_record.h"

#include <gtest/gtest.h>

namespace tarvek {
namespace {

ConfigurationRecord fullyConfigured() {
    ConfigurationRecord r;
    r.lblPNModel = "J310";
    r.lblPNBody = "-MX2";
    r.lblPNPorting = "-2A";
    r.lblPNConn1 = "-M";
    r.lblPNConn2 = "X";
    r.lblPNConn3 = "F";
    r.lblPNConn4 = "X";
    r.lblPNOptionsSeat = "-VS";
    r.lblPNOptionsColor = "-BK";
    r.lblPNOptionsGeneral2 = "-LS";
    for (const Segment price : kPriceSegments) r.*price = "5";
    for (const Segment marker : kMarkers) r.*marker = "NS";
    return r;
}

TEST(PartNumber, JoinsTheSegmentsAsTheyStand) {
    EXPECT_EQ(composePartNumber(ConfigurationRecord{}), "");
    EXPECT_EQ(composePartNumber(fullyConfigured()), "J310-MX2-2A-MXFX-VS-BK-LS");

    ConfigurationRecord blanks;
    blanks.lblPNConn1 = "-T";
    blanks.lblPNConn2 = " F";
    blanks.lblPNConn4 = "M ";
    blanks.lblPNOptionsSeat = "-VS";
    EXPECT_EQ(composePartNumber(blanks), "-T FM -VS");
}

TEST(ResetGroups, ClearExactlyTheirSegments) {
    const ConfigurationRecord before = fullyConfigured();

    ConfigurationRecord full = before;
    fullReset(full);
    EXPECT_EQ(composePartNumber(full), "-LS");  // the lever handle follows its check box only
    EXPECT_EQ(full.lblPriceOptionsGeneral2, "5");
    EXPECT_EQ(full.lblPriceBody, "0");
    EXPECT_EQ(full.lblPriceOptionsSeat, "0");
    EXPECT_EQ(full.lblNSConn1, "");

    ConfigurationRecord model = before;
    modelReset(model);
    EXPECT_EQ(composePartNumber(model), "-MX2-VS-LS");  // body and seat survive a model change
    EXPECT_EQ(model.lblPriceBody, "5");
    EXPECT_EQ(model.lblPriceOptionsSeat, "5");
    EXPECT_EQ(model.lblPriceModel, "0");
    EXPECT_EQ(model.lblPriceOptionsColor, "0");
    EXPECT_EQ(model.lblNSOptions, "");

    ConfigurationRecord porting = before;
    portingReset(porting);
    EXPECT_EQ(composePartNumber(porting), "J310-MX2-2A-XXXX-VS-BK-LS");
    for (const Segment price : kConnectionPrices) EXPECT_EQ(porting.*price, "0");
    EXPECT_EQ(porting.lblPricePorting, "5");
    for (const Segment marker : kMarkers) EXPECT_EQ(porting.*marker, "");
}

}  // namespace
}  // namespace tarvek
