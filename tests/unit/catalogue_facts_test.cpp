// The catalogue's tables, one test per table and one row per fact: what choosing each body,
// model, porting, connection (in each position) and option writes into the configuration
// record, and the picture and rating each body and valve shows, as the catalogue prints them. The
// configurator is driven to each entry as a user would reach it; its own tables are never read.
#include "tests/support/catalogue_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "rules/configurator/configurator.h"

namespace {

using namespace tarvek;
namespace facts = tarvek::testing::facts;

// The configurator with `entry` chosen in `list`, reached through the first product type,
// body, model and porting (in list order) that offer it.
std::optional<Configurator> reaching(const Configurator& c, List list, std::string_view entry) {
    const ListState& target = c.state().list(list);
    if (const auto found = std::find(target.entries.begin(), target.entries.end(), entry);
        target.enabled && found != target.entries.end()) {
        Configurator chosen = c;
        chosen.choose(list, int(found - target.entries.begin()));
        return chosen;
    }
    for (std::size_t i = 0; i < std::min(std::size_t(list), std::size_t(List::Porting) + 1); ++i) {
        const ListState& above = c.state().lists[i];
        if (!above.enabled || above.chosen >= 0) continue;
        for (std::size_t e = 0; e < above.entries.size(); ++e) {
            Configurator next = c;
            next.choose(List(i), int(e));
            if (auto reached = reaching(next, list, entry)) return reached;
        }
        break;
    }
    return std::nullopt;
}
std::optional<Configurator> reaching(List list, std::string_view entry) { return reaching({}, list, entry); }

TEST(CatalogueFacts, EachBodyWritesItsCodeAndPrice) {
    for (const facts::Written& body : facts::kBodies) {
        const auto c = reaching(List::Body, body.entry);
        ASSERT_TRUE(c) << body.entry;
        EXPECT_EQ(c->state().record.body.code, body.code) << body.entry;
        EXPECT_EQ(c->state().record.body.price.written(), body.price) << body.entry;
        EXPECT_EQ(c->state().partNumber, body.code) << body.entry;
    }
}

TEST(CatalogueFacts, EachModelWritesItsCodeAndPrice) {
    for (const facts::Written& model : facts::kModels) {
        const auto c = reaching(List::Model, model.entry);
        ASSERT_TRUE(c) << model.entry;
        EXPECT_EQ(c->state().record.model.code, model.code) << model.entry;
        EXPECT_EQ(c->state().record.model.price.written(), model.price) << model.entry;
    }
    for (const facts::Written& component : facts::kFlowComponents) {  // priced in the body's place
        const auto c = reaching(List::Model, component.entry);
        ASSERT_TRUE(c) << component.entry;
        EXPECT_EQ(c->state().partNumber, component.code) << component.entry;
        EXPECT_EQ(c->state().record.model.price.written(), "0") << component.entry;
        EXPECT_EQ(c->state().record.body.price.written(), component.price) << component.entry;
    }
}

// Each body's picture and the rating under it; then every actuator each valve series offers,
// which must be a valve of the catalogue, with that valve's picture, rating and seat; and
// every valve of the catalogue is offered.
TEST(CatalogueFacts, EachBodyAndValveShowsItsPictureAndRating) {
    std::set<const facts::ValveOnSeries*> offered;
    for (const facts::BodyPicture& body : facts::kBodyPictures) {
        const auto c = reaching(List::Body, body.entry);
        ASSERT_TRUE(c) << body.entry;
        const ConfiguratorState& s = c->state();
        EXPECT_EQ(s.picture, std::string_view(body.picture)) << body.entry;
        EXPECT_EQ(s.pictureShown, *body.picture != '\0') << body.entry;
        EXPECT_EQ(s.valveDescriptionShown, *body.rating != '\0') << body.entry;
        if (s.valveDescriptionShown) {
            EXPECT_EQ(s.valveDescription, std::string_view(body.rating)) << body.entry;
        }
        if (*body.rating == '\0') continue;  // not a valve series
        const Entries models = s.list(List::Model).entries;
        for (std::size_t m = 0; m < models.size(); ++m) {
            Configurator valve = *c;
            const ConfiguratorState& v = valve.choose(List::Model, int(m));
            if (v.record.model.code.empty()) continue;  // a heading or a note
            const facts::ValveOnSeries* fact = facts::valveOnSeries(body.entry, models[m]);
            ASSERT_TRUE(fact) << models[m] << " on " << body.entry << ": no such valve";
            offered.insert(fact);
            EXPECT_EQ(v.picture, std::string_view(fact->picture)) << models[m] << " on " << body.entry;
            EXPECT_TRUE(v.pictureShown) << models[m] << " on " << body.entry;
            EXPECT_TRUE(v.valveDescriptionShown) << models[m] << " on " << body.entry;
            EXPECT_EQ(v.valveDescription, std::string_view(fact->rating))
                << models[m] << " on " << body.entry;
            const bool vespel = fact->seat == facts::Seat::Vespel;
            EXPECT_EQ(v.option(Option::VespelSeat).checked, vespel) << models[m] << " on " << body.entry;
            EXPECT_EQ(v.record.seat.code, vespel ? "-VS" : "") << models[m] << " on " << body.entry;
            EXPECT_EQ(v.seatFrameActive, !vespel) << models[m] << " on " << body.entry;
            EXPECT_EQ(v.option(Option::StandardSeat).enabled, !vespel) << models[m] << " on " << body.entry;
        }
    }
    for (const facts::ValveOnSeries& valve : facts::kValvesOnSeries)
        EXPECT_TRUE(offered.count(&valve)) << valve.model << valve.series << " is not offered";
}

TEST(CatalogueFacts, EachPortingWritesItsCodeAndPriceAndOpensItsPositions) {
    for (const facts::Porting& porting : facts::kPortings) {
        const auto c = reaching(List::Porting, porting.entry);
        ASSERT_TRUE(c) << porting.entry;
        const ConfiguratorState& s = c->state();
        EXPECT_EQ(s.record.porting.code, porting.code) << porting.entry;
        EXPECT_EQ(s.record.porting.price.written(), porting.price) << porting.entry;
        std::string open;
        for (std::size_t p = 0; p < kConnectionPositions; ++p)
            if (s.list(connectionList(p)).enabled) open += char('1' + p);
        EXPECT_EQ(open, porting.positions) << porting.entry;
        EXPECT_EQ(s.picture, std::string(porting.entry) + ".wmf");
    }
}

// Every connection in every position a porting opens for it: the fixed male face seal only
// at the two ends of a 2A porting.
TEST(CatalogueFacts, EachConnectionWritesItsCodeInEachPositionAndItsPrice) {
    for (const facts::Connection& connection : facts::kConnections) {
        for (std::size_t p = 0; p < kConnectionPositions; ++p) {
            const auto c = reaching(connectionList(p), connection.entry);
            if (std::string_view(connection.codes[0]) == "-V" && p % 2 == 1) {
                EXPECT_FALSE(c) << connection.entry << " offered in position " << p + 1;
                continue;
            }
            ASSERT_TRUE(c) << connection.entry << " position " << p + 1;
            EXPECT_EQ(c->state().record.connections[p].code, connection.codes[p])
                << connection.entry << " position " << p + 1;
            EXPECT_EQ(c->state().record.connections[p].price.written(), connection.price)
                << connection.entry << " position " << p + 1;
        }
    }
}

// Each option as its button reads: the valve captions on a manual valve with the lever
// handle, the seal captions on a check valve.
TEST(CatalogueFacts, EachOptionWritesItsCodeAndPrice) {
    std::set<std::string_view> clicked;
    for (const char* model : {"J310 --- Manual, Tee Knob, LOTO", "KL-01 - 1/4 inch Face Seal Gland"}) {
        auto c = reaching(List::Model, model);
        ASSERT_TRUE(c) << model;
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            if (!c->answers(Option(i))) continue;
            const ConfiguratorState& s = c->click(Option(i));
            const std::string_view caption = s.options[i].caption;
            const auto fact = std::find_if(std::begin(facts::kOptions), std::end(facts::kOptions),
                                           [&](const auto& o) { return o.entry == caption; });
            ASSERT_NE(fact, std::end(facts::kOptions)) << caption;
            const Segment segment = i < kSeatButtons                    ? Segment::Seat
                                    : i < kSeatButtons + kColourButtons ? Segment::HandleColour
                                                                        : Segment::LeverHandle;
            EXPECT_EQ(s.record[segment].code, fact->code) << caption;
            EXPECT_EQ(s.record[segment].price.written(), fact->price) << caption;
            clicked.insert(caption);
        }
    }
    for (const facts::Written& option : facts::kOptions)
        EXPECT_TRUE(clicked.count(option.entry)) << option.entry;
}

}  // namespace
