// Every orderable configuration written down from the state the enumeration leads to, and
// requirements checked on them one by one: the brute-force count a search must agree with.
// What a requirement asks in words (an actuator's kind, a connection's kind and size, a valve's
// rating) is read here from tables written out from the catalogue, not with the search's code.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/orderable_configurations.h"
#include "rules/search/search_query.h"
#include "tests/support/catalogue_facts.h"

namespace tarvek::testing {

// The model entries' kinds of actuator.
inline const std::map<std::string_view, std::string_view> kActuatorKinds = {
    {"A310 --- Air-Op N.C., Low Pressure", "Air-operated, normally closed"},
    {"A370 --- Air-Op NC, Med Pressure", "Air-operated, normally closed"},
    {"A371 --- Air-Op N.C., High Pressure", "Air-operated, normally closed"},
    {"A375 --- Air-Op N.C., Very High Pressire.", "Air-operated, normally closed"},
    {"A550 - Pneumatic, N.C.", "Air-operated, normally closed"},
    {"A22 --- Air-Op NC, Med Pressure", "Air-operated, normally closed"},
    {"A33 --- Air-Op N.C., High Pressure", "Air-operated, normally closed"},
    {"E310 --- Hybrid, N.C., LOTO", "Hybrid, normally closed"},
    {"N350 --- Manual, Round Knob", "Manual"},
    {"N22 --- Manual, Round Knob, LOTO", "Manual"},
    {"N33 --- Manual, Round Knob, LOTO", "Manual"},
    {"J310 --- Manual, Tee Knob, LOTO", "Manual"},
    {"U310 --- Air-Op N.O., Low Pressure", "Air-operated, normally open"},
};

// The connection entries' kinds and sizes.
struct ConnectionWords {
    std::string_view kind, size;
};
inline const std::map<std::string_view, ConnectionWords> kConnectionWords = {
    {"T - Tube Stub, 1/4 inch", {"Tube Stub", "1/4 inch"}},
    {"T - Tube Stub, .049 Wall, 1/4 inch", {"Tube Stub", "1/4 inch"}},
    {"T - Tube Stub, 3/8 inch", {"Tube Stub", "3/8 inch"}},
    {"T - Tube Stub, .049 Wall, 3/8 inch", {"Tube Stub", "3/8 inch"}},
    {"T - Tube Stub, 1/2 inch", {"Tube Stub", "1/2 inch"}},
    {"M - Male Face Seal, 1/4 inch", {"Male Face Seal", "1/4 inch"}},
    {"M - Male Face Seal, 1/4 inch Hi Flo", {"Male Face Seal", "1/4 inch"}},
    {"M - Male Face Seal, 1/2 inch", {"Male Face Seal", "1/2 inch"}},
    {"F - Female Face Seal, 1/4 inch", {"Female Face Seal", "1/4 inch"}},
    {"F - Female Face Seal, 1/4 inch Hi Flo", {"Female Face Seal", "1/4 inch"}},
    {"F - Female Face Seal, 1/2 inch", {"Female Face Seal", "1/2 inch"}},
    {"V - Fixed Male Face Seal, 1/4 inch", {"Fixed Male Face Seal", "1/4 inch"}},
    {"4 - Tube Stub, 1/4 inch", {"Tube Stub", "1/4 inch"}},
    {"6 - Tube Stub, 3/8 inch", {"Tube Stub", "3/8 inch"}},
    {"8 - Tube Stub, 1/2 inch", {"Tube Stub", "1/2 inch"}},
    {"8 - Tube Stub, .065 Wall, 1/2 inch", {"Tube Stub", "1/2 inch"}},
    {"M8 - Male Face Seal, 1/2 inch", {"Male Face Seal", "1/2 inch"}},
    {"F8 - Female Face Seal, 1/2 inch", {"Female Face Seal", "1/2 inch"}},
};

// The valve ratings' Cv (in thousandths) and rated pressure (psig), as each reads.
struct Rating {
    int cv, psig;
};
inline const std::map<std::string_view, Rating> kValveNotes = {
    {".23 Cv, 250 psig", {230, 250}},   {".5 Cv, 125 psig", {500, 125}},
    {".5 Cv, 250 psig", {500, 250}},    {".23 Cv, 3000 psig", {230, 3000}},
    {".16 Cv, 6200 psig", {160, 6200}}, {".5 Cv, 4500 psig", {500, 4500}},
    {".5 Cv, 500 psig", {500, 500}},    {".23 Cv, 3300 psig", {230, 3300}},
    {".5 Cv, 1500 psig", {500, 1500}},  {"1.0 Cv, 700 psig", {1000, 700}},
    {".4 Cv, 125 psig", {400, 125}},    {"1.0 Cv, 1000 psig", {1000, 1000}},
    {".4 Cv, 500 psig", {400, 500}},    {".23 Cv, 150 psig", {230, 150}},
};

// Texts of which a configuration must show one.
struct AnyOf {
    std::vector<std::string> texts;

