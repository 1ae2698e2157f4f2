// The configurator model without a window: the events a user sends and the state they
// lead to.
#include <gtest/gtest.h>

#include "rules/configurator/configurator.h"
#include "rules/configurator/nonstandard_reasons.h"
#include "tests/support/model_driver.h"

namespace {

using namespace tarvek;
using tarvek::testing::ModelDriver;

TEST(Configurator, OpensWithTheProductTypesAndTheStartPicture) {
    const Configurator model;
    const ConfiguratorState& s = model.state();
    EXPECT_EQ(s.list(List::ProductType).entries.size(), 7u);
    EXPECT_TRUE(s.list(List::ProductType).enabled);
    EXPECT_EQ(s.list(List::ProductType).chosen, -1);
    for (std::size_t i = 1; i < kListCount; ++i) EXPECT_FALSE(s.lists[i].enabled || s.captionActive[i]) << i;
    EXPECT_EQ(s.picture, "MX2 Valves.jpg");
    EXPECT_TRUE(s.pictureShown);
    EXPECT_EQ(s.partNumber, "");
    EXPECT_EQ(s.listPrice, std::nullopt);
    EXPECT_EQ(s.discount, "0");
    EXPECT_TRUE(s.option(Option::StandardColour).checked);
    EXPECT_FALSE(s.option(Option::StandardSeat).checked);  // no seat is chosen before the first reset
}

// The typical use, step by step: the part number and list price after each event.
TEST(Configurator, TypicalUseFromProductTypeToNetPrice) {
    struct Step {
        ModelDriver::Control control;
        const char* entry;  // "" for a button
        const char* partNumber;
        const char* listPrice;
    };
    const Step steps[] = {
        {List::ProductType, "Diaphragm Valves", "", "0"},
        {List::Body, "MX2 - Standard Series", "-MX2", "140"},
        {List::Model, "A310 --- Air-Op N.C., Low Pressure", "A310-MX2", "250"},
        {List::Porting, "2A", "A310-MX2-2A-XXXX", "250"},
        {List::Connection1, "M - Male Face Seal, 1/4 inch", "A310-MX2-2A-MXXX", "295"},
        {List::Connection3, "F - Female Face Seal, 1/4 inch", "A310-MX2-2A-MXFX", "320"},
        {Option::VespelSeat, "", "A310-MX2-2A-MXFX-VS", "350"},
    };
    ModelDriver d;
    for (const Step& step : steps) {
        d.use(step.control, step.entry);
        EXPECT_EQ(d.state().partNumber, step.partNumber) << step.entry;
        EXPECT_EQ(d.listPrice(), step.listPrice) << step.entry;
    }
    d.model.typeDiscount("10");
    EXPECT_EQ(d.netPrice(), "315");
    EXPECT_FALSE(d.state().nonStandardBanner);
    EXPECT_EQ(d.state().picture, "2A.wmf");
    EXPECT_EQ(d.state().pictureCaption, "Porting (Top View)");
}

// What a user cannot do changes nothing, and doing again what is done changes nothing.
TEST(Configurator, EventsThatChangeNothing) {
    ModelDriver d;
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, "MX2 - Standard Series");
    d.choose(List::Model, "A310 --- Air-Op N.C., Low Pressure");
    d.click(Option::VespelSeat);
    const struct {
        const char* what;
        std::function<void(Configurator&)> event;
    } events[] = {
        {"a disabled list", [](Configurator& m) { m.choose(List::Connection1, 0); }},
        {"an entry past the end", [](Configurator& m) { m.choose(List::Porting, 15); }},
        {"no entry", [](Configurator& m) { m.choose(List::Body, -1); }},
        {"the selected option", [](Configurator& m) { m.click(Option::VespelSeat); }},
        {"a colour of an air-operated actuator", [](Configurator& m) { m.click(Option::Black); }},
        {"a lever handle not offered", [](Configurator& m) { m.click(Option::LeverHandle); }},
        {"the same discount", [](Configurator& m) { m.typeDiscount("0"); }},
    };
    for (const auto& e : events) {
        Configurator trial = d.model;
        e.event(trial);
        EXPECT_EQ(trial.state(), d.state()) << e.what;
    }
}

