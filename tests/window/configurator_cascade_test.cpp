// The configurator driven as a user drives it, along the cascade of lists.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "tests/window/window_driver.h"

namespace {

using Entries = std::vector<std::string>;
const Entries kPortingCodes = {"2A", "2B", "2C", "2D", "3A", "3B", "3C", "3D",
                               "3E", "3F", "3G", "4A", "4B", "4C", "4D"};

class Cascade : public ::testing::Test {
  protected:
    WindowDriver d;

    void valve(const std::string& body, const std::string& model) {
        d.choose("lstProductType", "Diaphragm Valves");
        d.choose("lstBody", body);
        d.choose("lstModel", model);
    }
    bool checked(const char* button) { return d.get<QAbstractButton>(button)->isChecked(); }
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

TEST_F(Cascade, TheSeparatorOnlyResets) {
    valve("MX2 - Standard Series", "J310 --- Manual, Tee Knob, LOTO");
    d.choose("lstPorting", "2A");
    d.click("chkLS");
    d.choose("lstProductType", std::string(26, '-'));
    EXPECT_EQ(d.record(), tarvek::ConfigurationRecord{});
    EXPECT_EQ(d.text("lblPartNumber"), "");
    EXPECT_EQ(d.text("lblPrice"), "0");
    for (const char* list :
         {"lstBody", "lstModel", "lstPorting", "lstConn1", "lstConn2", "lstConn3", "lstConn4"}) {
        EXPECT_EQ(d.list(list)->count(), 0) << list;
        EXPECT_FALSE(enabled(list)) << list;
    }
    EXPECT_FALSE(d.shown("imgPicture"));
    EXPECT_FALSE(d.picture()->hasPicture());
    EXPECT_TRUE(checked("optStd") && checked("optBL"));
    EXPECT_FALSE(checked("chkLS"));
}

TEST_F(Cascade, ChoosingTheSameEntryTwiceRebuildsItsListWithoutDuplicates) {
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstProductType", "Diaphragm Valves");
    EXPECT_EQ(d.list("lstBody")->count(), 7);
    d.choose("lstBody", "MX3 - High Flow Series");
    d.choose("lstBody", "MX3 - High Flow Series");
    EXPECT_EQ(d.list("lstModel")->count(), 11);
    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    EXPECT_EQ(d.list("lstPorting")->count(), 15);
}

TEST_F(Cascade, SeatCaptionsFollowTheProductFamily) {
    const Entries seats = {"PCTFE (standard seat)", "VS - Vespel Seat", "B5 - Bleed Seat"};
    const Entries seals = {"Viton (standard seal)", "KZ - Kalrez Seal", "EP - EPR Seal"};
    const auto captions = [&] { return Entries{d.text("optStd"), d.text("optVSKZ"), d.text("optB5EP")}; };
    const std::pair<const char*, const Entries*> steps[] = {
        {"Flow Components", &seals},     {"Fittings", &seals},         {"Actuator Assemblies", &seals},
        {"Miscellaneous Parts", &seals}, {"Diaphragm Valves", &seats}, {"Flow Components", &seals},
        {"Pressure Regulators", &seats},
    };
    for (const auto& [type, expected] : steps) {
        d.choose("lstProductType", type);
        EXPECT_EQ(captions(), *expected) << type;
    }
}

TEST_F(Cascade, SealOptionsOfACheckValve) {
    d.choose("lstProductType", "Flow Components");
    EXPECT_FALSE(d.shown("imgPicture"));
    d.choose("lstBody", "Check Valve");
    EXPECT_EQ(d.recordLabel("lblPNBody"), "");
    EXPECT_FALSE(d.shown("imgPicture"));
    d.choose("lstModel", "KL-01 - 1/4 inch Face Seal Gland");
    EXPECT_EQ(d.recordLabel("lblPriceBody"), "125");
    d.click("optVSKZ");
    EXPECT_EQ(d.text("lblPartNumber"), "KL-01-KZ");
    EXPECT_EQ(d.text("lblPrice"), "200");
    d.choose("lstModel", "KL-02 - 1/4 inch LNQ Face Seal Gland");
    EXPECT_EQ(d.recordLabel("lblPriceBody"), "145");
    d.click("optB5EP");
    EXPECT_EQ(d.text("lblPartNumber"), "KL-02-EP");
    EXPECT_EQ(d.text("lblPrice"), "145");
    EXPECT_EQ(d.picture()->pictureName(), "KL-02.jpg");

    d.choose("lstBody", "Vacuum Generator");
    d.choose("lstModel", "WN-02 - Quad-Tee");
    EXPECT_EQ(d.text("lblPartNumber"), "WN-02");
    EXPECT_EQ(d.text("lblPrice"), "155");
    EXPECT_FALSE(enabled("fraOptionsSeat"));
    EXPECT_FALSE(enabled("optVSKZ"));
}

TEST_F(Cascade, TheVBlockSeriesEndsTheCascade) {
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "BMX2 - V-Block Series");
    EXPECT_EQ(d.text("lblPartNumber"), "-BMX2");
    EXPECT_EQ(d.text("lblPrice"), "0");
    EXPECT_EQ(d.list("lstModel")->count(), 0);
    EXPECT_FALSE(enabled("lstModel"));
    EXPECT_EQ(d.picture()->pictureName(), "V-Blocks.jpg");
    EXPECT_TRUE(d.shown("lblVBlock"));
    EXPECT_FALSE(d.shown("lblValveDescription"));