    AnyOf() = default;
    AnyOf(const char* text) : texts{text} {}
    AnyOf(std::string text) : texts{std::move(text)} {}
    AnyOf(std::initializer_list<std::string> some) : texts(some) {}
    bool has(std::string_view text) const {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    void add(const AnyOf& more) {
        for (const std::string& t : more.texts)
            if (!has(t)) texts.push_back(t);
    }
};

// A requirement in the catalogue's words.
struct Requirement {
    // The texts a step must show: type, body, model, porting, options ("" for no lever handle).
    std::map<Step, AnyOf> steps{};
    std::optional<AnyOf> actuator{};
    std::optional<double> cvAtLeast{};  // Cv
    std::optional<int> psigAtLeast{};
    std::optional<AnyOf> kind{}, size{};  // of a connection in the scope
    search::ConnectionScope scope = search::ConnectionScope::AnyPort;
    bool standardOnly = false;
    std::optional<std::int64_t> fromCents{}, toCents{};
};

class Census {
  public:
    Census() {
        for (const OrderableGroup& group : orderableGroups()) {
            const ConfiguratorState& s = group.configurator.state();
            Group g;
            for (std::size_t i = 0; i < 4; ++i) g.texts[i] = stepText(s, Step(i));
            // A valve's rating as the catalogue prints it, not as the configurator shows it.
            const facts::ValveOnSeries* valve = facts::valveOnSeries(g.texts[1], g.texts[2]);
            g.note = valve ? valve->rating : std::string_view();
            g.first = entries_.size();
            forEachConfiguration(group, [&](auto, const ConfiguratorState& c) {
                Entry e;
                e.group = std::uint16_t(groups_.size());
                for (std::size_t p = 0; p < 4; ++p) e.connections[p] = id(stepText(c, connectionStep(p)));
                e.seat = id(stepText(c, Step::Seat));
                e.colour = id(stepText(c, Step::HandleColour));
                e.lever = id(stepText(c, Step::LeverHandle));
                e.nonStandard = c.nonStandardBanner;
                e.cents = std::int32_t(c.listPrice->cents);
                entries_.push_back(e);
                return true;
            });
            g.last = entries_.size();
            groups_.push_back(g);
        }
    }

    std::uint64_t size() const { return entries_.size(); }

    std::uint64_t count(const Requirement& r) const {
        std::uint64_t n = 0;
        forEachMatch(r, [&](const Entry&) { ++n; });
        return n;
    }

    // What meets a requirement in one group of the enumeration: how many, at what list prices.
    struct GroupCount {
        std::uint64_t count = 0;
        std::int64_t lowestCents = 0, highestCents = 0;
    };
    // Per group, in the enumeration's order.
    std::vector<GroupCount> countByGroup(const Requirement& r) const {
        std::vector<GroupCount> counts(groups_.size());
        forEachMatch(r, [&](const Entry& e) {
            GroupCount& c = counts[e.group];
            c.lowestCents = c.count ? std::min<std::int64_t>(c.lowestCents, e.cents) : e.cents;
            c.highestCents = c.count ? std::max<std::int64_t>(c.highestCents, e.cents) : e.cents;
            ++c.count;
        });
        return counts;
    }
    // A group's product type, body, model and porting as shown.
    const std::array<std::string_view, 4>& groupTexts(std::size_t group) const {
        return groups_[group].texts;
    }

  private:
    struct Group {
        std::array<std::string_view, 4> texts;
        std::string_view note;
        std::size_t first = 0, last = 0;
    };
    struct Entry {
        std::uint16_t group = 0;
        std::array<std::uint8_t, 4> connections{};
        std::uint8_t seat = 0, colour = 0, lever = 0;
        bool nonStandard = false;
        std::int32_t cents = 0;
    };

