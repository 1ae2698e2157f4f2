// The configurator model without a window: the events a user sends and the state they
// lead to.
#include <gtest/gtest.h>

#include "rules/configurator/configurator.h"
#include "rules/configurator/nonstandard_reasons.h"
#include "tests/support/model_driver.h"
#include "tests/support/quote_configurations.h"

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

// Whole configurations from the catalogue's worked examples: the part number with its blanks
// and the list price added up by hand from the catalogue's prices. A seat or seal reads its
// own button's caption, which the product type writes.
TEST(Configurator, WholeConfigurationsGiveTheirPartNumberAndListPrice) {
    using tarvek::testing::UserStep;
    struct Case {
        const char* type;
        const char* body;  // "" where the product type opens the models
        const char* model;
        std::vector<UserStep> further;
        const char* partNumber;
        const char* listPrice;
    };
    const char* const valves = "Diaphragm Valves";
    const char* const mx2 = "MX2 - Standard Series";
    const char* const a310 = "A310 --- Air-Op N.C., Low Pressure";
    const char* const j310 = "J310 --- Manual, Tee Knob, LOTO";
    const char* const m14 = "M - Male Face Seal, 1/4 inch";
    const char* const f14 = "F - Female Face Seal, 1/4 inch";
    const UserStep vespel = {Option::VespelSeat}, bleed = {Option::BleedSeat}, black = {Option::Black},
                   lever = {Option::LeverHandle};
    // clang-format off
    const Case cases[] = {
        {valves, mx2, j310, {{List::Porting, "2A"}, {List::Connection1, m14}, {List::Connection3, f14},
          vespel, black, lever}, "J310-MX2-2A-MXFX-VS-BK-LS", "367.5"},  // 120 + 140 + 45 + 25 + 30 + 7.5
        {valves, "MX3 - High Flow Series", a310, {{List::Porting, "2B"},
          {List::Connection1, "M - Male Face Seal, 1/4 inch Hi Flo"},
          {List::Connection2, "F - Female Face Seal, 1/4 inch Hi Flo"}},
         "A310-MX3-2B-MFXX", "355"},  // 110 + 170 + 15 + 30 + 30
        {valves, mx2, a310, {{List::Porting, "4A"}, {List::Connection1, "T - Tube Stub, 1/4 inch"},
          {List::Connection2, f14}, {List::Connection3, f14}, {List::Connection4, m14}, vespel},
         "A310-MX2-4A-T FFM -VS", "425"},  // 110 + 140 + 50 + 0 + 25 + 25 + 45 + 30
        {valves, mx2, a310, {{List::Porting, "3B"}}, "A310-MX2-3B-XXXX", "265"},
        {valves, mx2, a310, {{List::Porting, "3C"}}, "A310-MX2-3C-XXXX", "280"},
        {valves, mx2, a310, {{List::Porting, "3D"}}, "A310-MX2-3D-XXXX", "280"},
        {valves, mx2, "E310 --- Hybrid, N.C., LOTO", {bleed, {Option::Yellow}, lever,
          {List::Porting, "4A"}, {List::Connection2, "6 - Tube Stub, 3/8 inch"}},
         "E310-MX2-4A-X6XX-B5-YW-LS", "417.5"},  // 180 + 140 + 50 + 10 + 30 + 7.5
        {valves, mx2, j310, {vespel, black, lever}, "J310-MX2-VS-BK-LS", "297.5"},
        {valves, mx2, j310, {vespel, black, lever, lever}, "J310-MX2-VS-BK", "290"},
        {valves, mx2, j310, {vespel, black, lever, lever, {Option::StandardColour}}, "J310-MX2-VS", "290"},
        {valves, "MX1 - Miniature Series", "N350 --- Manual, Round Knob", {bleed}, "N350-MX1-B5", "268"},
        {valves, "HMX2 - Very High Pressure Series", "N22 --- Manual, Round Knob, LOTO", {},
         "N22-HMX2-VS", "440"},  // 120 + 290 + 30: the Vespel seat comes fitted
        {valves, "BMX2 - V-Block Series", "", {}, "-BMX2", "0"},
        {"Pressure Regulators", "GN1 - Miniature Series", "T403 - Vac to 30 Psig Outlet", {vespel},
         "T403-GN1-VS", "570"},
        {"Pressure Regulators", "GN2 - Standard Series", "T410 - 20 to 100 Psig Outlet",
         {{List::Porting, "2A"}, {List::Connection1, f14}, {List::Connection3, m14}, vespel},
         "T410-GN2-2A-FXMX-VS", "640"},  // 540 + 25 + 45 + 30
        {"Flow Components", "Check Valve", "KL-01 - 1/4 inch Face Seal Gland", {vespel}, "KL-01-KZ", "200"},
        {"Flow Components", "Check Valve", "KL-01 - 1/4 inch Face Seal Gland", {bleed}, "KL-01-EP", "125"},
        {"Flow Components", "Check Valve", "KL-02 - 1/4 inch LNQ Face Seal Gland", {bleed}, "KL-02-EP",
         "145"},
        {"Flow Components", "Vacuum Generator", "WN-02 - Quad-Tee", {}, "WN-02", "155"},
        {"Actuator Assemblies", "", "E310 --- Hybrid, N.C., LOTO", {}, "E310", "180"},
        {"Miscellaneous Parts", "", "Valve Seat - MX3", {}, "70-803-02", "10"},
        {"Miscellaneous Parts", "", "Valve Seat - MX1/MX2", {}, "70-803-04", "10"},
        {"Fittings", "Compart Bulkheads", "3/8 x 5/8 inch Coax Tube", {}, "3-EP-4-VC-C61-6-10TB7", "64.53"},
        {"Fittings", "Tarvek LNQ Fittings", "02 - 3/8 Tube x 1/4 Male Face Seal", {}, "LNQ-02", "45"},
    };
    // clang-format on
    for (const Case& c : cases) {
        ModelDriver d;
        d.choose(List::ProductType, c.type);
        if (*c.body) d.choose(List::Body, c.body);
        if (*c.model) d.choose(List::Model, c.model);
        for (const UserStep& step : c.further) d.use(step.control, step.entry);
        EXPECT_EQ(d.state().partNumber, c.partNumber) << c.model;
        EXPECT_EQ(d.listPrice(), c.listPrice) << c.partNumber;
    }
}

