// The cascade of lists on the configurator alone: what each list opens, fills and resets
// below it, the pictures, notes and option groups each choice brings. Part numbers and prices
// of whole configurations are in the model's own test, each table's codes in the facts test.
#include <gtest/gtest.h>

#include "tests/support/model_driver.h"

namespace {

using namespace tarvek;
using tarvek::testing::ModelDriver;
using Entries = std::vector<std::string>;

ModelDriver valve(const char* body, const char* model) {
    ModelDriver d;
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, body);
    d.choose(List::Model, model);
    return d;
}

constexpr List kBelowTheType[] = {List::Body,        List::Model,       List::Porting,    List::Connection1,
                                  List::Connection2, List::Connection3, List::Connection4};

TEST(ConfiguratorCascade, TheSeparatorOnlyResets) {
    ModelDriver d = valve("MX2 - Standard Series", "J310 --- Manual, Tee Knob, LOTO");
    d.choose(List::Porting, "2A");
    d.click(Option::LeverHandle);
    d.choose(List::ProductType, std::string(26, '-'));
    EXPECT_EQ(d.state().record, ConfigurationRecord{});
    EXPECT_EQ(d.state().partNumber, "");
    EXPECT_EQ(d.listPrice(), "0");
    for (List list : kBelowTheType) {
        EXPECT_TRUE(d.entries(list).empty()) << int(list);
        EXPECT_FALSE(d.state().list(list).enabled) << int(list);
    }
    EXPECT_FALSE(d.state().pictureShown);
    EXPECT_EQ(d.state().picture, "");
    EXPECT_TRUE(d.option(Option::StandardSeat).checked && d.option(Option::StandardColour).checked);
    EXPECT_FALSE(d.option(Option::LeverHandle).checked);
}

TEST(ConfiguratorCascade, ChoosingTheSameEntryTwiceRebuildsItsListWithoutDuplicates) {
    const std::tuple<List, const char*, std::size_t> steps[] = {
        {List::ProductType, "Diaphragm Valves", 7},
        {List::Body, "MX3 - High Flow Series", 11},
        {List::Model, "A310 --- Air-Op N.C., Low Pressure", 15},
    };
    ModelDriver d;
    for (const auto& [list, entry, below] : steps) {
        d.choose(list, entry);
        d.choose(list, entry);
        EXPECT_EQ(d.entries(List(std::size_t(list) + 1)).size(), below) << entry;
    }
}

TEST(ConfiguratorCascade, SeatCaptionsFollowTheProductFamily) {
    const Entries seats = {"PCTFE (standard seat)", "VS - Vespel Seat", "B5 - Bleed Seat"};
    const Entries seals = {"Viton (standard seal)", "KZ - Kalrez Seal", "EP - EPR Seal"};
    const std::pair<const char*, const Entries*> steps[] = {
        {"Flow Components", &seals},     {"Fittings", &seals},         {"Actuator Assemblies", &seals},
        {"Miscellaneous Parts", &seals}, {"Diaphragm Valves", &seats}, {"Flow Components", &seals},
        {"Pressure Regulators", &seats},
    };
    ModelDriver d;
    for (const auto& [type, expected] : steps) {
        d.choose(List::ProductType, type);
        const Entries captions = {std::string(d.option(Option::StandardSeat).caption),
                                  std::string(d.option(Option::VespelSeat).caption),
                                  std::string(d.option(Option::BleedSeat).caption)};
        EXPECT_EQ(captions, *expected) << type;
    }
}

TEST(ConfiguratorCascade, FlowComponentsShowTheirPictureWithTheModelAndOnlyCheckValvesHaveSeals) {
    ModelDriver d;
    d.choose(List::ProductType, "Flow Components");
    EXPECT_FALSE(d.state().pictureShown);
    d.choose(List::Body, "Check Valve");
    EXPECT_EQ(d.state().record.body.code, "");
    EXPECT_FALSE(d.state().pictureShown);
    d.choose(List::Model, "KL-01 - 1/4 inch Face Seal Gland");
    EXPECT_EQ(d.state().record.body.price.written(), "125");
    d.choose(List::Model, "KL-02 - 1/4 inch LNQ Face Seal Gland");
    EXPECT_EQ(d.state().record.body.price.written(), "145");
    EXPECT_EQ(d.state().picture, "KL-02.jpg");
    EXPECT_TRUE(d.state().seatFrameActive);

    d.choose(List::Body, "Vacuum Generator");
    d.choose(List::Model, "WN-02 - Quad-Tee");
    EXPECT_FALSE(d.state().seatFrameActive);
    EXPECT_FALSE(d.option(Option::VespelSeat).enabled);
}

TEST(ConfiguratorCascade, TheVBlockSeriesEndsTheCascade) {
    ModelDriver d;
    d.choose(List::ProductType, "Diaphragm Valves");
    d.choose(List::Body, "BMX2 - V-Block Series");
    EXPECT_EQ(d.state().partNumber, "-BMX2");
    EXPECT_EQ(d.listPrice(), "0");
    EXPECT_TRUE(d.entries(List::Model).empty());
    EXPECT_FALSE(d.state().list(List::Model).enabled);
    EXPECT_EQ(d.state().picture, "V-Blocks.jpg");
    EXPECT_TRUE(d.state().vBlockNoteShown);
    EXPECT_FALSE(d.state().valveDescriptionShown);

    d.choose(List::Body, "MX1 - Miniature Series");
    EXPECT_FALSE(d.state().vBlockNoteShown);
}

