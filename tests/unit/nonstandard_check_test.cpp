#include "rules/configurator/nonstandard_check.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tarvek {
namespace {

struct Case {
    const char* series;
    const char* porting;
    std::array<const char*, 4> connections;
    std::array<const char*, 4> markers;
};

// The kind of connection a code of the catalogue stands for, in any position.
ConnectionKind kindOf(std::string_view code) {
    while (!code.empty() && (code.front() == '-' || code.front() == ' ')) code.remove_prefix(1);
    while (!code.empty() && code.back() == ' ') code.remove_suffix(1);
    const std::pair<std::string_view, ConnectionKind> kinds[] = {
        {"T", ConnectionKind::TubeStub},         {"M", ConnectionKind::MaleFaceSeal},
        {"F", ConnectionKind::FemaleFaceSeal},   {"V", ConnectionKind::FixedMaleFaceSeal},
        {"4", ConnectionKind::NumberedStub4},    {"6", ConnectionKind::NumberedStub6},
        {"8", ConnectionKind::NumberedStub8},    {"M8", ConnectionKind::MaleFaceSeal8},
        {"F8", ConnectionKind::FemaleFaceSeal8}, {"X", ConnectionKind::Unused}};
    for (const auto& [letters, kind] : kinds)
        if (letters == code) return kind;
    ADD_FAILURE() << "no connection code \"" << code << '"';
    return ConnectionKind::Unused;
}

ConfigurationRecord recordOf(const Case& c) {
    ConfigurationRecord r;
    r.body.code = c.series;
    r.porting.code = c.porting;
    for (std::size_t i = 0; i < 4; ++i) {
        r.connections[i].code = c.connections[i];
        r.connectionKinds[i] = kindOf(c.connections[i]);
    }
    return r;
}

std::string mark(bool marked) { return marked ? "NS" : ""; }

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
        const bool banner = nonStandardCheck(ProductFamily::DiaphragmValves, r);
        const std::array<std::string, 4> markers = {mark(r.nonStandard[0]), mark(r.nonStandard[1]),
                                                    mark(r.nonStandard[2]), mark(r.nonStandard[3])};
        const std::string label = std::string(c.series) + c.porting + c.connections[0] + c.connections[1] +
                                  c.connections[2] + c.connections[3];
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(markers[i], c.markers[i]) << label << " position " << i + 1;
        const bool anyMarked = std::string(c.markers[0]) + c.markers[1] + c.markers[2] + c.markers[3] != "";
        EXPECT_EQ(banner, anyMarked) << label;
        EXPECT_EQ(mark(r.optionsNonStandard), "");
    }
}

TEST(NonStandardCheck, OtherProductTypesKeepTheirMarkers) {
    ConfigurationRecord r = recordOf({"-GN1", "-2A", {"-6", "X", "X", "X"}, {}});
    EXPECT_FALSE(nonStandardCheck(ProductFamily::PressureRegulators, r));
    EXPECT_EQ(mark(r.nonStandard[0]), "");

    r.nonStandard[1] = true;  // left as found: only diaphragm valves are checked
    r.optionsNonStandard = true;
    EXPECT_TRUE(nonStandardCheck(ProductFamily::None, r));
    EXPECT_EQ(mark(r.nonStandard[1]), "NS");
    EXPECT_EQ(mark(r.optionsNonStandard), "");
}

}  // namespace
}  // namespace tarvek
