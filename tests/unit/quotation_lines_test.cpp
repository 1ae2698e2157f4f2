// Lines from the catalogue: the configuration on the page reached again by events, the
// product's own picture (never a lever's or a drawing), and saved lines priced again.
#include "rules/quotes/quotation_lines.h"

#include <gtest/gtest.h>

#include "tests/support/model_driver.h"
#include "tests/support/quote_configurations.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;

TEST(QuotationLines, TheConfigurationOnThePageBecomesALine) {
    const struct {
        const char* name;
        std::vector<UserStep> steps;
        const char* partNumber;
        Money listPrice;
        const char* picture;  // the catalogue's picture of the model on its series, or of the part
        bool nonStandard;
    } cases[] = {
        {"lever handle: the valve's picture, not the lever's",
         kTypicalValveSteps,
         "J310-MX2-2A-MXFX-VS-BK-LS",
         {367'50},
         "J310-MX2-2A.jpg",
         false},
        {"porting drawing on the page: the valve's picture",
         kPortingDrawingSteps,
         "A310-MX2-2A-MXFX-VS",
         {350'00},
         "A310-MX2-2A.jpg",
         false},
        {"regulator", kRegulatorSteps, "T410-GN2-2A-MXFX-VS", {640'00}, "T400-GN2-2A.jpg", false},
        {"fitting", kFittingSteps, "1-4-VC-1", {4'51}, "Nut - Female.jpg", false},
        {"non-standard", kNonStandardSteps, "A310-MX2-2A-VXTX", {270'00}, "A310-MX2-2A.jpg", true},
    };
    for (const auto& c : cases) {
        ModelDriver driver;
        takeSteps(driver, c.steps);
        const std::vector<ConfiguratorEvent> events = eventsReaching(driver.state());
        ASSERT_FALSE(events.empty()) << c.name;
        Configurator replay;
        for (const ConfiguratorEvent& event : events) replay.apply(event);
        EXPECT_EQ(replay.state().record, driver.state().record) << c.name;
        const QuotationLine line = lineOf(driver.state(), events);
        EXPECT_EQ(line.partNumber, c.partNumber) << c.name;
        EXPECT_EQ(line.listPrice, c.listPrice) << c.name;
        EXPECT_EQ(line.picture, c.picture) << c.name;
        EXPECT_EQ(line.nonStandard, c.nonStandard) << c.name;
        EXPECT_EQ(line.quantity, 1) << c.name;
    }
}

TEST(QuotationLines, DescriptionNamesEachStepAndConnectionPositions) {
    ModelDriver driver;
    takeSteps(driver, kTypicalValveSteps);
    EXPECT_EQ(
        descriptionOf(driver.state()),
        "Diaphragm Valves; MX2 - Standard Series; J310 --- Manual, Tee Knob, LOTO; 2A; "
        "1: M - Male Face Seal, 1/4 inch; 3: F - Female Face Seal, 1/4 inch; VS - Vespel Seat; BK - Black; "
        "LS - Lever Handle");
    EXPECT_TRUE(eventsReaching(Configurator().state()).empty());  // no part number yet
}

TEST(QuotationLines, RepricingSaysWhatChanged) {
    const std::optional<QuotationLine> today = lineForPartNumber("A310-MX2-2A-MXFX-VS");
    ASSERT_TRUE(today);
    const struct {
        const char* name;
        std::string partNumber;
        Money savedPrice;
        std::string description;
        std::string change;
        Money listPrice;
        bool configured;
    } cases[] = {
        {"unchanged", "A310-MX2-2A-MXFX-VS", {350'00}, today->description, "", {350'00}, true},
        {"the price list moved",
         "A310-MX2-2A-MXFX-VS",
         {330'00},
         today->description,
         "list price 330.00 is now 350.00",
         {350'00},
         true},
        {"written another way",
         "a310-mx2-2a-mxfx-vs",
         {350'00},
         "",
         "part number a310-mx2-2a-mxfx-vs is now A310-MX2-2A-MXFX-VS",
         {350'00},
         true},
        {"no longer in the catalogue",
         "A999-MX2",
         {120'00},
         "old valve",
         "part number no longer in the catalogue; the saved list price 120.00 is kept",
         {120'00},
         false},
    };
    for (const auto& c : cases) {
        QuotationLine saved;
        saved.partNumber = c.partNumber;
        saved.listPrice = c.savedPrice;
        saved.description = c.description;
        saved.quantity = 12;
        saved.discount = Percent{5'00};
        const QuotationLine line = repriced(saved);
        EXPECT_EQ(line.change, c.change) << c.name;
        EXPECT_EQ(line.listPrice, c.listPrice) << c.name;
        EXPECT_EQ(line.events.empty(), !c.configured) << c.name;
        EXPECT_EQ(line.quantity, 12) << c.name;
        EXPECT_EQ(line.discount, Percent{5'00}) << c.name;
        if (!c.configured) {
            EXPECT_EQ(line.description, "old valve") << c.name;
        }
    }
}

}  // namespace
