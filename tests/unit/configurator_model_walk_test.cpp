// Every configuration a user can make, walked on the configurator alone: after every click
// the part number and prices follow the record, the banner follows the marks, the cascade
// never opens a list below one that is not open, the connection block and the option
// segments follow the lists and options. Coverage is then checked against the catalogue tables.
#include <gtest/gtest.h>

#include <set>

#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/connections.h"
#include "rules/catalogue/options.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/product_types.h"
#include "rules/catalogue/standard_exceptions.h"
#include "rules/configurator/nonstandard_check.h"
#include "rules/configurator/pricing.h"
#include "tests/support/cascade_walk.h"

namespace {

using namespace tarvek;
using tarvek::testing::Click;

class WalkChecker {
  public:
    explicit WalkChecker(const Configurator& c) : s_(c.state()) {}

    std::set<std::pair<List, std::string>> chosen;         // (list, entry)
    std::set<std::pair<List, std::string>> offered;        // (list, entry) seen in an open list
    std::set<std::pair<std::string, std::string>> valves;  // (actuator code, series) configured
    std::set<Option> clicked;
    std::set<std::size_t> exceptionsUsed;
    std::set<std::string> configurations;  // distinct part number and price pairs

    void afterClick(const Click& click) {
        if (click.onList)
            chosen.insert({click.list, click.entry});
        else
            clicked.insert(click.option);
        const ConfigurationRecord& r = s_.record;
        if (!r.model.code.empty() && !r.body.code.empty())
            valves.insert({std::string(r.model.code), std::string(r.body.code)});
        configurations.insert(s_.partNumber + " $" + listPriceText(s_.listPrice));
        checkInvariants();
        checkCascade();
        checkConnectionBlock();
        checkOptionSegments();
    }

  private:
    void checkInvariants() {
        const ConfiguratorState& s = s_;
        ASSERT_EQ(s.partNumber, composePartNumber(s.record));
        ASSERT_EQ(s.listPrice, listPrice(s.record));
        ASSERT_EQ(s.netPrice, netPrice(*s.listPrice, s.discount));
        ConfigurationRecord recheck = s.record;
        ASSERT_EQ(nonStandardCheck(s.productFamily, recheck), s.nonStandardBanner);
        ASSERT_EQ(recheck, s.record) << "marks not up to date";
        if (s.productFamily == ProductFamily::DiaphragmValves)
            for (std::size_t i = 0; i < kStandardExceptions.size(); ++i) {
                const StandardException& e = kStandardExceptions[i];
                const ConfigurationRecord& r = s.record;
                if ((r.body.code == e.series[0] || r.body.code == e.series[1]) &&
                    r.porting.code == e.porting && r.connectionKinds[0] == e.connection1 &&
                    (e.connection3 == ConnectionKind::Unused || r.connectionKinds[2] == e.connection3))
                    exceptionsUsed.insert(i);
            }
    }

    void checkCascade() {
        const ConfiguratorState& s = s_;
        for (std::size_t i = 1; i < kListCount; ++i) {
            ASSERT_EQ(s.captionActive[i], s.lists[i].enabled) << i;
            if (!s.lists[i].enabled) continue;
            ASSERT_FALSE(s.lists[i].entries.empty()) << i;
            for (std::string_view entry : s.lists[i].entries) offered.insert({List(i), std::string(entry)});
            // The four connection lists all open below the porting; the model list may open
            // straight below the product type.
            const List above = i >= std::size_t(List::Connection1) ? List::Porting : List(i - 1);
            const bool skipped = i == std::size_t(List::Model) && !s.list(List::Body).enabled;
            ASSERT_GE(s.list(skipped ? List::ProductType : above).chosen, 0)
                << "list " << i << " open below no choice";
        }
    }