TEST(ConfiguratorCascade, TheLeverHandleIsOfferedOnlyForE310AndJ310OnValves) {
    const std::pair<const char*, bool> models[] = {
        {"U310 --- Air-Op N.O., Low Pressure", false}, {"A310 --- Air-Op N.C., Low Pressure", false},
        {"A33 --- Air-Op N.C., High Pressure", false}, {"J310 --- Manual, Tee Knob, LOTO", true},
        {"N350 --- Manual, Round Knob", false},        {"A371 --- Air-Op N.C., High Pressure", false},
        {"E310 --- Hybrid, N.C., LOTO", true},
    };
    for (const auto& [model, lever] : models)
        EXPECT_EQ(valve("MX1 - Miniature Series", model).option(Option::LeverHandle).enabled, lever) << model;

    ModelDriver d;
    d.choose(List::ProductType, "Actuator Assemblies");
    for (const char* model : {"J310 --- Manual, Tee Knob, LOTO", "E310 --- Hybrid, N.C., LOTO"}) {
        d.choose(List::Model, model);
        EXPECT_FALSE(d.option(Option::LeverHandle).enabled) << model;
        EXPECT_TRUE(d.model.answers(Option::Black)) << model;  // the handle colours are still offered
        EXPECT_TRUE(d.entries(List::Porting).empty());
        EXPECT_FALSE(d.state().seatFrameActive);
    }
    EXPECT_EQ(d.state().picture, "E310.jpg");
}

TEST(ConfiguratorCascade, ASecondModelLeavesNothingOfTheFirstBehind) {
    ModelDriver d = valve("MX2 - Standard Series", "E310 --- Hybrid, N.C., LOTO");
    d.click(Option::BleedSeat);
    d.click(Option::Yellow);
    d.click(Option::LeverHandle);
    d.choose(List::Porting, "4A");
    d.choose(List::Connection2, "6 - Tube Stub, 3/8 inch");
    ASSERT_TRUE(d.state().nonStandardBanner);

    d.choose(List::Model, "A310 --- Air-Op N.C., Low Pressure");
    EXPECT_EQ(d.state().partNumber, "A310-MX2");
    EXPECT_EQ(d.listPrice(), "250");
    EXPECT_FALSE(d.state().nonStandardBanner);
    EXPECT_TRUE(d.option(Option::StandardSeat).checked && d.option(Option::StandardColour).checked);
    EXPECT_FALSE(d.option(Option::LeverHandle).checked || d.option(Option::LeverHandle).enabled ||
                 d.state().colourFrameActive);
    for (std::size_t p = 0; p < kConnectionPositions; ++p) EXPECT_TRUE(d.entries(connectionList(p)).empty());
    EXPECT_EQ(d.state().record.body.price.written(), "140.00");
    EXPECT_EQ(d.state().pictureCaption, "");
}

TEST(ConfiguratorCascade, HeadingsAndBlankModelEntriesOnlyReset) {
    ModelDriver d = valve("MX1 - Miniature Series", "A33 --- Air-Op N.C., High Pressure");
    for (const char* entry : {"", "-----  Other Available Models  -----"}) {
        d.choose(List::Model, entry);
        EXPECT_EQ(d.state().record.model.code, "");
        EXPECT_EQ(d.state().record.model.price.written(), "0");
        EXPECT_TRUE(d.entries(List::Porting).empty());
        EXPECT_FALSE(d.state().list(List::Porting).enabled);
        EXPECT_FALSE(d.state().pictureShown);
        EXPECT_EQ(d.state().partNumber, "-MX1");
        EXPECT_EQ(d.listPrice(), "140");
    }
}

TEST(ConfiguratorCascade, PortingsOfferTheSeriesConnections) {
    const Entries mx12 = {"T - Tube Stub, 1/4 inch", "M - Male Face Seal, 1/4 inch",
                          "F - Female Face Seal, 1/4 inch", "6 - Tube Stub, 3/8 inch"};
    Entries withFixedMale = mx12;
    withFixedMale.push_back("V - Fixed Male Face Seal, 1/4 inch");
    ModelDriver d = valve("MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure");
    for (int twice = 0; twice < 2; ++twice) {
        d.choose(List::Porting, "2A");
        EXPECT_EQ(d.entries(List::Connection1), withFixedMale);
        EXPECT_EQ(d.entries(List::Connection3), withFixedMale);
        EXPECT_EQ(d.entries(List::Connection2), mx12);
        EXPECT_EQ(d.entries(List::Connection4), mx12);
    }
    d.choose(List::Porting, "2D");  // same positions, no fixed male seal
    EXPECT_EQ(d.entries(List::Connection1), mx12);

    d = valve("MX1 - Miniature Series", "A310 --- Air-Op N.C., Low Pressure");
    d.choose(List::Porting, "2A");
    for (std::size_t p = 0; p < kConnectionPositions; ++p) EXPECT_EQ(d.entries(connectionList(p)), mx12) << p;

    d = valve("HMX2 - Very High Pressure Series", "N22 --- Manual, Round Knob, LOTO");
    d.choose(List::Porting, "2A");
    EXPECT_EQ(d.entries(List::Connection1),
              (Entries{"T - Tube Stub, .049 Wall, 1/4 inch", "V - Fixed Male Face Seal, 1/4 inch"}));
}

