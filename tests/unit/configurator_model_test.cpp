// The configurator model without a window: the events a user sends and the state they
// lead to.
#include "rules/configurator/configurator_model.h"

#include <gtest/gtest.h>

#include "rules/configurator/nonstandard_reasons.h"
#include "tests/support/model_driver.h"

namespace {

using namespace tarvek;
using tarvek::testing::ModelDriver;

TEST(ConfiguratorModel, OpensWithTheProductTypesAndTheStartPicture) {
    const ConfiguratorModel model;
    const ConfiguratorState& s = model.state();
    EXPECT_EQ(s.list(List::ProductType).entries.size(), 7u);
    EXPECT_TRUE(s.list(List::ProductType).enabled);
    EXPECT_EQ(s.list(List::ProductType).chosen, -1);
    for (std::size_t i = 1; i < kListCount; ++i) EXPECT_FALSE(s.lists[i].enabled || s.captionActive[i]) << i;
    EXPECT_EQ(s.picture, "MX2 Valves.jpg");
    EXPECT_TRUE(s.pictureShown);
    EXPECT_EQ(s.partNumber, "");
    EXPECT_EQ(s.listPrice, "");
    EXPECT_EQ(s.discount, "0");
    EXPECT_TRUE(s.option(Option::optBL).checked);
    EXPECT_FALSE(s.option(Option::optStd).checked);  // no seat is chosen before the first reset
}

// The typical use, step by step: the part number and list price after each event.
TEST(ConfiguratorModel, TypicalUseFromProductTypeToNetPrice) {
    struct Step {
        const char* control;
        const char* entry;  // "" for a button
        const char* partNumber;
        const char* listPrice;
    };
    const Step steps[] = {
        {"lstProductType", "Diaphragm Valves", "", "0"},
        {"lstBody", "MX2 - Standard Series", "-MX2", "140"},
        {"lstModel", "A310 --- Air-Op N.C., Low Pressure", "A310-MX2", "250"},
        {"lstPorting", "2A", "A310-MX2-2A-XXXX", "250"},
        {"lstConn1", "M - Male Face Seal, 1/4 inch", "A310-MX2-2A-MXXX", "295"},
        {"lstConn3", "F - Female Face Seal, 1/4 inch", "A310-MX2-2A-MXFX", "320"},
        {"optVSKZ", "", "A310-MX2-2A-MXFX-VS", "350"},
    };
    ModelDriver d;
    for (const Step& step : steps) {
        if (*step.entry)
            d.choose(step.control, step.entry);
        else
            d.click(step.control);
        EXPECT_EQ(d.state().partNumber, step.partNumber) << step.control;
        EXPECT_EQ(d.state().listPrice, step.listPrice) << step.control;
    }
    EXPECT_EQ(d.model.txtDiscount_Change("10").netPrice, "315");
    EXPECT_FALSE(d.state().nonStandardBanner);
    EXPECT_EQ(d.state().picture, "2A.wmf");
    EXPECT_EQ(d.state().pictureCaption, "Porting (Top View)");
}

// What a user cannot do changes nothing, and doing again what is done changes nothing.
TEST(ConfiguratorModel, EventsThatChangeNothing) {
    ModelDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    d.click("optVSKZ");
    const struct {
        const char* what;
        std::function<void(ConfiguratorModel&)> event;
    } events[] = {
        {"a disabled list", [](ConfiguratorModel& m) { m.lstConn1_Click(0); }},
        {"an entry past the end", [](ConfiguratorModel& m) { m.lstPorting_Click(15); }},
        {"no entry", [](ConfiguratorModel& m) { m.lstBody_Click(-1); }},
        {"the selected option", [](ConfiguratorModel& m) { m.optVSKZ_Click(); }},
        {"a colour of an air-operated actuator", [](ConfiguratorModel& m) { m.optBK_Click(); }},
        {"a lever handle not offered", [](ConfiguratorModel& m) { m.chkLS_Click(); }},
        {"the same discount", [](ConfiguratorModel& m) { m.txtDiscount_Change("0"); }},
    };
    for (const auto& e : events) {
        ConfiguratorModel trial = d.model;
        e.event(trial);
        EXPECT_EQ(trial.state(), d.state()) << e.what;
    }
}

TEST(ConfiguratorModel, AnEventTriedOnACopyLeavesTheOriginal) {
    ModelDriver d;
    d.choose("lstProductType", "Pressure Regulators");
    const ConfiguratorState before = d.state();
    ConfiguratorModel trial = d.model;
    trial.lstBody_Click(1);
    EXPECT_EQ(trial.state().partNumber, "-GN2");
    EXPECT_EQ(d.state(), before);
}

TEST(ConfiguratorModel, ChoosingAgainRunsTheHandlerAgain) {
    ModelDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "J310 --- Manual, Tee Knob, LOTO");
    d.click("optBK");
    d.click("chkLS");
    EXPECT_EQ(d.state().partNumber, "J310-MX2-BK-LS");
    d.choose("lstModel", "J310 --- Manual, Tee Knob, LOTO");  // the same entry: its reset runs again
    EXPECT_EQ(d.state().partNumber, "J310-MX2");
    EXPECT_TRUE(d.option("optBL").checked);
    EXPECT_FALSE(d.option("chkLS").checked);
    EXPECT_EQ(d.state().list(List::Porting).chosen, -1);
}

