// The configurator driven as a user drives it, along the cascade of lists: the wiring of a
// typical use. The cascade's rules are the model's tests; the walk compares every click.
#include <QGroupBox>

#include "tests/window/window_driver.h"

namespace {

using Entries = std::vector<std::string>;
const Entries kPortingCodes = {"2A", "2B", "2C", "2D", "3A", "3B", "3C", "3D",
                               "3E", "3F", "3G", "4A", "4B", "4C", "4D"};

class Cascade : public ::testing::Test {
  protected:
    WindowDriver d;

    bool enabled(const char* name) { return d.get(name)->isEnabled(); }
};

TEST_F(Cascade, TypicalUseFromProductTypeToNetPrice) {
    d.choose("lstProductType", "Diaphragm Valves");
    EXPECT_EQ(d.list("lstBody")->count(), 7);
    EXPECT_TRUE(enabled("lstBody"));
    EXPECT_EQ(d.text("lblPartNumber"), "");
    EXPECT_EQ(d.text("lblPrice"), "0");

    d.choose("lstBody", "MX2 - Standard Series");
    EXPECT_EQ(d.text("lblPartNumber"), "-MX2");
    EXPECT_EQ(d.text("lblPrice"), "140");
    EXPECT_EQ(d.recordLabel("lblPriceBody"), "140.00");
    EXPECT_EQ(d.picture()->pictureName(), "MX2 Valves.jpg");
    EXPECT_EQ(d.text("lblValveDescription"), ".23 Cv");

    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2");
    EXPECT_EQ(d.text("lblPrice"), "250");
    EXPECT_EQ(d.text("lblValveDescription"), ".23 Cv, 250 psig");
    EXPECT_TRUE(d.shown("lblValveDescription"));
    EXPECT_EQ(d.picture()->pictureName(), "A310-MX2-2A.jpg");
    EXPECT_TRUE(d.shown("imgPicture"));
    EXPECT_EQ(d.entries("lstPorting"), kPortingCodes);
    EXPECT_TRUE(enabled("lstPorting"));
    for (const char* seat : {"fraOptionsSeat", "optStd", "optVSKZ", "optB5EP"})
        EXPECT_TRUE(enabled(seat)) << seat;
    EXPECT_FALSE(enabled("fraOptionsColor"));  // an air-operated actuator has no handle

    d.choose("lstPorting", "2A");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-XXXX");
    EXPECT_EQ(d.get<QGroupBox>("fraPicture")->title(), "Porting (Top View)");
    EXPECT_EQ(d.picture()->pictureName(), "2A.wmf");
    EXPECT_TRUE(enabled("lstConn1") && enabled("lstConn3"));
    EXPECT_FALSE(enabled("lstConn2") || enabled("lstConn4"));

    d.choose("lstConn1", "M - Male Face Seal, 1/4 inch");
    d.choose("lstConn3", "F - Female Face Seal, 1/4 inch");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-MXFX");
    EXPECT_EQ(d.text("lblPrice"), "320");
    EXPECT_FALSE(d.shown("lblNS1"));

    d.click("optVSKZ");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-2A-MXFX-VS");
    EXPECT_EQ(d.text("lblPrice"), "350");
    d.setText("txtDiscount", "10");
    EXPECT_EQ(d.text("lblNetPrice"), "315");
}

}  // namespace
