#include "assets/documents/brochure_tables.h"

#include <algorithm>

#include "assets/documents/catalogue_text.h"
#include "rules/catalogue/connections.h"
#include "rules/catalogue/lookup.h"
#include "rules/catalogue/options.h"
#include "rules/catalogue/portings.h"

namespace tarvek::documents {
namespace {

std::string handleText(const Actuator& actuator) {
    if (actuator.leverOption) return "colours, lever";
    return actuator.handleOptions ? "colours" : "-";
}

std::string positionsText(const Porting& porting) {
    std::vector<std::string> used;
    for (std::size_t i = 0; i < porting.positions.size(); ++i)
        if (porting.positions[i]) used.push_back(std::to_string(i + 1));
    return joinedList(used);
}

// An actuator is named once, however many series it is offered on.
void addOnce(std::vector<std::string>& codes, std::string_view code) {
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(str(code));
}

}  // namespace

std::vector<OfferedActuator> offeredActuators(const Body& series, std::vector<std::string>* notes) {
    std::vector<OfferedActuator> offered;
    bool other = false;
    for (std::string_view entry : series.actuators) {
        if (entry.empty()) continue;
        if (entry == models::kOtherModels) {
            other = true;
            continue;
        }
        const Actuator* actuator = findRow(kActuators, &Actuator::entry, entry);
        const ActuatorOnSeries* row = actuator ? findActuatorOnSeries(actuator->code, series.code) : nullptr;
        if (row) {
            offered.push_back({actuator, row, other});
        } else if (notes) {
            // A note entry of the list ("--- Note: ... ---") is worth repeating in print.
            std::string_view note = entry;
            while (!note.empty() && (note.front() == '-' || note.front() == ' ')) note.remove_prefix(1);
            while (!note.empty() && (note.back() == '-' || note.back() == ' ')) note.remove_suffix(1);
            if (!note.empty()) notes->push_back(str(note) + ".");
        }
    }
    return offered;
}

std::string counted(std::size_t count, std::string_view thing) {
    return std::to_string(count) + " " + str(thing) + (count == 1 ? "" : "s");
}

std::string seatText(SeatHandling seat) { return seat == SeatHandling::Vespel ? "Vespel, fitted" : "choice"; }

TextTable actuatorTable(const std::vector<OfferedActuator>& actuators) {
    TextTable table{{{"Model", 0.09, false},
                     {"Description", 0.32, false},
                     {"Rating", 0.19, false},
                     {"Seat", 0.12, false},
                     {"Handle", 0.13, false},
                     {"List price US$", 0.15, true}},
                    {}};
    for (const OfferedActuator& offered : actuators)
        table.rows.push_back({str(offered.actuator->code),
                              str(splitEntry(offered.actuator->entry).description),
                              str(offered.onSeries->note), seatText(offered.onSeries->seat),
                              handleText(*offered.actuator), dollars(offered.actuator->price)});
    return table;
}

TextTable portingTable(std::span<const Porting> portings) {
    TextTable table{{{"Porting", 0.2, false},
                     {"Ports", 0.15, false},
                     {"Connection positions", 0.4, false},
                     {"List price US$", 0.25, true}},
                    {}};
    for (const Porting& porting : portings)
        table.rows.push_back(
            {str(porting.entry),
             std::to_string(std::count(porting.positions.begin(), porting.positions.end(), true)),
             positionsText(porting), priceCell(porting.written.price)});
    return table;
}

const ConnectionSet* connectionSetOf(const Body& body) {
    return findRow(kConnectionSets, &ConnectionSet::body, body.entry);
}

TextTable connectionTable(const ConnectionSet& set) {
    TextTable table{{{"Code", 0.12, false}, {"Connection", 0.63, false}, {"Price each US$", 0.25, true}}, {}};
    for (std::string_view entry : set.connections) {
        const Connection* connection = findRow(kConnections, &Connection::entry, entry);
        const EntryParts parts = splitEntry(entry);
        table.rows.push_back(
            {str(parts.code), str(parts.description), connection ? priceCell(connection->price) : "-"});
    }
    if (set.offersFixedMale)
        if (const Connection* fixed = findRow(kConnections, &Connection::entry, connection::V14)) {
            const EntryParts parts = splitEntry(fixed->entry);
            table.rows.push_back({str(parts.code),
                                  str(parts.description) + " (porting 2A, positions 1 and 3)",
                                  priceCell(fixed->price)});
        }
    return table;
}

std::string suffixText(std::string_view suffix) { return suffix.empty() ? "(none)" : str(suffix); }

// Seat, handle-colour and lever-handle options of the actuators on offer.
TextTable optionTable(const std::vector<OfferedActuator>& actuators) {
    TextTable table{
        {{"Option", 0.55, false}, {"Part-number suffix", 0.22, false}, {"List price US$", 0.23, true}}, {}};
    const auto any = [&](auto test) { return std::any_of(actuators.begin(), actuators.end(), test); };
    if (any([](const OfferedActuator& a) { return a.onSeries->seat == SeatHandling::Options; }))
        for (const SeatOption& seat : kSeatOptions)
            table.rows.push_back(
                {"Seat: " + str(seat.seatCaption), suffixText(seat.seat.code), priceCell(seat.seat.price)});
    std::vector<std::string> vespel;
    for (const OfferedActuator& a : actuators)
        if (a.onSeries->seat == SeatHandling::Vespel) addOnce(vespel, a.actuator->code);
    if (!vespel.empty()) {
        const SeatOption& seat = kSeatOptions[1];
        table.rows.push_back({"Seat: " + str(seat.seatCaption) + ", fitted on every " + joinedList(vespel),
                              suffixText(seat.seat.code), priceCell(seat.seat.price)});
    }
    if (any([](const OfferedActuator& a) { return a.actuator->handleOptions; }))
        for (const ColourOption& colour : kColourOptions)
            table.rows.push_back({"Handle colour: " + str(colour.caption), suffixText(colour.written.code),
                                  priceCell(colour.written.price)});
    std::vector<std::string> lever;
    for (const OfferedActuator& a : actuators)
        if (a.actuator->leverOption) addOnce(lever, a.actuator->code);
    if (!lever.empty())
        table.rows.push_back({"LS - Lever Handle, for " + joinedList(lever), str(kLeverHandleOn.code),
                              priceCell(kLeverHandleOn.price)});
    return table;
}

std::vector<const SparePart*> sparePartsOfSeries(std::string_view series) {
    std::vector<const SparePart*> parts;
    for (const SparePart& part : kSpareParts) {
        const auto fits = sparePartSeries(part.entry);
        if (std::find(fits.begin(), fits.end(), series) != fits.end()) parts.push_back(&part);
    }
    return parts;
}

void addConnectionChoices(std::vector<ExampleChoice>& choices, const Porting& porting,
                          const ConnectionSet& set) {
    const auto pick = [&](char letter) -> const Connection* {
        for (std::string_view entry : set.connections)
            if (splitEntry(entry).code == std::string_view(&letter, 1))
                return findRow(kConnections, &Connection::entry, entry);
        return findRow(kConnections, &Connection::entry, set.connections.front());
    };
    bool first = true;
    for (std::size_t position = 0; position < kConnectionPositions; ++position) {
        const std::string label = "Connection " + std::to_string(position + 1);
        const Segment segment = connectionSegment(position);
        if (!porting.positions[position] || set.connections.empty()) {
            choices.push_back(
                {label + ": not used by the porting", segment, kUnusedPositionCodes[position], segment, "0"});
            continue;
        }
        const Connection* connection = pick(first ? 'M' : 'F');
        first = false;
        if (!connection) continue;
        choices.push_back({label + ": " + str(connection->entry), segment, connection->codes[position],
                           segment, connection->price});
    }
}

std::string collapsedCaption(std::string_view caption) {
    std::string text;
    for (char c : caption)
        if (c != ' ' || (!text.empty() && text.back() != ' ')) text += c;
    return text;
}

std::string firstWord(std::string_view text) { return str(text.substr(0, text.find(' '))); }

}  // namespace tarvek::documents
