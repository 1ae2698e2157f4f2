// What the configurator must hold for the choices a user sees made (the entries chosen in its
// lists, the option buttons selected and their captions), worked out from the catalogue's
// typed tables alone: every segment's code and price, the part number, the list price in
// cents and the non-standard marks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "rules/configurator/configurator_state.h"
#include "tests/support/catalogue_facts.h"

namespace tarvek::testing {

struct ExpectedSegment {
    std::string_view code;
    std::string_view price = "0";
};

struct ExpectedConfiguration {
    // Model, body, porting, connections 1 to 4, seat, handle colour, general option, lever.
    std::array<ExpectedSegment, 11> segments;
    std::array<bool, 4> nonStandard{};
    unsigned liftedBy = 0;  // bit i: standard exception i cleared a mark
    std::string unknown;    // a chosen entry or caption the catalogue does not hold

    std::string partNumber() const {
        std::string joined;
        for (const ExpectedSegment& s : segments) joined += s.code;
        return joined;
    }
    // The prices as printed, added up in cents: "140.00", "7.5", "45".
    std::int64_t listCents() const {
        std::int64_t total = 0;
        for (const ExpectedSegment& s : segments) {
            std::int64_t cents = 0;
            int decimals = -1;
            for (const char c : s.price) {
                if (c == '.') {
                    decimals = 0;
                } else {
                    cents = cents * 10 + (c - '0');
                    decimals += decimals >= 0;
                }
            }
            for (int d = std::max(decimals, 0); d < 2; ++d) cents *= 10;
            total += cents;
        }
        return total;
    }
    bool banner() const { return nonStandard[0] || nonStandard[1] || nonStandard[2] || nonStandard[3]; }
};

namespace detail {

template <typename Row, std::size_t N>
std::unordered_map<std::string_view, const Row*> byEntry(const Row (&rows)[N]) {
    std::unordered_map<std::string_view, const Row*> map;
    for (const Row& row : rows) map.emplace(row.entry, &row);
    return map;
}

template <typename Map>
auto find(const Map& map, std::string_view entry) -> typename Map::mapped_type {
    const auto found = map.find(entry);
    return found == map.end() ? nullptr : found->second;
}

// The catalogue's marks: numbered tube stubs in positions 1 to 3, and a fixed male face seal
// at one end of a 2A porting without its partner at the other; position 4 is never marked.
// Then the exceptions clear what they name.
inline void markNonStandard(ExpectedConfiguration& e) {
    const auto code = [&](std::size_t position) { return e.segments[3 + position].code; };
    const auto stub = [&](std::size_t position) {
        const std::string_view c = code(position);
        return c == "-4" || c == "-6" || c == "-8" || c == "4" || c == "6" || c == "8";
    };
    e.nonStandard[0] = stub(0) || (code(0) == "-V" && code(2) != "V");
    e.nonStandard[1] = stub(1);
    e.nonStandard[2] = stub(2) || (code(2) == "V" && code(0) != "-V");
    unsigned bit = 1;
    for (const facts::StandardException& x : facts::kStandardExceptions) {
        const std::string_view series = e.segments[1].code;
        if ((series == x.series[0] || series == x.series[1]) && e.segments[2].code == x.porting &&
            code(0) == x.connection1 && (!x.connection3 || code(2) == x.connection3)) {
            if (e.nonStandard[0] || (x.connection3 && e.nonStandard[2])) e.liftedBy |= bit;
            e.nonStandard[0] = false;
            if (x.connection3) e.nonStandard[2] = false;
        }
        bit <<= 1;
    }
}

}  // namespace detail

inline ExpectedConfiguration expectedConfiguration(const ConfiguratorState& s) {
    static const auto bodies = detail::byEntry(facts::kBodies), models = detail::byEntry(facts::kModels),
                      flowComponents = detail::byEntry(facts::kFlowComponents),
                      options = detail::byEntry(facts::kOptions);
    static const auto portings = detail::byEntry(facts::kPortings);
    static const auto connections = detail::byEntry(facts::kConnections);
    enum { Model, Body, Porting, Connection1, Seat = 7, Colour, General, Lever };

    ExpectedConfiguration e;
    const auto unknown = [&](std::string_view what) {
        if (std::ranges::find(facts::kHeadings, what) == facts::kHeadings.end()) e.unknown = what;
    };
    const auto chosen = [&](List list) { return s.list(list).chosenText(); };
    if (const facts::Written* body = detail::find(bodies, chosen(List::Body)))
        e.segments[Body] = {body->code, body->price};
    else if (s.list(List::Body).chosen >= 0)
        unknown(chosen(List::Body));
    if (const facts::Written* model = detail::find(models, chosen(List::Model))) {
        e.segments[Model] = {model->code, model->price};
    } else if (const facts::Written* component = detail::find(flowComponents, chosen(List::Model))) {
        e.segments[Model].code = component->code;
        e.segments[Body].price = component->price;
    } else if (s.list(List::Model).chosen >= 0) {
        unknown(chosen(List::Model));
    }
    if (const facts::Porting* porting = detail::find(portings, chosen(List::Porting))) {
        e.segments[Porting] = {porting->code, porting->price};
        for (std::size_t p = 0; p < 4; ++p) {
            e.segments[Connection1 + p].code = facts::kNotChosen[p];
            const ListState& list = s.list(connectionList(p));
            if (list.chosen < 0) continue;
            if (const facts::Connection* c = detail::find(connections, list.chosenText()))
                e.segments[Connection1 + p] = {c->codes[p], c->price};
            else
                unknown(list.chosenText());
        }
    } else if (s.list(List::Porting).chosen >= 0) {
        unknown(chosen(List::Porting));
    }
    const auto option = [&](Option first, std::size_t count, int segment) {
        for (std::size_t i = std::size_t(first); i < std::size_t(first) + count; ++i) {
            if (!s.options[i].checked) continue;
            if (const facts::Written* o = detail::find(options, s.options[i].caption))
                e.segments[std::size_t(segment)] = {o->code, o->price};
            else
                unknown(s.options[i].caption);
        }
    };
    option(Option::StandardSeat, kSeatButtons, Seat);
    option(Option::StandardColour, kColourButtons, Colour);
    option(Option::LeverHandle, 1, Lever);
    if (chosen(List::ProductType) == "Diaphragm Valves") detail::markNonStandard(e);
    return e;
}

}  // namespace tarvek::testing
