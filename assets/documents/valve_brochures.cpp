// The valve brochures: each valve series, the V-block series and the E310 actuator on the
// series it fits, drawn from the catalogue tables the configurator reads.
#include <algorithm>

#include "assets/documents/brochure_tables.h"
#include "assets/documents/catalogue_text.h"
#include "assets/documents/document_builders.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/connections.h"
#include "rules/catalogue/lookup.h"
#include "rules/catalogue/options.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/portings.h"
#include "rules/catalogue/product_types.h"

namespace tarvek::documents {
namespace {

// The end connections of a series and the options its actuators offer.
void addConnectionsAndOptions(DocumentContent& content, const Body& series,
                              const std::vector<OfferedActuator>& offered) {
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

    addConnectionsAndOptions(content, series, offered);
}

void addValveExample(DocumentContent& content, const Body& series,
                     const std::vector<OfferedActuator>& offered) {
    const ConnectionSet* set = connectionSetOf(series);
    if (offered.empty() || !set) return;
    const OfferedActuator& first = offered.front();
    const Porting& porting = kPortings.front();
    std::vector<ExampleChoice> choices = {
        {"Actuator: " + str(first.actuator->entry), Segment::Model, first.actuator->code, Segment::Model,
         first.actuator->price},
        {"Body: " + str(series.entry), Segment::Body, series.code, Segment::Body, series.price},
        {"Porting: " + str(porting.entry), Segment::Porting, porting.written.code, Segment::Porting,
         porting.written.price},
    };
    addConnectionChoices(choices, porting, *set);
    if (first.onSeries->seat == SeatHandling::Vespel) {
        const SeatOption& seat = kSeatOptions[1];
        choices.push_back({"Seat: " + str(seat.seatCaption) + " (fitted)", Segment::Seat, seat.seat.code,
                           Segment::Seat, seat.seat.price});
    }
    content.blocks.push_back(Heading{"Ordering example"});
    content.blocks.push_back(
        Paragraph{"The configurator builds the part number from the choices in this order "
                  "and adds up their list prices:"});
    content.blocks.push_back(exampleTable(choices));
}

}  // namespace

DocumentContent valveSeriesBrochure(const Document& document) {
    DocumentContent content = documentFrame(document, kBrochure);
    const Body* series = findRow(kBodies, &Body::code, document.subject);
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

DocumentContent vBlockBrochure(const Document& document) {
    DocumentContent content = documentFrame(document, kBrochure);
    const Body* block = findRow(kBodies, &Body::code, document.subject);
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
        {"List price", !block->price.stated() ? "on request" : "US$ " + dollars(block->price)},
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
        addConnectionsAndOptions(content, *valves, offered);
    }
    content.blocks.push_back(Heading{"Ordering"});
    content.blocks.push_back(
        Paragraph{"Send a sketch of the flow path with the gas, pressure and flow of each "
                  "valve position; the quotation names the block's part number, beginning " +
                  str(block->code) + ", and its price."});
    return content;
}

DocumentContent actuatorBrochure(const Document& document) {
    DocumentContent content = documentFrame(document, kBrochure);
    const Actuator* actuator = findRow(kActuators, &Actuator::code, document.subject);
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
                                 centsText(actuator->price.amount().cents + body->price.amount().cents)});
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
            {"Actuator: " + str(actuator->entry), Segment::Model, actuator->code, Segment::Model,
             actuator->price},
            {"Body: " + str(body->entry), Segment::Body, body->code, Segment::Body, body->price},
            {"Porting: " + str(porting.entry), Segment::Porting, porting.written.code, Segment::Porting,
             porting.written.price},
        };
        addConnectionChoices(choices, porting, *set);
        const ColourOption& red = kColourOptions[3];
        choices.push_back({"Handle colour: " + str(red.caption), Segment::HandleColour, red.written.code,
                           Segment::HandleColour, "0"});
        if (actuator->leverOption)
            choices.push_back({"LS - Lever Handle", Segment::LeverHandle, kLeverHandleOn.code,
                               Segment::LeverHandle, kLeverHandleOn.price});
        content.blocks.push_back(Heading{"Ordering example"});
        content.blocks.push_back(exampleTable(choices));
    }
    return content;
}

}  // namespace tarvek::documents
