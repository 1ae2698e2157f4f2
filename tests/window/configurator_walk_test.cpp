// Walks every configuration a user can make and checks, after every click, what must
// always hold: the part number and list price follow the record, the banner follows the
// markers, the cascade never opens a list below an inactive one, the option segments
// follow their controls, and the window shows what a model given the same clicks holds.
// Coverage is then checked against the catalogue tables.
#include "tests/support/configurator_walk.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QRadioButton>
#include <map>
#include <set>

#include "app/controls.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/connections.h"
#include "rules/configurator/nonstandard_check.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/product_types.h"
#include "rules/numbers/number_text.h"
#include "rules/catalogue/options.h"
#include "rules/configurator/pricing.h"
#include "tests/window/shows_state.h"
#include "tests/window/window_driver.h"

namespace {

using namespace tarvek;

const char* const kSeatButtons[] = {"optStd", "optVSKZ", "optB5EP"};
const char* const kColourButtons[] = {"optBL", "optBK", "optGR", "optRD", "optWH", "optYW"};
const char* const kConnectionLists[] = {"lstConn1", "lstConn2", "lstConn3", "lstConn4"};

// Checks what must hold after every click of the walk, and records what it reached.
class WalkChecker {
  public:
    WindowDriver d;
    ConfiguratorModel mirror;  // the same clicks on a model of its own: the window shows its state
    std::set<std::string> configurations;                   // distinct part number and price pairs
    std::set<std::pair<std::string, std::string>> chosen;   // (list, entry)
    std::set<std::pair<std::string, std::string>> offered;  // (list, entry) seen in an enabled list
    std::set<std::pair<std::string, std::string>> valves;   // (actuator code, series) configured
    std::set<std::string> clickedOptions;
    std::set<std::size_t> exceptionsUsed;

    void afterClick(const tarvek::testing::Click& click) {
        tarvek::testing::replay(mirror, click);
        ASSERT_TRUE(tarvek::testing::showsState(d.window, mirror.state()))
            << click.control << ' ' << click.entry;
        if (click.control.rfind("lst", 0) == 0)
            chosen.insert({click.control, click.entry});
        else
            clickedOptions.insert(click.control);
        if (!d.record().lblPNModel.empty() && !d.record().lblPNBody.empty())
            valves.insert({d.record().lblPNModel, d.record().lblPNBody});
        checkInvariants();
    }

  private:
    void checkInvariants() {
        const ConfigurationRecord& r = d.record();
        const std::string partNumber = d.text("lblPartNumber");
        const std::string type = chosenText(d.list("lstProductType"));
        SCOPED_TRACE(type + " | " + partNumber);

        ASSERT_EQ(partNumber, composePartNumber(r));
        ASSERT_EQ(d.text("lblPrice"), listPriceText(r));
        ASSERT_EQ(d.text("lblNetPrice"), netPriceText(d.text("lblPrice"), d.text("txtDiscount")));
        configurations.insert(partNumber + " $" + d.text("lblPrice"));

        ConfigurationRecord recheck = r;
        const bool banner = nonStandardCheck(type, recheck);
        ASSERT_EQ(recheck, r) << "markers not up to date";
        ASSERT_EQ(d.shown("lblNS1"), banner);
        if (type == type::DiaphragmValves)
            for (std::size_t i = 0; i < kStandardExceptions.size(); ++i)
                if (r.lblPNBody == kStandardExceptions[i].series[0] ||
                    r.lblPNBody == kStandardExceptions[i].series[1])
                    if (r.lblPNPorting == kStandardExceptions[i].porting &&
                        r.lblPNConn1 == kStandardExceptions[i].conn1 &&
                        (kStandardExceptions[i].conn3.empty() ||
                         r.lblPNConn3 == kStandardExceptions[i].conn3))
                        exceptionsUsed.insert(i);

        checkCascade(type);
        checkConnectionBlock();
        checkOptionSegments();
    }

    void checkCascade(const std::string& type) {
        const char* const chain[][2] = {{"lblBody", "lstBody"},       {"lblModel", "lstModel"},
                                        {"lblPorting", "lstPorting"}, {"lblConn1", "lstConn1"},
                                        {"lblConn2", "lstConn2"},     {"lblConn3", "lstConn3"},
                                        {"lblConn4", "lstConn4"}};
        for (const auto& [caption, list] : chain) {
            const bool active = d.list(list)->isEnabled();
            ASSERT_EQ(d.get(caption)->isEnabled(), active) << caption;
            ASSERT_EQ(d.get(caption)->font().bold(), active) << caption;
            if (active)
                for (int i = 0; i < d.list(list)->count(); ++i)
                    offered.insert({list, d.list(list)->itemText(i).toStdString()});
        }
        const bool bodySkipped = type == type::ActuatorAssemblies || type == type::MiscellaneousParts;
        if (!d.list("lstBody")->isEnabled() && !bodySkipped) {
            ASSERT_FALSE(d.list("lstModel")->isEnabled());
        }
        if (!d.list("lstModel")->isEnabled()) {
            ASSERT_FALSE(d.list("lstPorting")->isEnabled());
        }
        const bool portingChosen = d.list("lstPorting")->currentIndex() >= 0;
        for (const char* list : kConnectionLists)
            if (!portingChosen) {
                ASSERT_FALSE(d.list(list)->isEnabled()) << list;
            }
        for (const char* frame : {"fraOptionsSeat", "fraOptionsColor"})
            ASSERT_EQ(d.get(frame)->isEnabled(), d.get(frame)->font().bold()) << frame;
    }

