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

}  // namespace
}  // namespace tarvek