    d.choose("lstBody", "MX1 - Miniature Series");
    EXPECT_FALSE(d.shown("lblVBlock"));
}

TEST_F(Cascade, VeryHighPressureValvesFixTheVespelSeat) {
    const std::pair<const char*, const char*> vespel[] = {
        {"HMX2 - Very High Pressure Series", "A375 --- Air-Op N.C., Very High Pressire."},
        {"HMX2 - Very High Pressure Series", "N22 --- Manual, Round Knob, LOTO"},
    };
    for (const auto& [body, model] : vespel) {
        valve(body, model);
        EXPECT_TRUE(checked("optVSKZ")) << model;
        EXPECT_FALSE(enabled("fraOptionsSeat")) << model;
        EXPECT_FALSE(enabled("optStd")) << model;
        EXPECT_EQ(d.recordLabel("lblPNOptionsSeat"), "-VS") << model;
        EXPECT_EQ(d.text("lblValveDescription"), ".16 Cv, 6200 psig");
    }
    EXPECT_EQ(d.text("lblPartNumber"), "N22-HMX2-VS");
    EXPECT_EQ(d.text("lblPrice"), "440");  // 120 + 290 + 30

    d.choose("lstModel", "--- Note: N375 relabeled as N22 ---");  // a note entry: the model reset only
    EXPECT_TRUE(checked("optStd"));
    EXPECT_EQ(d.text("lblPartNumber"), "-HMX2");
    EXPECT_EQ(d.text("lblPrice"), "290");

    valve("MX2 - Standard Series", "N22 --- Manual, Round Knob, LOTO");  // the same actuator on MX2
    EXPECT_FALSE(checked("optVSKZ"));
    EXPECT_TRUE(enabled("optVSKZ"));
}

TEST_F(Cascade, TheLeverHandleIsOfferedOnlyForE310AndJ310OnValves) {
    const std::pair<const char*, bool> models[] = {
        {"U310 --- Air-Op N.O., Low Pressure", false}, {"A310 --- Air-Op N.C., Low Pressure", false},
        {"A33 --- Air-Op N.C., High Pressure", false}, {"J310 --- Manual, Tee Knob, LOTO", true},
        {"N350 --- Manual, Round Knob", false},        {"A371 --- Air-Op N.C., High Pressure", false},
        {"E310 --- Hybrid, N.C., LOTO", true},
    };
    for (const auto& [model, lever] : models) {
        valve("MX1 - Miniature Series", model);
        EXPECT_EQ(enabled("chkLS"), lever) << model;
    }
    d.choose("lstProductType", "Actuator Assemblies");
    for (const char* model : {"J310 --- Manual, Tee Knob, LOTO", "E310 --- Hybrid, N.C., LOTO"}) {
        d.choose("lstModel", model);
        EXPECT_FALSE(enabled("chkLS")) << model;
        EXPECT_TRUE(enabled("optBK")) << model;  // the handle colours are still offered
        EXPECT_EQ(d.list("lstPorting")->count(), 0);
        EXPECT_FALSE(enabled("fraOptionsSeat"));
    }
    EXPECT_EQ(d.picture()->pictureName(), "E310.jpg");
    EXPECT_EQ(d.text("lblPartNumber"), "E310");
    EXPECT_EQ(d.text("lblPrice"), "180");
}

TEST_F(Cascade, TheLeverHandleShowsTheStubbyKnobAndGivesTheSeriesPictureBack) {
    valve("MX2 - Standard Series", "J310 --- Manual, Tee Knob, LOTO");
    d.click("optVSKZ");
    d.click("optBK");
    d.click("chkLS");
    EXPECT_EQ(d.text("lblPartNumber"), "J310-MX2-VS-BK-LS");
    EXPECT_EQ(d.text("lblPrice"), "297.5");
    EXPECT_EQ(d.picture()->pictureName(), "J310 Stubby Knob.jpg");
    d.click("chkLS");
    EXPECT_EQ(d.text("lblPartNumber"), "J310-MX2-VS-BK");
    EXPECT_EQ(d.text("lblPrice"), "290");
    EXPECT_EQ(d.picture()->pictureName(), "J310-MX2-2A.jpg");
    d.click("optBL");
    EXPECT_EQ(d.text("lblPartNumber"), "J310-MX2-VS");
    EXPECT_EQ(d.text("lblPrice"), "290");

    valve("MX1 - Miniature Series", "J310 --- Manual, Tee Knob, LOTO");
    d.click("chkLS");
    d.click("chkLS");
    EXPECT_EQ(d.picture()->pictureName(), "J310-MX-2A.jpg");  // the miniature series' own file name
}

TEST_F(Cascade, ASecondModelLeavesNothingOfTheFirstBehind) {
    valve("MX2 - Standard Series", "E310 --- Hybrid, N.C., LOTO");
    d.click("optB5EP");
    d.click("optYW");
    d.click("chkLS");
    d.choose("lstPorting", "4A");
    d.choose("lstConn2", "6 - Tube Stub, 3/8 inch");
    ASSERT_TRUE(d.shown("lblNS1"));
    EXPECT_EQ(d.text("lblPartNumber"), "E310-MX2-4A-X6XX-B5-YW-LS");

    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2");
    EXPECT_EQ(d.text("lblPrice"), "250");
    EXPECT_FALSE(d.shown("lblNS1"));
    EXPECT_TRUE(checked("optStd") && checked("optBL"));
    EXPECT_FALSE(checked("chkLS") || enabled("chkLS") || enabled("fraOptionsColor"));
    for (const char* list : {"lstConn1", "lstConn2", "lstConn3", "lstConn4"})
        EXPECT_EQ(d.list(list)->count(), 0);
    EXPECT_EQ(d.recordLabel("lblPriceBody"), "140.00");
    EXPECT_EQ(d.get<QGroupBox>("fraPicture")->title(), "");
}

TEST_F(Cascade, HeadingsAndBlankModelEntriesOnlyReset) {
    valve("MX1 - Miniature Series", "A33 --- Air-Op N.C., High Pressure");
    for (const std::string entry : {"", "-----  Other Available Models  -----"}) {
        d.choose("lstModel", entry);
        EXPECT_EQ(d.recordLabel("lblPNModel"), "");
        EXPECT_EQ(d.recordLabel("lblPriceModel"), "0");
        EXPECT_EQ(d.list("lstPorting")->count(), 0);
        EXPECT_FALSE(enabled("lstPorting"));
        EXPECT_FALSE(d.shown("imgPicture"));
        EXPECT_EQ(d.text("lblPartNumber"), "-MX1");
        EXPECT_EQ(d.text("lblPrice"), "140");
    }
}

TEST_F(Cascade, ConnectionsWriteTheirExactCodes) {
    valve("MX3 - High Flow Series", "A310 --- Air-Op N.C., Low Pressure");
    d.choose("lstPorting", "2B");
    d.choose("lstConn1", "M - Male Face Seal, 1/4 inch Hi Flo");
    d.choose("lstConn2", "F - Female Face Seal, 1/4 inch Hi Flo");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX3-2B-MFXX");
    EXPECT_EQ(d.text("lblPrice"), "355");  // 110 + 170 + 15 + 30 + 30

    valve("MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure");
    d.choose("lstPorting", "4A");
    d.choose("lstConn1", "T - Tube Stub, 1/4 inch");
    d.choose("lstConn2", "F - Female Face Seal, 1/4 inch");
    d.choose("lstConn3", "F - Female Face Seal, 1/4 inch");
    d.choose("lstConn4", "M - Male Face Seal, 1/4 inch");
    d.click("optVSKZ");
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-4A-T FFM -VS");
    EXPECT_EQ(d.text("lblPrice"), "425");  // 110 + 140 + 50 + 0 + 25 + 25 + 45 + 30

    const tarvek::ConfigurationRecord before = d.record();
    d.choose("lstConn4", "M - Male Face Seal, 1/4 inch");  // the same again changes nothing
    EXPECT_EQ(d.record(), before);
}

TEST_F(Cascade, PortingsOfferTheSeriesConnections) {
    valve("MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure");
    const Entries mx12 = {"T - Tube Stub, 1/4 inch", "M - Male Face Seal, 1/4 inch",
                          "F - Female Face Seal, 1/4 inch", "6 - Tube Stub, 3/8 inch"};
    Entries withFixedMale = mx12;
    withFixedMale.push_back("V - Fixed Male Face Seal, 1/4 inch");
    for (int twice = 0; twice < 2; ++twice) {
        d.choose("lstPorting", "2A");
        EXPECT_EQ(d.entries("lstConn1"), withFixedMale);
        EXPECT_EQ(d.entries("lstConn3"), withFixedMale);
        EXPECT_EQ(d.entries("lstConn2"), mx12);
        EXPECT_EQ(d.entries("lstConn4"), mx12);
    }
    d.choose("lstPorting", "2D");  // same positions, no fixed male seal
    EXPECT_EQ(d.entries("lstConn1"), mx12);

    valve("MX1 - Miniature Series", "A310 --- Air-Op N.C., Low Pressure");
    d.choose("lstPorting", "2A");
    for (const char* list : {"lstConn1", "lstConn2", "lstConn3", "lstConn4"})
        EXPECT_EQ(d.entries(list), mx12) << list;

    valve("HMX2 - Very High Pressure Series", "N22 --- Manual, Round Knob, LOTO");
    d.choose("lstPorting", "2A");
    EXPECT_EQ(d.entries("lstConn1"),
              (Entries{"T - Tube Stub, .049 Wall, 1/4 inch", "V - Fixed Male Face Seal, 1/4 inch"}));
}

TEST_F(Cascade, PortingPricesAndPositions) {
    valve("MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure");
    const std::pair<const char*, const char*> prices[] = {
        {"3B", "265"}, {"3C", "280"}, {"3D", "280"}, {"2A", "250"}};
    for (const auto& [porting, price] : prices) {
        d.choose("lstPorting", porting);
        EXPECT_EQ(d.text("lblPrice"), price) << porting;
        EXPECT_EQ(d.picture()->pictureName().toStdString(), std::string(porting) + ".wmf");
    }
    d.choose("lstPorting", "3E");
    d.choose("lstConn1", "6 - Tube Stub, 3/8 inch");
    d.choose("lstConn4", "6 - Tube Stub, 3/8 inch");
    EXPECT_TRUE(d.shown("lblNS1"));
    d.choose("lstPorting", "3E");  // a new porting starts the connections afresh
    EXPECT_EQ(d.text("lblPartNumber"), "A310-MX2-3E-XXXX");
    EXPECT_EQ(d.text("lblPrice"), "280");
    EXPECT_FALSE(d.shown("lblNS1"));
    EXPECT_FALSE(enabled("lstConn2"));
    EXPECT_TRUE(d.get("lblConn4")->font().bold());
    EXPECT_FALSE(d.get("lblConn2")->font().bold());
}

TEST_F(Cascade, RegulatorsHaveOnePortingAndTwoSeats) {
    for (const auto& [body, picture] : {std::pair{"GN1 - Miniature Series", "T400-GN1-2A.jpg"},
                                        std::pair{"GN2 - Standard Series", "T400-GN2-2A.jpg"}}) {
        d.choose("lstProductType", "Pressure Regulators");
        EXPECT_EQ(d.picture()->pictureName(), "T400 Regulators.jpg");
        d.choose("lstBody", body);
        EXPECT_FALSE(d.shown("lblValveDescription"));
        d.choose("lstModel", "T410 - 20 to 100 Psig Outlet");
        EXPECT_EQ(d.picture()->pictureName(), picture);
        EXPECT_EQ(d.entries("lstPorting"), Entries{"2A"});
        EXPECT_TRUE(enabled("optStd") && enabled("optVSKZ"));
        EXPECT_FALSE(enabled("optB5EP"));
        EXPECT_EQ(d.recordLabel("lblPriceModel"), "0");
        d.choose("lstPorting", "2A");
        EXPECT_EQ(d.entries("lstConn1"), (Entries{"T - Tube Stub, 1/4 inch", "M - Male Face Seal, 1/4 inch",
                                                  "F - Female Face Seal, 1/4 inch"}));
        d.choose("lstConn1", "F - Female Face Seal, 1/4 inch");
        d.choose("lstConn3", "M - Male Face Seal, 1/4 inch");
        d.click("optVSKZ");
    }
    EXPECT_EQ(d.text("lblPartNumber"), "T410-GN2-2A-FXMX-VS");
    EXPECT_EQ(d.text("lblPrice"), "640");  // 540 + 25 + 45 + 30
    EXPECT_FALSE(d.shown("lblNS1"));
}

TEST_F(Cascade, SparePartsAndFittingsCompleteTheConfiguration) {
    d.choose("lstProductType", "Miscellaneous Parts");
    EXPECT_FALSE(enabled("lstBody"));
    d.choose("lstModel", "Valve Seat - MX3");
    EXPECT_EQ(d.text("lblPartNumber"), "70-803-02");
    EXPECT_EQ(d.text("lblPrice"), "10");
    EXPECT_EQ(d.picture()->pictureName(), "70-803-01.jpg");
    d.choose("lstModel", "Valve Seat - MX1/MX2");
    EXPECT_EQ(d.text("lblPartNumber"), "70-803-04");
    EXPECT_EQ(d.picture()->pictureName(), "70-803-01.jpg");
    EXPECT_FALSE(enabled("lstPorting"));

    d.choose("lstProductType", "Fittings");
    d.choose("lstBody", "Compart Bulkheads");
    EXPECT_EQ(d.picture()->pictureName(), "Bulkhead.jpg");
    d.choose("lstModel", "3/8 x 5/8 inch Coax Tube");
    EXPECT_EQ(d.text("lblPartNumber"), "3-EP-4-VC-C61-6-10TB7");
    EXPECT_EQ(d.text("lblPrice"), "64.53");
    EXPECT_EQ(d.list("lstPorting")->count(), 0);
    EXPECT_FALSE(enabled("fraOptionsSeat") || enabled("fraOptionsColor"));

    d.choose("lstBody", "Tarvek LNQ Fittings");
    d.choose("lstModel", "02 - 3/8 Tube x 1/4 Male Face Seal");
    EXPECT_EQ(d.text("lblPartNumber"), "LNQ-02");
    EXPECT_EQ(d.text("lblPrice"), "45");
    EXPECT_EQ(d.picture()->pictureName(), "LNQ.gif");
}

}  // namespace