TEST(Configurator, VeryHighPressureValvesComeWithTheVespelSeatFixed) {
    for (const auto& [model, partNumber] :
         {std::pair{"A375 --- Air-Op N.C., Very High Pressire.", "A375-HMX2-VS"},
          std::pair{"N22 --- Manual, Round Knob, LOTO", "N22-HMX2-VS"}}) {
        ModelDriver d;
        d.choose(List::ProductType, "Diaphragm Valves");
        d.choose(List::Body, "HMX2 - Very High Pressure Series");
        d.choose(List::Model, model);
        EXPECT_EQ(d.state().partNumber, partNumber);
        EXPECT_EQ(d.state().record.seat.code, "-VS") << model;
        EXPECT_TRUE(d.option(Option::VespelSeat).checked) << model;
        EXPECT_FALSE(d.state().seatFrameActive) << model;
        EXPECT_FALSE(d.option(Option::StandardSeat).enabled || d.model.answers(Option::StandardSeat))
            << model;
        EXPECT_EQ(d.state().valveDescription, ".16 Cv, 6200 psig");

        d.choose(List::Model, "--- Note: N375 relabeled as N22 ---");  // a note entry: the model reset only
        EXPECT_TRUE(d.option(Option::StandardSeat).checked);
        EXPECT_EQ(d.state().partNumber, "-HMX2");
        EXPECT_EQ(d.listPrice(), "290");
    }
    ModelDriver d;  // the same actuator on MX2 lets the user choose
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, "MX2 - Standard Series");
    d.choose(List::Model, "N22 --- Manual, Round Knob, LOTO");
    EXPECT_FALSE(d.option(Option::VespelSeat).checked);
    EXPECT_TRUE(d.option(Option::VespelSeat).enabled);
}

TEST(Configurator, TheLeverHandleShowsTheStubbyKnobAndGivesTheSeriesPictureBack) {
    const std::tuple<const char*, const char*, const char*> series[] = {
        {"MX1 - Miniature Series", "J310-MX-2A.jpg", "J310-MX1"},
        {"MX2 - Standard Series", "J310-MX2-2A.jpg", "J310-MX2"},
    };
    for (const auto& [body, picture, partNumber] : series) {
        ModelDriver d;
        d.choose(List::ProductType, "Diaphragm Valves");
        d.choose(List::Body, body);
        d.choose(List::Model, "J310 --- Manual, Tee Knob, LOTO");
        d.click(Option::LeverHandle);
        EXPECT_EQ(d.state().picture, "J310 Stubby Knob.jpg");
        EXPECT_EQ(d.listPrice(), "267.5");
        d.click(Option::LeverHandle);
        EXPECT_EQ(d.state().picture, picture);  // the series' own picture, by its table
        EXPECT_EQ(d.state().partNumber, partNumber);
    }
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
