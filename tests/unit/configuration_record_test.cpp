#include "rules/configurator/configuration_record.h"

#include <gtest/gtest.h>

namespace tarvek {
namespace {

ConfigurationRecord fullyConfigured() {
    ConfigurationRecord r;
    r.model = {"J310", "5"};
    r.body = {"-MX2", "5"};
    r.porting = {"-2A", "5"};
    r.connections = {{{"-M", "5"}, {"X", "5"}, {"F", "5"}, {"X", "5"}}};
    r.seat = {"-VS", "5"};
    r.handleColour = {"-BK", "5"};
    r.generalOption = {"", "5"};
    r.leverHandle = {"-LS", "5"};
    r.nonStandard = {true, true, true, true};
    r.optionsNonStandard = true;
    return r;
}

TEST(PartNumber, JoinsTheSegmentsAsTheyStand) {
    EXPECT_EQ(composePartNumber(ConfigurationRecord{}), "");
    EXPECT_EQ(composePartNumber(fullyConfigured()), "J310-MX2-2A-MXFX-VS-BK-LS");

    ConfigurationRecord blanks;
    blanks.connections[0].code = "-T";
    blanks.connections[1].code = " F";
    blanks.connections[3].code = "M ";
    blanks.seat.code = "-VS";
    EXPECT_EQ(composePartNumber(blanks), "-T FM -VS");
}

TEST(ResetGroups, ClearExactlyTheirSegments) {
    const ConfigurationRecord before = fullyConfigured();
    const auto unmarked = [](const ConfigurationRecord& r) {
        return r.nonStandard == std::array{false, false, false, false} && !r.optionsNonStandard;
    };

    ConfigurationRecord full = before;
    fullReset(full);
    EXPECT_EQ(composePartNumber(full), "-LS");  // the lever handle follows its check box only
    EXPECT_EQ(full.leverHandle.price.written(), "5");
    EXPECT_EQ(full.body.price.written(), "0");
    EXPECT_EQ(full.seat.price.written(), "0");
    EXPECT_TRUE(unmarked(full));

    ConfigurationRecord model = before;
    modelReset(model);
    EXPECT_EQ(composePartNumber(model), "-MX2-VS-LS");  // body and seat survive a model change
    EXPECT_EQ(model.body.price.written(), "5");
    EXPECT_EQ(model.seat.price.written(), "5");
    EXPECT_EQ(model.model.price.written(), "0");
    EXPECT_EQ(model.handleColour.price.written(), "0");
    EXPECT_TRUE(unmarked(model));

    ConfigurationRecord porting = before;
    portingReset(porting);
    EXPECT_EQ(composePartNumber(porting), "J310-MX2-2A-XXXX-VS-BK-LS");
    for (const Contribution& connection : porting.connections) EXPECT_EQ(connection.price.written(), "0");
    EXPECT_EQ(porting.porting.price.written(), "5");
    EXPECT_TRUE(unmarked(porting));
}

}  // namespace
}  // namespace tarvek