TEST(Configurator, AnEventTriedOnACopyLeavesTheOriginal) {
    ModelDriver d;
    d.choose(List::ProductType, "Pressure Regulators");
    const ConfiguratorState before = d.state();
    Configurator trial = d.model;
    trial.choose(List::Body, 1);
    EXPECT_EQ(trial.state().partNumber, "-GN2");
    EXPECT_EQ(d.state(), before);
}

TEST(Configurator, ChoosingAgainRunsTheHandlerAgain) {
    ModelDriver d;
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, "MX2 - Standard Series");
    d.choose(List::Model, "J310 --- Manual, Tee Knob, LOTO");
    d.click(Option::Black);
    d.click(Option::LeverHandle);
    EXPECT_EQ(d.state().partNumber, "J310-MX2-BK-LS");
    d.choose(List::Model, "J310 --- Manual, Tee Knob, LOTO");  // the same entry: its reset runs again
    EXPECT_EQ(d.state().partNumber, "J310-MX2");
    EXPECT_TRUE(d.option(Option::StandardColour).checked);
    EXPECT_FALSE(d.option(Option::LeverHandle).checked);
    EXPECT_EQ(d.state().list(List::Porting).chosen, -1);
}

// Seat and seal options read their own captions, which the product type writes.
TEST(Configurator, SeatOrSealByTheButtonsCaption) {
    struct Case {
        const char* type;
        const char* body;
        const char* model;
        Option option;
        const char* partNumber;
        const char* listPrice;
    };
    const Case cases[] = {
        {"Flow Components", "Check Valve", "KL-01 - 1/4 inch Face Seal Gland", Option::VespelSeat, "KL-01-KZ",
         "200"},
        {"Flow Components", "Check Valve", "KL-01 - 1/4 inch Face Seal Gland", Option::BleedSeat, "KL-01-EP",
         "125"},
        {"Diaphragm Valves", "MX1 - Miniature Series", "N350 --- Manual, Round Knob", Option::BleedSeat,
         "N350-MX1-B5", "268"},
        {"Pressure Regulators", "GN1 - Miniature Series", "T403 - Vac to 30 Psig Outlet", Option::VespelSeat,
         "T403-GN1-VS", "570"},
    };
    for (const Case& c : cases) {
        ModelDriver d;
        d.choose(List::ProductType, c.type);
        d.choose(List::Body, c.body);
        d.choose(List::Model, c.model);
        d.click(c.option);
        EXPECT_EQ(d.state().partNumber, c.partNumber) << c.model;
        EXPECT_EQ(d.listPrice(), c.listPrice) << c.model;
    }
}

TEST(Configurator, VeryHighPressureValvesComeWithTheVespelSeatFixed) {
    ModelDriver d;
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, "HMX2 - Very High Pressure Series");
    d.choose(List::Model, "A375 --- Air-Op N.C., Very High Pressire.");
    EXPECT_EQ(d.state().partNumber, "A375-HMX2-VS");
    EXPECT_TRUE(d.option(Option::VespelSeat).checked);
    EXPECT_FALSE(d.state().seatFrameActive);
    EXPECT_FALSE(d.model.answers(Option::StandardSeat));
}

TEST(Configurator, TheLeverHandleShowsTheStubbyKnobAndGivesTheSeriesPictureBack) {
    ModelDriver d;
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, "MX1 - Miniature Series");
    d.choose(List::Model, "J310 --- Manual, Tee Knob, LOTO");
    d.click(Option::LeverHandle);
    EXPECT_EQ(d.state().picture, "J310 Stubby Knob.jpg");
    EXPECT_EQ(d.listPrice(), "267.5");
    d.click(Option::LeverHandle);
    EXPECT_EQ(d.state().picture, "J310-MX-2A.jpg");  // the series' own picture, by its table
    EXPECT_EQ(d.state().partNumber, "J310-MX1");
}