    // With a porting chosen the block is a dash and four codes: the placeholder X where no
    // connection is chosen (always where the porting has no port), else the entry's code.
    void checkConnectionBlock() {
        const ConfigurationRecord& r = s_.record;
        if (r.porting.code.empty()) {
            for (const Contribution& c : r.connections) ASSERT_EQ(c.code, "");
            return;
        }
        for (std::size_t i = 0; i < kConnectionPositions; ++i) {
            const ListState& list = s_.list(connectionList(i));
            const Contribution& written = r.connections[i];
            if (!list.enabled || list.chosen < 0) {
                ASSERT_EQ(written.code, i == 0 ? "-X" : "X") << "position " << i + 1;
                ASSERT_EQ(written.price.written(), "0");
                continue;
            }
            const Connection* c = findRow(kConnections, &Connection::entry, list.chosenText());
            ASSERT_NE(c, nullptr);
            ASSERT_EQ(written.code, c->codes[i]);
            ASSERT_EQ(written.price, c->price);
        }
    }

    void checkOptionSegments() {
        const ConfiguratorState& s = s_;
        const ConfigurationRecord& r = s.record;
        ASSERT_EQ(r.generalOption.code, "");
        ASSERT_EQ(r.generalOption.price.written(), "0");
        ASSERT_EQ(r.handleColour.price.written(), "0");
        const bool lever = s.option(Option::LeverHandle).checked;
        ASSERT_EQ(r.leverHandle.code, lever ? "-LS" : "");
        ASSERT_EQ(r.leverHandle.price.written(), lever ? "7.5" : "0");
        for (std::size_t i = 0; i < kColourButtons; ++i)
            if (s.options[kSeatButtons + i].checked) {
                ASSERT_EQ(r.handleColour.code, kColourOptions[i].written.code);
            }
        Contribution seat;
        for (std::size_t i = 0; i < kSeatButtons; ++i)
            if (s.options[i].checked) seat = seatContribution(kSeatOptions[i], s.options[i].caption);
        ASSERT_EQ(r.seat, seat);
    }

    const ConfiguratorState& s_;
};

TEST(ConfiguratorModelWalk, EveryConfigurationKeepsTheInvariants) {
    Configurator model;
    WalkChecker w(model);
    tarvek::testing::CascadeWalk walk(tarvek::testing::ModelControls{&model});
    walk.afterClick = [&](const Click& click) {
        if (!::testing::Test::HasFatalFailure()) w.afterClick(click);
    };
    walk.run();
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    std::printf("walked %ld clicks over %zu distinct configurations\n", walk.clicks(),
                w.configurations.size());

    // Everything the catalogue tables offer was chosen at least once.
    const auto everyRow = [&](List list, const auto& table, auto key) {
        for (const auto& row : table)
            EXPECT_TRUE(w.chosen.count({list, std::string(row.*key)}))
                << int(list) << ": \"" << row.*key << '"';
    };
    for (std::string_view type : kProductTypeEntries)
        EXPECT_TRUE(w.chosen.count({List::ProductType, std::string(type)}));
    everyRow(List::Body, kBodies, &Body::entry);
    everyRow(List::Model, kActuators, &Actuator::entry);
    everyRow(List::Model, kRegulatorRanges, &RegulatorRange::entry);
    everyRow(List::Model, kFlowComponents, &FlowComponent::entry);
    everyRow(List::Model, kSpareParts, &SparePart::entry);
    everyRow(List::Model, kFittings, &Fitting::entry);
    everyRow(List::Porting, kPortings, &Porting::entry);
    for (const auto& valve : kActuatorsOnSeries)
        EXPECT_TRUE(w.valves.count({std::string(valve.code), std::string(valve.series)}))
            << valve.code << valve.series;
    for (const Connection& c : kConnections) {
        bool somewhere = false;
        for (std::size_t i = 0; i < kConnectionPositions; ++i)
            somewhere = somewhere || w.chosen.count({connectionList(i), std::string(c.entry)});
        EXPECT_TRUE(somewhere) << c.entry;
    }
    for (const auto& entry : w.offered)
        EXPECT_TRUE(w.chosen.count(entry)) << int(entry.first) << ": " << entry.second;
    for (std::size_t i = 0; i < kOptionCount; ++i) EXPECT_TRUE(w.clicked.count(Option(i))) << i;
    EXPECT_EQ(w.exceptionsUsed.size(), kStandardExceptions.size());
}

}  // namespace
