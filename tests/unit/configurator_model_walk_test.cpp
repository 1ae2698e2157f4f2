// Every configuration a user can make, walked on the model alone: after every click the
// part number and prices follow the record, the banner follows the markers, a caption is
// active exactly when its list is, and nothing opens below a list that is not open.
// Coverage is then checked against the catalogue tables.
#include <gtest/gtest.h>

#include <set>

#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/connections.h"
#include "rules/configurator/nonstandard_check.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/product_types.h"
#include "rules/configurator/pricing.h"
#include "tests/support/cascade_walk.h"

namespace {

using namespace tarvek;
using tarvek::testing::Click;

void checkInvariants(const ConfiguratorState& s) {
    ASSERT_EQ(s.partNumber, composePartNumber(s.record));
    ASSERT_EQ(s.listPrice, listPriceText(s.record));
    ASSERT_EQ(s.netPrice, netPriceText(s.listPrice, s.discount));
    ConfigurationRecord recheck = s.record;
    ASSERT_EQ(nonStandardCheck(s.list(List::ProductType).chosenText(), recheck), s.nonStandardBanner);
    ASSERT_EQ(recheck, s.record) << "markers not up to date";
    for (std::size_t i = 1; i < kListCount; ++i) {
        ASSERT_EQ(s.captionActive[i], s.lists[i].enabled) << i;
        if (!s.lists[i].enabled) continue;
        ASSERT_FALSE(s.lists[i].entries.empty()) << i;
        // The four connection lists all open below the porting; the model list may open
        // straight below the product type.
        const List above = i >= std::size_t(List::Conn1) ? List::Porting : List(i - 1);
        const bool skipped = i == std::size_t(List::Model) && !s.list(List::Body).enabled;
        ASSERT_GE(s.list(skipped ? List::ProductType : above).chosen, 0)
            << "list " << i << " open below no choice";
    }
    ASSERT_EQ(s.record.lblPNOptionsGeneral2 == "-LS", s.option(Option::chkLS).checked);
}

TEST(ConfiguratorModelWalk, EveryConfigurationKeepsTheInvariants) {
    ConfiguratorModel model;
    tarvek::testing::CascadeWalk walk(tarvek::testing::ModelControls{&model});
    std::set<std::pair<std::string, std::string>> chosen;
    std::set<std::string> configurations;
    walk.afterClick = [&](const Click& click) {
        if (::testing::Test::HasFatalFailure()) return;
        if (click.onList) chosen.insert({click.control, click.entry});
        configurations.insert(model.state().partNumber + " $" + model.state().listPrice);
        checkInvariants(model.state());
    };
    walk.run();
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    std::printf("walked %ld clicks over %zu distinct configurations\n", walk.clicks(), configurations.size());

    const auto everyRow = [&](const char* list, const auto& table, auto key) {
        for (const auto& row : table)
            EXPECT_TRUE(chosen.count({list, std::string(row.*key)})) << list << ": \"" << row.*key << '"';
    };
    for (std::string_view type : kProductTypeEntries)
        EXPECT_TRUE(chosen.count({"lstProductType", std::string(type)}));
    everyRow("lstBody", kBodies, &Body::entry);
    everyRow("lstModel", kActuators, &Actuator::entry);
    everyRow("lstModel", kRegulatorRanges, &RegulatorRange::entry);
    everyRow("lstModel", kFlowComponents, &FlowComponent::entry);
    everyRow("lstModel", kSpareParts, &SparePart::entry);
    everyRow("lstModel", kFittings, &Fitting::entry);
    everyRow("lstPorting", kPortings, &Porting::entry);
    for (const Connection& c : kConnections) {
        bool somewhere = false;
        for (const char* list : {"lstConn1", "lstConn2", "lstConn3", "lstConn4"})
            somewhere = somewhere || chosen.count({list, std::string(c.entry)});
        EXPECT_TRUE(somewhere) << c.entry;
    }
}

}  // namespace
