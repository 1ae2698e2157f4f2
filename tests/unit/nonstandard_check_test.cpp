#include "rules/configurator/nonstandard_check.h"

#include <gtest/gtest.h>

namespace tarvek {
namespace {

struct Case {
    const char* series;
    const char* porting;
    std::array<const char*, 4> connections;
    std::array<const char*, 4> markers;
};

ConfigurationRecord recordOf(const Case& c) {
    ConfigurationRecord r;
    r.lblPNBody = c.series;
    r.lblPNPorting = c.porting;
    for (std::size_t i = 0; i < 4; ++i) r.*kConnectionCodes[i] = c.connections[i];
    return r;
}

TEST(NonStandardCheck, MarksStubsAndLoneFixedMaleSealsUnlessExcepted) {
    const Case cases[] = {
        // Default marks.
        {"-MX2", "-2A", {"-6", "X", "X", "X"}, {"NS", "", "", ""}},
        {"-MX2", "-2A", {"-6", "X", "6", "X"}, {"", "", "", ""}},  // exception 6
        {"-MX3", "-2A", {"-8", "X", "T", "X"}, {"NS", "", "", ""}},
        {"-MX1", "-3B", {"-T", "6", "T", "X"}, {"", "NS", "", ""}},
        {"-MX4", "-4A", {"-4", "4", "4", "4"}, {"NS", "NS", "NS", ""}},  // position 4 is never marked
        {"-MX2", "-2A", {"-V", "X", "V", "X"}, {"", "", "", ""}},
        {"-MX2", "-2A", {"-V", "X", "T", "X"}, {"NS", "", "", ""}},
        {"-MX2", "-2A", {"-T", "X", "V", "X"}, {"", "", "NS", ""}},
        {"-MX2", "-4A", {"-T", "M", " F", "M "}, {"", "", "", ""}},
        {"-MX2", "-4A", {"-X", "X", "X", "X"}, {"", "", "", ""}},
        {"-MX2", "-4A", {"-M8", "F8", "M8", "8"}, {"", "", "", ""}},
        // The seven exceptions, each with a near miss beside it.
        {"-MX1", "-2C", {"-6", "X", "X", "X"}, {"", "", "", ""}},
        {"-MX2", "-2C", {"-6", "X", "X", "X"}, {"", "", "", ""}},
        {"-MX3", "-2C", {"-6", "X", "X", "X"}, {"NS", "", "", ""}},
        {"-MX1", "-3B", {"-6", "T", "6", "X"}, {"", "", "", ""}},
        {"-MX1", "-3B", {"-6", "6", "6", "X"}, {"", "NS", "", ""}},
        {"-MX2", "-3B", {"-6", "X", "X", "X"}, {"NS", "", "", ""}},  // an unselected partner does not count
        {"-MX3", "-2A", {"-8", "X", "8", "X"}, {"", "", "", ""}},
        {"-MX3", "-2A", {"-8", "X", "X", "X"}, {"NS", "", "", ""}},
        {"-MX3", "-2C", {"-8", "X", "X", "X"}, {"", "", "", ""}},
        {"-MX3", "-3B", {"-8", "T", "8", "X"}, {"", "", "", ""}},
        {"-MX3", "-3B", {"-8", "8", "8", "X"}, {"", "NS", "", ""}},
        {"-MX1", "-2A", {"-6", "X", "6", "X"}, {"NS", "", "NS", ""}},  // exception 6 is for MX2 only
        {"-HMX3", "-2A", {"-8", "X", "8", "X"}, {"", "", "", ""}},
        {"-HMX3", "-2D", {"-8", "X", "8", "X"}, {"NS", "", "NS", ""}},
    };
    for (const Case& c : cases) {
        ConfigurationRecord r = recordOf(c);
        const bool banner = nonStandardCheck("Diaphragm Valves", r);
        const std::array<std::string, 4> markers = {r.lblNSConn1, r.lblNSConn2, r.lblNSConn3, r.lblNSConn4};
        const std::string label = std::string(c.series) + c.porting + c.connections[0] + c.connections[1] +
                                  c.connections[2] + c.connections[3];
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(markers[i], c.markers[i]) << label << " position " << i + 1;
        const bool anyMarked = std::string(c.markers[0]) + c.markers[1] + c.markers[2] + c.markers[3] != "";
        EXPECT_EQ(banner, anyMarked) << label;
        EXPECT_EQ(r.lblNSOptions, "");
    }
}

TEST(NonStandardCheck, OtherProductTypesKeepTheirMarkers) {
    ConfigurationRecord r = recordOf({"-GN1", "-2A", {"-6", "X", "X", "X"}, {}});
    EXPECT_FALSE(nonStandardCheck("Pressure Regulators", r));
    EXPECT_EQ(r.lblNSConn1, "");

    r.lblNSConn2 = "NS";  // left as found: only diaphragm valves are checked
    r.lblNSOptions = "NS";
    EXPECT_TRUE(nonStandardCheck("", r));
    EXPECT_EQ(r.lblNSConn2, "NS");
    EXPECT_EQ(r.lblNSOptions, "");
}

}  // namespace
}  // namespace tarvek