TEST(Configurator, AFixedMaleFaceSealWithoutItsPartnerRaisesTheBanner) {
    ModelDriver d;
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, "MX2 - Standard Series");
    d.choose(List::Model, "A310 --- Air-Op N.C., Low Pressure");
    d.choose(List::Porting, "2A");
    EXPECT_EQ(d.entries(List::Connection1).back(), "V - Fixed Male Face Seal, 1/4 inch");
    EXPECT_EQ(d.entries(List::Connection2).size(), 4u);  // positions 2 and 4 do not offer it
    d.choose(List::Connection1, "V - Fixed Male Face Seal, 1/4 inch");
    EXPECT_TRUE(d.state().nonStandardBanner);
    EXPECT_TRUE(d.state().record.nonStandard[0]);
    d.choose(List::Connection3, "V - Fixed Male Face Seal, 1/4 inch");
    EXPECT_FALSE(d.state().nonStandardBanner);
}

TEST(Configurator, TheBrandPictureHidesAndShowsThePrices) {
    Configurator m;
    EXPECT_FALSE(m.togglePrices().pricesShown);
    EXPECT_TRUE(m.togglePrices().pricesShown);
}

}  // namespace

namespace {

// The banner's reasons name each marked position and why, from the rules that mark it.
TEST(NonStandardReasons, OnePerMarkedPosition) {
    struct Case {
        const char* body;
        const char* porting;
        std::vector<std::pair<List, const char*>> connections;
        std::vector<std::string> reasons;
    };
    const Case cases[] = {
        {"MX2 - Standard Series", "2A", {{List::Connection1, "M - Male Face Seal, 1/4 inch"}}, {}},
        {"MX2 - Standard Series",
         "2A",
         {{List::Connection1, "V - Fixed Male Face Seal, 1/4 inch"}},
         {"Connection 1: \"V - Fixed Male Face Seal, 1/4 inch\" is standard only with the same in connection "
          "3"}},
        {"MX2 - Standard Series",
         "2A",
         {{List::Connection1, "6 - Tube Stub, 3/8 inch"}},
         {"Connection 1: \"6 - Tube Stub, 3/8 inch\" is not standard on MX2 with porting 2A"}},
        {"MX2 - Standard Series",
         "2A",
         {{List::Connection1, "6 - Tube Stub, 3/8 inch"}, {List::Connection3, "6 - Tube Stub, 3/8 inch"}},
         {}},  // a combination the catalogue sells as standard
        {"MX1 - Miniature Series",
         "3B",
         {{List::Connection2, "6 - Tube Stub, 3/8 inch"}, {List::Connection3, "6 - Tube Stub, 3/8 inch"}},
         {"Connection 2: \"6 - Tube Stub, 3/8 inch\" is not standard on MX1 with porting 3B",
          "Connection 3: \"6 - Tube Stub, 3/8 inch\" is not standard on MX1 with porting 3B"}},
    };
    for (const Case& c : cases) {
        tarvek::testing::ModelDriver d;
        d.choose(List::ProductType, "Diaphragm Valves");
        d.choose(List::Body, c.body);
        d.choose(List::Model, "A310 --- Air-Op N.C., Low Pressure");
        d.choose(List::Porting, c.porting);
        for (const auto& [list, entry] : c.connections) d.choose(list, entry);
        EXPECT_EQ(tarvek::nonStandardReasons(d.state()), c.reasons) << c.body << ' ' << c.porting;
        EXPECT_EQ(d.state().nonStandardBanner, !c.reasons.empty());
    }
}

}  // namespace