// Seat and seal options read their own captions, which the product type writes.
TEST(ConfiguratorModel, SeatOrSealByTheButtonsCaption) {
    struct Case {
        const char* type;
        const char* body;
        const char* model;
        const char* option;
        const char* partNumber;
        const char* listPrice;
    };
    const Case cases[] = {
        {"Flow Components", "Check Valve", "KL-01 - 1/4 inch Face Seal Gland", "optVSKZ", "KL-01-KZ", "200"},
        {"Flow Components", "Check Valve", "KL-01 - 1/4 inch Face Seal Gland", "optB5EP", "KL-01-EP", "125"},
        {"Diaphragm Valves", "MX1 - Miniature Series", "N350 --- Manual, Round Knob", "optB5EP",
         "N350-MX1-B5", "268"},
        {"Pressure Regulators", "GN1 - Miniature Series", "T403 - Vac to 30 Psig Outlet", "optVSKZ",
         "T403-GN1-VS", "570"},
    };
    for (const Case& c : cases) {
        ModelDriver d;
        d.choose("lstProductType", c.type);
        d.choose("lstBody", c.body);
        d.choose("lstModel", c.model);
        d.click(c.option);
        EXPECT_EQ(d.state().partNumber, c.partNumber) << c.option;
        EXPECT_EQ(d.state().listPrice, c.listPrice) << c.option;
    }
}

TEST(ConfiguratorModel, VeryHighPressureValvesComeWithTheVespelSeatFixed) {
    ModelDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "HMX2 - Very High Pressure Series");
    d.choose("lstModel", "A375 --- Air-Op N.C., Very High Pressire.");
    EXPECT_EQ(d.state().partNumber, "A375-HMX2-VS");
    EXPECT_TRUE(d.option("optVSKZ").checked);
    EXPECT_FALSE(d.state().seatFrameActive);
    EXPECT_FALSE(d.model.answers(Option::optStd));
}

TEST(ConfiguratorModel, TheLeverHandleShowsTheStubbyKnobAndGivesTheSeriesPictureBack) {
    ModelDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX1 - Miniature Series");
    d.choose("lstModel", "J310 --- Manual, Tee Knob, LOTO");
    d.click("chkLS");
    EXPECT_EQ(d.state().picture, "J310 Stubby Knob.jpg");
    EXPECT_EQ(d.state().listPrice, "267.5");
    d.click("chkLS");
    EXPECT_EQ(d.state().picture, "J310-MX-2A.jpg");  // the series' own picture, by its table
    EXPECT_EQ(d.state().partNumber, "J310-MX1");
}

TEST(ConfiguratorModel, AFixedMaleFaceSealWithoutItsPartnerRaisesTheBanner) {
    ModelDriver d;
    d.choose("lstProductType", "Diaphragm Valves");
    d.choose("lstBody", "MX2 - Standard Series");
    d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
    d.choose("lstPorting", "2A");
    EXPECT_EQ(d.entries("lstConn1").back(), "V - Fixed Male Face Seal, 1/4 inch");
    EXPECT_EQ(d.entries("lstConn2").size(), 4u);  // positions 2 and 4 do not offer it
    d.choose("lstConn1", "V - Fixed Male Face Seal, 1/4 inch");
    EXPECT_TRUE(d.state().nonStandardBanner);
    EXPECT_EQ(d.state().record.lblNSConn1, "NS");
    d.choose("lstConn3", "V - Fixed Male Face Seal, 1/4 inch");
    EXPECT_FALSE(d.state().nonStandardBanner);
}

TEST(ConfiguratorModel, TheBrandPictureHidesAndShowsThePrices) {
    ConfiguratorModel m;
    EXPECT_FALSE(m.Image2_DblClick().pricesShown);
    EXPECT_TRUE(m.Image2_DblClick().pricesShown);
}

}  // namespace

namespace {

// The banner's reasons name each marked position and why, from the rules that mark it.
TEST(NonStandardReasons, OnePerMarkedPosition) {
    struct Case {
        const char* body;
        const char* porting;
        std::vector<std::pair<const char*, const char*>> connections;
        std::vector<std::string> reasons;
    };
    const Case cases[] = {
        {"MX2 - Standard Series", "2A", {{"lstConn1", "M - Male Face Seal, 1/4 inch"}}, {}},
        {"MX2 - Standard Series",
         "2A",
         {{"lstConn1", "V - Fixed Male Face Seal, 1/4 inch"}},
         {"Connection 1: \"V - Fixed Male Face Seal, 1/4 inch\" is standard only with the same in connection "
          "3"}},
        {"MX2 - Standard Series",
         "2A",
         {{"lstConn1", "6 - Tube Stub, 3/8 inch"}},
         {"Connection 1: \"6 - Tube Stub, 3/8 inch\" is not standard on MX2 with porting 2A"}},
        {"MX2 - Standard Series",
         "2A",
         {{"lstConn1", "6 - Tube Stub, 3/8 inch"}, {"lstConn3", "6 - Tube Stub, 3/8 inch"}},
         {}},  // a combination the catalogue sells as standard
        {"MX1 - Miniature Series",
         "3B",
         {{"lstConn2", "6 - Tube Stub, 3/8 inch"}, {"lstConn3", "6 - Tube Stub, 3/8 inch"}},
         {"Connection 2: \"6 - Tube Stub, 3/8 inch\" is not standard on MX1 with porting 3B",
          "Connection 3: \"6 - Tube Stub, 3/8 inch\" is not standard on MX1 with porting 3B"}},
    };
    for (const Case& c : cases) {
        tarvek::testing::ModelDriver d;
        d.choose("lstProductType", "Diaphragm Valves");
        d.choose("lstBody", c.body);
        d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
        d.choose("lstPorting", c.porting);
        for (const auto& [list, entry] : c.connections) d.choose(list, entry);
        EXPECT_EQ(tarvek::nonStandardReasons(d.state()), c.reasons) << c.body << ' ' << c.porting;
        EXPECT_EQ(d.state().nonStandardBanner, !c.reasons.empty());
    }
}

}  // namespace