TEST(ConfiguratorCascade, ChoosingTheSameConnectionAgainChangesNothing) {
    ModelDriver d = valve("MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure");
    d.choose(List::Porting, "4A");
    d.choose(List::Connection1, "T - Tube Stub, 1/4 inch");
    d.choose(List::Connection2, "F - Female Face Seal, 1/4 inch");
    d.choose(List::Connection3, "F - Female Face Seal, 1/4 inch");
    d.choose(List::Connection4, "M - Male Face Seal, 1/4 inch");
    d.click(Option::VespelSeat);
    const ConfigurationRecord before = d.state().record;
    d.choose(List::Connection4, "M - Male Face Seal, 1/4 inch");
    EXPECT_EQ(d.state().record, before);
}

TEST(ConfiguratorCascade, ANewPortingStartsTheConnectionsAfresh) {
    ModelDriver d = valve("MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure");
    d.choose(List::Porting, "3E");
    d.choose(List::Connection1, "6 - Tube Stub, 3/8 inch");
    d.choose(List::Connection4, "6 - Tube Stub, 3/8 inch");
    EXPECT_TRUE(d.state().nonStandardBanner);
    d.choose(List::Porting, "3E");
    EXPECT_EQ(d.state().partNumber, "A310-MX2-3E-XXXX");
    EXPECT_EQ(d.listPrice(), "280");
    EXPECT_FALSE(d.state().nonStandardBanner);
    EXPECT_FALSE(d.state().list(List::Connection2).enabled);
    EXPECT_TRUE(d.state().captionIsActive(List::Connection4));
    EXPECT_FALSE(d.state().captionIsActive(List::Connection2));
}

TEST(ConfiguratorCascade, RegulatorsHaveOnePortingAndTwoSeats) {
    for (const auto& [body, picture] : {std::pair{"GN1 - Miniature Series", "T400-GN1-2A.jpg"},
                                        std::pair{"GN2 - Standard Series", "T400-GN2-2A.jpg"}}) {
        ModelDriver d;
        d.choose(List::ProductType, "Pressure Regulators");
        EXPECT_EQ(d.state().picture, "T400 Regulators.jpg");
        d.choose(List::Body, body);
        EXPECT_FALSE(d.state().valveDescriptionShown);
        d.choose(List::Model, "T410 - 20 to 100 Psig Outlet");
        EXPECT_EQ(d.state().picture, picture);
        EXPECT_EQ(d.entries(List::Porting), Entries{"2A"});
        EXPECT_TRUE(d.option(Option::StandardSeat).enabled && d.option(Option::VespelSeat).enabled);
        EXPECT_FALSE(d.option(Option::BleedSeat).enabled);
        EXPECT_EQ(d.state().record.model.price.written(), "0");
        d.choose(List::Porting, "2A");
        EXPECT_EQ(d.entries(List::Connection1),
                  (Entries{"T - Tube Stub, 1/4 inch", "M - Male Face Seal, 1/4 inch",
                           "F - Female Face Seal, 1/4 inch"}));
        d.choose(List::Connection1, "F - Female Face Seal, 1/4 inch");
        d.choose(List::Connection3, "M - Male Face Seal, 1/4 inch");
        d.click(Option::VespelSeat);
        EXPECT_FALSE(d.state().nonStandardBanner);
    }
}

TEST(ConfiguratorCascade, SparePartsAndFittingsOpenNothingFurther) {
    ModelDriver d;
    d.choose(List::ProductType, "Miscellaneous Parts");
    EXPECT_FALSE(d.state().list(List::Body).enabled);
    for (const char* seat : {"Valve Seat - MX3", "Valve Seat - MX1/MX2"}) {
        d.choose(List::Model, seat);
        EXPECT_EQ(d.state().picture, "70-803-01.jpg") << seat;
        EXPECT_FALSE(d.state().list(List::Porting).enabled);
    }
    d.choose(List::ProductType, "Fittings");
    d.choose(List::Body, "Compart Bulkheads");
    EXPECT_EQ(d.state().picture, "Bulkhead.jpg");
    d.choose(List::Model, "3/8 x 5/8 inch Coax Tube");
    EXPECT_TRUE(d.entries(List::Porting).empty());
    EXPECT_FALSE(d.state().seatFrameActive || d.state().colourFrameActive);
    d.choose(List::Body, "Tarvek LNQ Fittings");
    d.choose(List::Model, "02 - 3/8 Tube x 1/4 Male Face Seal");
    EXPECT_EQ(d.state().picture, "LNQ.gif");
}

}  // namespace