    // Calls `f` with every configuration that meets the requirement.
    template <class F>
    void forEachMatch(const Requirement& r, F&& f) const {
        std::vector<bool> inKind(texts_.size()), inSize(texts_.size());
        for (std::size_t t = 0; t < texts_.size(); ++t) {
            const auto words = kConnectionWords.find(texts_[t]);
            inKind[t] = words != kConnectionWords.end() && (!r.kind || r.kind->has(words->second.kind));
            inSize[t] = words != kConnectionWords.end() && (!r.size || r.size->has(words->second.size));
        }
        // Per text: whether an option step showing it meets the requirement; none asks nothing.
        const auto wanted = [&](Step step) -> std::optional<std::vector<bool>> {
            const auto found = r.steps.find(step);
            if (found == r.steps.end()) return std::nullopt;
            std::vector<bool> meets(texts_.size());
            for (std::size_t t = 0; t < texts_.size(); ++t) meets[t] = found->second.has(texts_[t]);
            return meets;
        };
        const auto seat = wanted(Step::Seat), colour = wanted(Step::HandleColour),
                   lever = wanted(Step::LeverHandle);
        std::array<std::optional<std::vector<bool>>, 4> connection;  // the entries a position may show
        for (std::size_t p = 0; p < 4; ++p) connection[p] = wanted(connectionStep(p));
        for (const Group& g : groups_) {
            if (!groupMeets(g, r)) continue;
            for (std::size_t i = g.first; i < g.last; ++i) {
                const Entry& e = entries_[i];
                if ((seat && !(*seat)[e.seat]) || (colour && !(*colour)[e.colour]) ||
                    (lever && !(*lever)[e.lever]))
                    continue;
                bool otherConnection = false;
                for (std::size_t p = 0; p < 4; ++p)
                    otherConnection =
                        otherConnection || (connection[p] && !(*connection[p])[e.connections[p]]);
                if (otherConnection) continue;
                if (r.standardOnly && e.nonStandard) continue;
                // A configuration no row of the catalogue puts a price on lies within no range.
                if ((r.fromCents || r.toCents) && e.cents == 0) continue;
                if ((r.fromCents && e.cents < *r.fromCents) || (r.toCents && e.cents > *r.toCents)) continue;
                if ((r.kind || r.size) && !connectionMeets(e, r, inKind, inSize)) continue;
                f(e);
            }
        }
    }

    // The texts a state shows point into the catalogue's tables, which outlive the census.
    std::uint8_t id(std::string_view text) {
        const auto [at, added] = ids_.try_emplace(text, texts_.size());
        if (added) texts_.push_back(text);
        return std::uint8_t(at->second);
    }

    static bool groupMeets(const Group& g, const Requirement& r) {
        for (std::size_t i = 0; i < 4; ++i)
            if (const auto found = r.steps.find(Step(i));
                found != r.steps.end() && !found->second.has(g.texts[i]))
                return false;
        if (r.actuator) {
            const auto kind = kActuatorKinds.find(g.texts[2]);
            if (kind == kActuatorKinds.end() || !r.actuator->has(kind->second)) return false;
        }
        const auto rating = kValveNotes.find(g.note);
        if (r.cvAtLeast && (rating == kValveNotes.end() || rating->second.cv / 1000.0 < *r.cvAtLeast))
            return false;
        if (r.psigAtLeast && (rating == kValveNotes.end() || rating->second.psig < *r.psigAtLeast))
            return false;
        return true;
    }

    bool connectionMeets(const Entry& e, const Requirement& r, const std::vector<bool>& inKind,
                         const std::vector<bool>& inSize) const {
        using search::ConnectionScope;
        bool any = false, every = true, used = false;
        for (std::size_t p = 0; p < 4; ++p) {
            const std::size_t t = e.connections[p];
            if (texts_[t].empty()) continue;  // a position the porting does not use
            if (r.scope != ConnectionScope::AnyPort && r.scope != ConnectionScope::EveryPort &&
                std::size_t(r.scope) - std::size_t(ConnectionScope::Position1) != p)
                continue;
            used = true;
            const bool meets = inKind[t] && inSize[t];
            any = any || meets;
            every = every && meets;
        }
        return r.scope == ConnectionScope::EveryPort ? used && every : any;
    }

    std::vector<Group> groups_;
    std::vector<Entry> entries_;
    std::vector<std::string_view> texts_;
    std::unordered_map<std::string_view, std::size_t> ids_;
};

// The one census of a test program, taken the first time it is asked for.
inline const Census& census() {
    static const Census taken;
    return taken;
}

}  // namespace tarvek::testing