    // With a porting chosen the block is a dash and four codes: the placeholder X where no
    // connection is chosen (always where the porting has no port), else the entry's code.
    void checkConnectionBlock() {
        const ConfigurationRecord& r = d.record();
        if (r.lblPNPorting.empty()) {
            for (const Segment code : kConnectionCodes) ASSERT_EQ(r.*code, "");
            return;
        }
        for (std::size_t i = 0; i < 4; ++i) {
            QComboBox* list = d.list(kConnectionLists[i]);
            const std::string code = r.*kConnectionCodes[i];
            const std::string placeholder = i == 0 ? "-X" : "X";
            if (!list->isEnabled() || list->currentIndex() < 0) {
                ASSERT_EQ(code, placeholder) << "position " << i + 1;
                ASSERT_EQ(r.*kConnectionPrices[i], "0");
                continue;
            }
            const Connection* c = nullptr;
            for (const auto& row : kConnections)
                if (row.entry == chosenText(list)) c = &row;
            ASSERT_NE(c, nullptr);
            ASSERT_EQ(code, c->codes[i]);
            ASSERT_EQ(r.*kConnectionPrices[i], c->price);
        }
    }

    void checkOptionSegments() {
        const ConfigurationRecord& r = d.record();
        ASSERT_EQ(r.lblPNOptionsGeneral, "");
        ASSERT_EQ(r.lblPriceOptionsGeneral, "0");
        ASSERT_EQ(r.lblPriceOptionsColor, "0");
        const bool lever = d.get<QCheckBox>("chkLS")->isChecked();
        ASSERT_EQ(r.lblPNOptionsGeneral2, lever ? "-LS" : "");
        ASSERT_EQ(r.lblPriceOptionsGeneral2, lever ? "7.5" : "0");
        for (std::size_t i = 0; i < kColourOptions.size(); ++i)
            if (d.get<QAbstractButton>(kColourButtons[i])->isChecked()) {
                ASSERT_EQ(r.lblPNOptionsColor, kColourOptions[i].partNumber);
            }
        OptionSegments seat{"", "0"};
        for (std::size_t i = 0; i < kSeatOptions.size(); ++i)
            if (auto* b = d.get<QAbstractButton>(kSeatButtons[i]); b->isChecked())
                seat = seatSegments(kSeatOptions[i], b->text().toStdString());
        ASSERT_EQ(r.lblPNOptionsSeat, seat.partNumber);
        ASSERT_EQ(r.lblPriceOptionsSeat, seat.price);
    }
};

template <typename Table, typename Key>
void expectEveryRowChosen(const WalkChecker& w, const char* list, const Table& table, Key key) {
    for (const auto& row : table)
        EXPECT_TRUE(w.chosen.count({list, std::string(row.*key)})) << list << ": \"" << row.*key << '"';
}

TEST(ConfiguratorWalk, EveryConfigurationKeepsTheInvariants) {
    WalkChecker w;
    ASSERT_TRUE(tarvek::testing::showsState(w.d.window, w.mirror.state())) << "at start";
    tarvek::testing::ConfiguratorWalk walk(w.d.window);
    walk.afterClick = [&](const tarvek::testing::Click& click) {
        if (!::testing::Test::HasFatalFailure()) w.afterClick(click);
    };
    QElapsedTimer timer;
    timer.start();
    walk.run();
    std::printf("walked %ld clicks over %zu distinct configurations in %.1f s\n", walk.clicks(),
                w.configurations.size(), timer.elapsed() / 1000.0);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());

    // Everything the catalogue tables offer was chosen at least once.
    for (std::string_view type : kProductTypeEntries)
        EXPECT_TRUE(w.chosen.count({"lstProductType", std::string(type)}));
    expectEveryRowChosen(w, "lstBody", kBodies, &Body::entry);
    expectEveryRowChosen(w, "lstModel", kActuators, &Actuator::entry);
    expectEveryRowChosen(w, "lstModel", kRegulatorRanges, &RegulatorRange::entry);
    expectEveryRowChosen(w, "lstModel", kFlowComponents, &FlowComponent::entry);
    expectEveryRowChosen(w, "lstModel", kSpareParts, &SparePart::entry);
    expectEveryRowChosen(w, "lstModel", kFittings, &Fitting::entry);
    expectEveryRowChosen(w, "lstPorting", kPortings, &Porting::entry);
    for (const auto& valve : kActuatorsOnSeries)
        EXPECT_TRUE(w.valves.count({std::string(valve.code), std::string(valve.series)}))
            << valve.code << valve.series;
    for (const auto& connection : kConnections) {
        bool somewhere = false;
        for (const char* list : kConnectionLists)
            somewhere = somewhere || w.chosen.count({list, std::string(connection.entry)});
        EXPECT_TRUE(somewhere) << connection.entry;
    }
    for (const auto& entry : w.offered)
        EXPECT_TRUE(w.chosen.count(entry)) << entry.first << ": " << entry.second;
    for (const char* button : kSeatButtons) EXPECT_TRUE(w.clickedOptions.count(button)) << button;
    for (const char* button : kColourButtons) EXPECT_TRUE(w.clickedOptions.count(button)) << button;
    EXPECT_TRUE(w.clickedOptions.count("chkLS"));
    EXPECT_EQ(w.exceptionsUsed.size(), kStandardExceptions.size());
}

}  // namespace
