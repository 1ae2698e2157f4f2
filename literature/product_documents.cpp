// The product brochures: valve series, V-blocks, regulators, flow components, fittings and
// the E310 actuator, each drawn from the catalogue tables the configurator reads.
#include <algorithm>

#include "catalogue/actuators.h"
#include "catalogue/bodies.h"
#include "catalogue/connections.h"
#include "catalogue/lookup.h"
#include "catalogue/other_models.h"
#include "catalogue/portings.h"
#include "catalogue/product_types.h"
#include "config/options.h"
#include "literature/catalogue_text.h"
#include "literature/document_builders.h"

namespace tarvek::documents {
namespace {

using R = ConfigurationRecord;

constexpr std::string_view kBrochure = "Product Brochure";

std::string str(std::string_view text) { return std::string(text); }

// Valves on a series: the actuators its model list offers, in list order, with their row
// of ratings; "also available" once the list's heading for the other models has passed.
struct OfferedActuator {
    const Actuator* actuator;
    const ActuatorOnSeries* onSeries;
    bool otherModel;
};

std::vector<OfferedActuator> offeredActuators(const Body& series, std::vector<std::string>* notes = nullptr) {
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

std::string handleText(const Actuator& actuator) {
    if (actuator.leverOption) return "colours, lever";
    return actuator.handleOptions ? "colours" : "-";
}

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

std::string positionsText(const Porting& porting) {
    std::vector<std::string> used;
    for (std::size_t i = 0; i < porting.positions.size(); ++i)
        if (porting.positions[i]) used.push_back(std::to_string(i + 1));
    return joinedList(used);
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
             positionsText(porting), priceCell(porting.price)});
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
    if (set.fixedMaleOn2A)
        if (const Connection* fixed = findRow(kConnections, &Connection::entry, connection::V14)) {
            const EntryParts parts = splitEntry(fixed->entry);
            table.rows.push_back({str(parts.code),
                                  str(parts.description) + " (porting 2A, positions 1 and 3)",
                                  priceCell(fixed->price)});
        }
    return table;
}

// An actuator is named once, however many series it is offered on.
void addOnce(std::vector<std::string>& codes, std::string_view code) {
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(str(code));
}

std::string suffixText(std::string_view suffix) { return suffix.empty() ? "(none)" : str(suffix); }

// Seat, handle-colour and lever-handle options of the actuators on offer.
TextTable optionTable(const std::vector<OfferedActuator>& actuators) {
    TextTable table{
        {{"Option", 0.55, false}, {"Part-number suffix", 0.22, false}, {"List price US$", 0.23, true}}, {}};
    const auto any = [&](auto test) { return std::any_of(actuators.begin(), actuators.end(), test); };
    if (any([](const OfferedActuator& a) { return a.onSeries->seat == SeatHandling::Options; }))
        for (const SeatOption& seat : kSeatOptions)
            table.rows.push_back({"Seat: " + str(seat.seatCaption), suffixText(seat.seat.partNumber),
                                  priceCell(seat.seat.price)});
    std::vector<std::string> vespel;
    for (const OfferedActuator& a : actuators)
        if (a.onSeries->seat == SeatHandling::Vespel) addOnce(vespel, a.actuator->code);
    if (!vespel.empty()) {
        const SeatOption& seat = kSeatOptions[1];
        table.rows.push_back({"Seat: " + str(seat.seatCaption) + ", fitted on every " + joinedList(vespel),
                              suffixText(seat.seat.partNumber), priceCell(seat.seat.price)});
    }
    if (any([](const OfferedActuator& a) { return a.actuator->handleOptions; }))
        for (const ColourOption& colour : kColourOptions)
            table.rows.push_back({"Handle colour: " + str(colour.caption), suffixText(colour.partNumber),
                                  priceCell(colour.price.value_or("0"))});
    std::vector<std::string> lever;
    for (const OfferedActuator& a : actuators)
        if (a.actuator->leverOption) addOnce(lever, a.actuator->code);
    if (!lever.empty())
        table.rows.push_back({"LS - Lever Handle, for " + joinedList(lever), str(kLeverHandleOn.partNumber),
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

// A two-port valve on porting 2A, with a male face seal on position 1 and a female one on
// position 3 where the series offers them.
void addConnectionChoices(std::vector<ExampleChoice>& choices, const Porting& porting,
                          const ConnectionSet& set) {
    const auto pick = [&](char letter) -> const Connection* {
        for (std::string_view entry : set.connections)
            if (splitEntry(entry).code == std::string_view(&letter, 1))
                return findRow(kConnections, &Connection::entry, entry);
        return findRow(kConnections, &Connection::entry, set.connections.front());
    };
    bool first = true;
    for (std::size_t position = 0; position < kConnectionCodes.size(); ++position) {
        const std::string label = "Connection " + std::to_string(position + 1);
        if (!porting.positions[position] || set.connections.empty()) {
            choices.push_back({label + ": not used by the porting", kConnectionCodes[position],
                               position == 0 ? "-X" : "X", kConnectionPrices[position], "0"});
            continue;
        }
        const Connection* connection = pick(first ? 'M' : 'F');
        first = false;
        if (!connection) continue;
        choices.push_back({label + ": " + str(connection->entry), kConnectionCodes[position],
                           connection->codes[position], kConnectionPrices[position], connection->price});
    }
}

std::string collapsedCaption(std::string_view caption) {
    std::string text;
    for (char c : caption)
        if (c != ' ' || (!text.empty() && text.back() != ' ')) text += c;
    return text;
}

std::string firstWord(std::string_view text) { return str(text.substr(0, text.find(' '))); }

void addValveSections(DocumentContent& content, const Body& series,
                      const std::vector<OfferedActuator>& offered, const std::vector<std::string>& notes) {
    std::vector<OfferedActuator> standard, other;
    for (const OfferedActuator& a : offered) (a.otherModel ? other : standard).push_back(a);
    content.blocks.push_back(Heading{other.empty() ? "Actuators" : "Standard actuators"});
    content.blocks.push_back(actuatorTable(standard));
    if (!other.empty()) {
        content.blocks.push_back(Heading{"Other available models"});
        content.blocks.push_back(actuatorTable(other));
    }
    std::string priceRule =
        "A valve's list price is the " + str(seriesName(series.code)) + " body at US$ " +
        dollars(series.price) +
        " plus its actuator, porting, end connections and options. The rating gives the flow "
        "coefficient and the highest inlet pressure of the valve with that actuator.";
    for (const std::string& note : notes) priceRule += " " + note;
    content.blocks.push_back(Paragraph{priceRule});

    content.blocks.push_back(Heading{"Porting styles"});
    content.blocks.push_back(
        Paragraph{"The first digit of a porting code is the number of ports. Each port takes an end "
                  "connection in one of "
                  "four positions; a position the porting does not use reads X in the part number."});
    content.blocks.push_back(portingTable(kPortings));

    if (const ConnectionSet* set = connectionSetOf(series)) {
        content.blocks.push_back(Heading{"End connections"});
        content.blocks.push_back(connectionTable(*set));
    }
    const TextTable options = optionTable(offered);
    if (!options.rows.empty()) {
        content.blocks.push_back(Heading{"Options"});
        content.blocks.push_back(options);
    }
}

void addValveExample(DocumentContent& content, const Body& series,
                     const std::vector<OfferedActuator>& offered) {
    const ConnectionSet* set = connectionSetOf(series);
    if (offered.empty() || !set) return;
    const OfferedActuator& first = offered.front();
    const Porting& porting = kPortings.front();
    std::vector<ExampleChoice> choices = {
        {"Actuator: " + str(first.actuator->entry), &R::lblPNModel, first.actuator->code, &R::lblPriceModel,
         first.actuator->price},
        {"Body: " + str(series.entry), &R::lblPNBody, series.code, &R::lblPriceBody, series.price},
        {"Porting: " + str(porting.entry), &R::lblPNPorting, porting.code, &R::lblPricePorting,
         porting.price},
    };
    addConnectionChoices(choices, porting, *set);
    if (first.onSeries->seat == SeatHandling::Vespel) {
        const SeatOption& seat = kSeatOptions[1];
        choices.push_back({"Seat: " + str(seat.seatCaption) + " (fitted)", &R::lblPNOptionsSeat,
                           seat.seat.partNumber, &R::lblPriceOptionsSeat, seat.seat.price});
    }
    content.blocks.push_back(Heading{"Ordering example"});
    content.blocks.push_back(
        Paragraph{"The configurator builds the part number from the choices in this order "
                  "and adds up their list prices:"});
    content.blocks.push_back(exampleTable(choices));
}

}  // namespace

DocumentContent valveSeriesBrochure(const DocumentButton& button) {
    DocumentContent content = documentFrame(button, kBrochure);
    const Body* series = findRow(kBodies, &Body::code, button.subject);
    if (!series) return content;
    const std::string name = str(seriesName(series->code));
    const std::string family = str(splitEntry(series->entry).description);
    std::vector<std::string> notes;
    const std::vector<OfferedActuator> offered = offeredActuators(*series, &notes);

    content.title = name + " " + family + " Diaphragm Valves";
    content.subtitle = "Diaphragm valves for gas systems, " + str(series->note);
    content.picture = series->picture;
    content.pictureCaption = name + " Series";
    const ConnectionSet* set = connectionSetOf(*series);
    content.keyFacts = {
        {"Series", name + ", part-number segment " + str(series->code)},
        {"Flow", str(series->note)},
        {"Valve body", "US$ " + dollars(series->price)},
        {"Actuators", counted(offered.size(), "model")},
        {"Portings", std::to_string(kPortings.size()) + " styles, 2 to 4 ports"},
        {"End connections", counted(set ? set->connections.size() : 0, "kind")},
    };
    content.blocks.push_back(Paragraph{
        "The " + name + " " + family +
        " closes with a metal diaphragm on a replaceable seat: the gas touches "
        "only the body, the diaphragm and the seat, with no packing and no sliding seal in its path. Every "
        "valve "
        "is built to order from an actuator, the " +
        name +
        " body, a porting style, its end connections and "
        "options; part number and list price follow from those choices exactly as the catalogue program "
        "composes them."});
    addValveSections(content, *series, offered, notes);
    addValveExample(content, *series, offered);
    const auto parts = sparePartsOfSeries(name);
    if (!parts.empty()) {
        content.blocks.push_back(Heading{"Spare parts"});
        content.blocks.push_back(sparePartsTable(parts));
        content.blocks.push_back(
            Paragraph{"See the maintenance sheets on the Technical Information page for the "
                      "replacement of seats and diaphragms."});
    }
    return content;
}

DocumentContent vBlockBrochure(const DocumentButton& button) {
    DocumentContent content = documentFrame(button, kBrochure);
    const Body* block = findRow(kBodies, &Body::code, button.subject);
    if (!block) return content;
    const std::string name = str(seriesName(block->code));
    const std::string family = str(splitEntry(block->entry).description);
    // The block's positions carry valves of the series it is named after (BMX2: MX2).
    const std::string valveCode = "-" + name.substr(1);
    const Body* valves = findRow(kBodies, &Body::code, std::string_view(valveCode));

    content.title = name + " " + family;
    content.subtitle = "Several diaphragm valves on one block body, built to order";
    content.picture = block->picture;
    content.pictureCaption = name + " V-Blocks";
    content.keyFacts = {
        {"Series", name + ", part-number segment " + str(block->code)},
        {"List price", block->price.empty() ? "on request" : "US$ " + dollars(block->price)},
        {"Valve positions", valves ? str(seriesName(valves->code)) + " valves" : "on request"},
    };
    content.blocks.push_back(Paragraph{
        "A V-block joins several diaphragm valves on one machined body, so that a purge, vent or switching "
        "function takes one compact part with no fittings between its valves. Each block is drawn up for its "
        "application; the configurator shows the series as " +
        str(block->code) + " without a list price, and every block is quoted on request."});
    if (valves) {
        std::vector<std::string> notes;
        const auto offered = offeredActuators(*valves, &notes);
        content.blocks.push_back(Heading{"Valve positions"});
        content.blocks.push_back(
            Paragraph{"The valve positions of a V-block take the actuators, end connections "
                      "and options of the " +
                      str(valves->entry) + ":"});
        std::vector<OfferedActuator> all = offered;
        for (auto& a : all) a.otherModel = false;
        content.blocks.push_back(actuatorTable(all));
        if (const ConnectionSet* set = connectionSetOf(*valves)) {
            content.blocks.push_back(Heading{"End connections"});
            content.blocks.push_back(connectionTable(*set));
        }
        const TextTable options = optionTable(offered);
        if (!options.rows.empty()) {
            content.blocks.push_back(Heading{"Options"});
            content.blocks.push_back(options);
        }
    }
    content.blocks.push_back(Heading{"Ordering"});
    content.blocks.push_back(
        Paragraph{"Send a sketch of the flow path with the gas, pressure and flow of each "
                  "valve position; the quotation names the block's part number, beginning " +
                  str(block->code) + ", and its price."});
    return content;
}

DocumentContent regulatorBrochure(const DocumentButton& button) {
    DocumentContent content = documentFrame(button, kBrochure);
    const ProductType* type = findRow(kProductTypes, &ProductType::entry, button.subject);
    std::vector<const Body*> series;
    for (const Body& body : kBodies)
        if (body.productType == button.subject) series.push_back(&body);
    if (!type || series.empty()) return content;

    std::vector<std::string> names;
    for (const Body* body : series) names.push_back(str(seriesName(body->code)));
    content.title = firstWord(button.caption) + " " + str(type->entry);
    content.subtitle = "Single-stage regulators, " + joinedList(names) + " series";
    content.picture = type->picture;
    content.pictureCaption = collapsedCaption(button.caption);
    content.keyFacts = {
        {"Series", joinedList(names)},
        {"Outlet ranges", counted(kRegulatorRanges.size(), "model")},
        {"Porting", str(kRegulatorPorting)},
        {"Seat", str(kSeatOptions[0].seatCaption) + ", or " + str(kSeatOptions[1].seatCaption)},
    };
    content.blocks.push_back(Paragraph{
        "The " + firstWord(button.caption) +
        " regulators hold a steady outlet pressure from a higher supply "
        "pressure. Choose the series for size and flow, then the outlet range; the regulator's list price is "
        "the price of its series, whichever range it has."});

    content.blocks.push_back(Heading{"Regulator series"});
    TextTable seriesTable{{{"Series", 0.15, false},
                           {"Description", 0.4, false},
                           {"Part-number segment", 0.25, false},
                           {"List price US$", 0.2, true}},
                          {}};
    for (std::size_t i = 0; i < series.size(); ++i)
        seriesTable.rows.push_back({names[i], str(splitEntry(series[i]->entry).description),
                                    str(series[i]->code), dollars(series[i]->price)});
    content.blocks.push_back(seriesTable);

    content.blocks.push_back(Heading{"Outlet ranges"});
    TextTable ranges{{{"Model", 0.15, false}, {"Outlet pressure", 0.6, false}, {"List price", 0.25, true}},
                     {}};
    for (const RegulatorRange& range : kRegulatorRanges)
        ranges.rows.push_back({str(range.code), str(splitEntry(range.entry).description), "in series price"});
    content.blocks.push_back(ranges);

    const Porting* porting = findRow(kPortings, &Porting::entry, kRegulatorPorting);
    const ConnectionSet* set = connectionSetOf(*series.front());
    if (porting) {
        content.blocks.push_back(Heading{"Porting and end connections"});
        content.blocks.push_back(portingTable(std::span<const Porting>(porting, 1)));
    }
    if (set) content.blocks.push_back(connectionTable(*set));

    content.blocks.push_back(Heading{"Options"});
    TextTable seats{
        {{"Option", 0.55, false}, {"Part-number suffix", 0.22, false}, {"List price US$", 0.23, true}}, {}};
    for (std::size_t i = 0; i < 2; ++i)  // the bleed seat is not offered on a regulator
        seats.rows.push_back({"Seat: " + str(kSeatOptions[i].seatCaption),
                              suffixText(kSeatOptions[i].seat.partNumber),
                              priceCell(kSeatOptions[i].seat.price)});
    content.blocks.push_back(seats);

    if (porting && set) {
        const RegulatorRange& range = kRegulatorRanges.front();
        const Body& body = *series.front();
        std::vector<ExampleChoice> choices = {
            {"Outlet range: " + str(range.entry), &R::lblPNModel, range.code, &R::lblPriceModel, "0"},
            {"Body: " + str(body.entry), &R::lblPNBody, body.code, &R::lblPriceBody, body.price},
            {"Porting: " + str(porting->entry), &R::lblPNPorting, porting->code, &R::lblPricePorting,
             porting->price},
        };
        addConnectionChoices(choices, *porting, *set);
        content.blocks.push_back(Heading{"Ordering example"});
        content.blocks.push_back(exampleTable(choices));
    }
    return content;
}

DocumentContent flowComponentBrochure(const DocumentButton& button) {
    DocumentContent content = documentFrame(button, kBrochure);
    std::vector<const FlowComponent*> components;
    for (const FlowComponent& component : kFlowComponents)
        if (component.family == button.subject) components.push_back(&component);
    if (components.empty()) return content;

    const std::string prefix = str(components.front()->code.substr(0, components.front()->code.find('-')));
    const std::string family = str(button.subject) + "s";
    const bool seals =
        std::any_of(components.begin(), components.end(), [](auto* c) { return c->sealOptions; });
    long long lowest = cents(components.front()->price), highest = lowest;
    for (const FlowComponent* c : components) {
        lowest = std::min(lowest, cents(c->price));
        highest = std::max(highest, cents(c->price));
    }

    content.title = prefix + " " + family;
    content.subtitle = family + " with 1/4 inch face seal ends";
    content.picture = components.front()->picture;
    content.pictureCaption = components.front()->code;
    content.keyFacts = {
        {"Models", std::to_string(components.size())},
        {"List price", "US$ " + centsText(lowest) + (highest != lowest ? " to " + centsText(highest) : "")},
        {"Seals", seals ? str(kSeatOptions[0].sealCaption) + "; options" : "-"},
    };
    const bool checkValves = prefix == "KL";
    content.blocks.push_back(Paragraph{
        checkValves ? "The " + prefix +
                          " check valves let gas pass in one direction and close against reverse "
                          "flow, keeping a process line from back-filling a supply. The poppet seals on an "
                          "elastomer seal whose material is chosen with the order."
                    : "The " + prefix +
                          " vacuum generators draw a vacuum from a flow of compressed gas through a "
                          "nozzle, with no moving parts and nothing to wear: a tee for one vacuum port, a "
                          "quad-tee for several."});

    content.blocks.push_back(Heading{"Models"});
    TextTable models{{{"Model", 0.15, false},
                      {"Description", 0.5, false},
                      {"Seal options", 0.15, false},
                      {"List price US$", 0.2, true}},
                     {}};
    for (const FlowComponent* c : components)
        models.rows.push_back({str(c->code), str(splitEntry(c->entry).description),
                               c->sealOptions ? "yes" : "-", dollars(c->price)});
    content.blocks.push_back(models);

    std::vector<ExampleChoice> choices = {{"Model: " + str(components.front()->entry), &R::lblPNModel,
                                           components.front()->code, &R::lblPriceBody,
                                           components.front()->price}};
    if (seals) {
        content.blocks.push_back(Heading{"Seal options"});
        TextTable options{
            {{"Seal", 0.55, false}, {"Part-number suffix", 0.22, false}, {"List price US$", 0.23, true}}, {}};
        for (const SeatOption& seal : kSeatOptions)
            options.rows.push_back(
                {str(seal.sealCaption), suffixText(seal.seal.partNumber), priceCell(seal.seal.price)});
        content.blocks.push_back(options);
        const SeatOption& kalrez = kSeatOptions[1];
        choices.push_back({"Seal: " + str(kalrez.sealCaption), &R::lblPNOptionsSeat, kalrez.seal.partNumber,
                           &R::lblPriceOptionsSeat, kalrez.seal.price});
    }
    content.blocks.push_back(Heading{"Ordering example"});
    content.blocks.push_back(exampleTable(choices));
    return content;
}

DocumentContent fittingBrochure(const DocumentButton& button) {
    DocumentContent content = documentFrame(button, kBrochure);
    const Body* family = findRow(kBodies, &Body::entry, button.subject);
    std::vector<const Fitting*> fittings;
    for (const Fitting& fitting : kFittings)
        if (fitting.family == button.subject) fittings.push_back(&fitting);
    if (!family || fittings.empty()) return content;

    const std::string prefix = str(fittings.front()->code.substr(0, fittings.front()->code.find('-')));
    content.title = str(family->entry);
    content.subtitle = prefix + " tube-to-face-seal fittings";
    content.picture = family->picture;
    content.pictureCaption = prefix + " Fittings";
    content.keyFacts = {
        {"Models", std::to_string(fittings.size())},
        {"List price", "US$ " + dollars(fittings.front()->price) + " each"},
        {"Maker", str(kMakerName)},
    };
    content.blocks.push_back(
        Paragraph{"The " + prefix +
                  " fittings join a tube directly to a male face seal, in one piece: no separate gland, "
                  "nut or weld. They are made by " +
                  str(kMakerName) +
                  " and fit every 1/4 inch face seal of our valves "
                  "and regulators."});
    content.blocks.push_back(Heading{"Models"});
    TextTable models{
        {{"Part number", 0.2, false}, {"Description", 0.6, false}, {"List price US$", 0.2, true}}, {}};
    for (const Fitting* f : fittings)
        models.rows.push_back({str(f->code), str(splitEntry(f->entry).description), dollars(f->price)});
    content.blocks.push_back(models);

    TextTable related{{{"Model", 0.2, false}, {"Description", 0.6, false}, {"List price US$", 0.2, true}},
                      {}};
    for (const FlowComponent& c : kFlowComponents)
        if (c.entry.find(prefix) != std::string_view::npos)
            related.rows.push_back({str(c.code), str(splitEntry(c.entry).description), dollars(c.price)});
    if (!related.rows.empty()) {
        content.blocks.push_back(Heading{"Also with " + prefix + " glands"});
        content.blocks.push_back(related);
    }
    content.blocks.push_back(Heading{"Ordering example"});
    content.blocks.push_back(
        exampleTable({{"Fitting: " + str(fittings.front()->entry), &R::lblPNModel, fittings.front()->code,
                       &R::lblPriceModel, fittings.front()->price}}));
    return content;
}

DocumentContent actuatorBrochure(const DocumentButton& button) {
    DocumentContent content = documentFrame(button, kBrochure);
    const Actuator* actuator = findRow(kActuators, &Actuator::code, button.subject);
    if (!actuator) return content;
    const std::string code = str(actuator->code);
    const std::string description = str(splitEntry(actuator->entry).description);

    std::vector<std::pair<const Body*, const ActuatorOnSeries*>> seriesRows;
    for (const ActuatorOnSeries& row : kActuatorsOnSeries)
        if (row.code == actuator->code)
            if (const Body* body = findRow(kBodies, &Body::code, row.series))
                seriesRows.emplace_back(body, &row);
    std::vector<std::string> names;
    for (const auto& [body, row] : seriesRows) names.push_back(str(seriesName(body->code)));

    content.title = code + " " + firstWord(description) + " Actuators";
    content.subtitle = description;
    content.picture = actuator->assemblyPicture;
    content.pictureCaption = code;
    content.keyFacts = {
        {"Type", description},
        {"Actuator", "US$ " + dollars(actuator->price)},
        {"Valve series", joinedList(names)},
        {"Handle", actuator->leverOption     ? "colours, lever handle"
                   : actuator->handleOptions ? "colours"
                                             : "-"},
    };
    content.blocks.push_back(
        Paragraph{actuatorSummary(*actuator) + " It mounts on the " + joinedList(names) + " valve series."});

    content.blocks.push_back(Heading{"On the valve series"});
    TextTable onSeries{{{"Valve", 0.17, false},
                        {"Series", 0.33, false},
                        {"Rating", 0.2, false},
                        {"Seat", 0.12, false},
                        {"List price US$", 0.18, true}},
                       {}};
    for (const auto& [body, row] : seriesRows)
        onSeries.rows.push_back({code + str(body->code), str(body->entry), str(row->note),
                                 seatText(row->seat),
                                 centsText(cents(actuator->price) + cents(body->price))});
    content.blocks.push_back(onSeries);
    content.blocks.push_back(Paragraph{"The list price is the valve with its " + code +
                                       ", before porting, end connections and options."});
    if (!actuator->assemblyPicture.empty())
        content.blocks.push_back(Paragraph{"Sold alone as an actuator assembly, the " + code +
                                           " has part number " + code + " and list price US$ " +
                                           dollars(actuator->price) + "."});

    std::vector<OfferedActuator> offered;
    for (const auto& [body, row] : seriesRows) offered.push_back({actuator, row, false});
    content.blocks.push_back(Heading{"Options"});
    content.blocks.push_back(optionTable(offered));

    const auto mx2 =
        std::find_if(seriesRows.begin(), seriesRows.end(), [](auto& r) { return r.first->code == "-MX2"; });
    const auto& [body, row] = mx2 != seriesRows.end() ? *mx2 : seriesRows.front();
    if (const ConnectionSet* set = connectionSetOf(*body)) {
        const Porting& porting = kPortings.front();
        std::vector<ExampleChoice> choices = {
            {"Actuator: " + str(actuator->entry), &R::lblPNModel, actuator->code, &R::lblPriceModel,
             actuator->price},
            {"Body: " + str(body->entry), &R::lblPNBody, body->code, &R::lblPriceBody, body->price},
            {"Porting: " + str(porting.entry), &R::lblPNPorting, porting.code, &R::lblPricePorting,
             porting.price},
        };
        addConnectionChoices(choices, porting, *set);
        const ColourOption& red = kColourOptions[3];
        choices.push_back({"Handle colour: " + str(red.caption), &R::lblPNOptionsColor, red.partNumber,
                           &R::lblPriceOptionsColor, "0"});
        if (actuator->leverOption)
            choices.push_back({"LS - Lever Handle", &R::lblPNOptionsGeneral2, kLeverHandleOn.partNumber,
                               &R::lblPriceOptionsGeneral2, kLeverHandleOn.price});
        content.blocks.push_back(Heading{"Ordering example"});
        content.blocks.push_back(exampleTable(choices));
    }
    return content;
}

}  // namespace tarvek::documents
