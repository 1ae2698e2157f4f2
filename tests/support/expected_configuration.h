// What the configurator must hold for the choices a user sees made (the entries chosen in its
// lists, the option buttons selected and their captions), worked out from the catalogue's
// typed tables alone: every segment's code and price, the part number, the list price in
// cents and the non-standard marks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

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
    // The prices as printed ("140.00", "7.5", "45"), added up in cents.
    std::int64_t listCents() const {
        std::int64_t total = 0;
        for (const ExpectedSegment& s : segments) {
            const std::size_t point = std::min(s.price.find('.'), s.price.size());
            std::string fraction(s.price.substr(std::min(point + 1, s.price.size())));
            fraction.resize(2, '0');
            total += std::stoll("0" + std::string(s.price.substr(0, point))) * 100 + std::stoll(fraction);
        }
        return total;
    }
    bool banner() const { return std::count(std::begin(nonStandard), std::end(nonStandard), true) > 0; }
};

namespace detail {

template <typename Row, std::size_t N>
const Row* find(const Row (&rows)[N], std::string_view entry) {
    const auto found =
        std::find_if(std::begin(rows), std::end(rows), [&](const Row& row) { return row.entry == entry; });
    return found == std::end(rows) ? nullptr : found;
}

// The catalogue's marks: numbered tube stubs in positions 1 to 3, and a fixed male face seal
// at one end of a 2A porting without its partner at the other; position 4 is never marked.
// Then the exceptions clear what they name.
inline void markNonStandard(ExpectedConfiguration& e) {
    const auto code = [&](std::size_t position) { return e.segments[3 + position].code; };
    const auto stub = [&](std::size_t position) {
        for (std::string_view c : {"-4", "-6", "-8", "4", "6", "8"})
            if (code(position) == c) return true;
        return false;
    };
    e.nonStandard = {stub(0) || (code(0) == "-V" && code(2) != "V"), stub(1),
                     stub(2) || (code(2) == "V" && code(0) != "-V"), false};
    for (std::size_t i = 0; i < std::size(facts::kStandardExceptions); ++i) {
        const facts::StandardException& x = facts::kStandardExceptions[i];
        const std::string_view series = e.segments[1].code;
        if ((series != x.series[0] && series != x.series[1]) || e.segments[2].code != x.porting ||
            code(0) != x.connection1 || (x.connection3 && code(2) != x.connection3))
            continue;
        if (e.nonStandard[0] || (x.connection3 && e.nonStandard[2])) e.liftedBy |= 1u << i;
        e.nonStandard[0] = false;
        if (x.connection3) e.nonStandard[2] = false;
    }
}

}  // namespace detail

inline ExpectedConfiguration expectedConfiguration(const ConfiguratorState& s) {
    enum { Model, Body, Porting, Connection1, Seat = 7, Colour, General, Lever };
    ExpectedConfiguration e;
    const auto unknown = [&](const ListState& list) {
        if (list.chosen >= 0 && std::find(facts::kHeadings.begin(), facts::kHeadings.end(),
                                          list.chosenText()) == facts::kHeadings.end())
            e.unknown = list.chosenText();
    };
    const ListState &body = s.list(List::Body), &model = s.list(List::Model),
                    &porting = s.list(List::Porting);
    if (const facts::Written* b = detail::find(facts::kBodies, body.chosenText()))
        e.segments[Body] = {b->code, b->price};
    else
        unknown(body);
    if (const facts::Written* m = detail::find(facts::kModels, model.chosenText()))
        e.segments[Model] = {m->code, m->price};
    else if (const facts::Written* component = detail::find(facts::kFlowComponents, model.chosenText()))
        e.segments[Model].code = component->code;  // priced in the body's place
    else
        unknown(model);
    if (const facts::Written* component = detail::find(facts::kFlowComponents, model.chosenText()))
        e.segments[Body].price = component->price;
    if (const facts::Porting* p = detail::find(facts::kPortings, porting.chosenText())) {
        e.segments[Porting] = {p->code, p->price};
        for (std::size_t i = 0; i < 4; ++i) {
            const ListState& connection = s.list(connectionList(i));
            e.segments[Connection1 + i].code = facts::kNotChosen[i];
            if (const facts::Connection* c = detail::find(facts::kConnections, connection.chosenText()))
                e.segments[Connection1 + i] = {c->codes[i], c->price};
            else
                unknown(connection);
        }
    } else {
        unknown(porting);
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (!s.options[i].checked) continue;
        const int segment = i < kSeatButtons ? Seat : i < kSeatButtons + kColourButtons ? Colour : Lever;
        if (const facts::Written* o = detail::find(facts::kOptions, s.options[i].caption))
            e.segments[std::size_t(segment)] = {o->code, o->price};
        else
            e.unknown = s.options[i].caption;
    }
    if (s.list(List::ProductType).chosenText() == "Diaphragm Valves") detail::markNonStandard(e);
    return e;
}

}  // namespace tarvek::testing
