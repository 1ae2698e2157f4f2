// The brochures of the other products: regulators, flow components and fittings, drawn
// from the catalogue tables the configurator reads.
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
namespace {}  // namespace

DocumentContent regulatorBrochure(const Document& document) {
    DocumentContent content = documentFrame(document, kBrochure);
    const ProductType* type = findRow(kProductTypes, &ProductType::entry, document.subject);
    std::vector<const Body*> series;
    for (const Body& body : kBodies)
        if (body.productType == document.subject) series.push_back(&body);
    if (!type || series.empty()) return content;

    std::vector<std::string> names;
    for (const Body* body : series) names.push_back(str(seriesName(body->code)));
    content.title = firstWord(document.caption) + " " + str(type->entry);
    content.subtitle = "Single-stage regulators, " + joinedList(names) + " series";
    content.picture = type->picture;
    content.pictureCaption = collapsedCaption(document.caption);
    content.keyFacts = {
        {"Series", joinedList(names)},
        {"Outlet ranges", counted(kRegulatorRanges.size(), "model")},
        {"Porting", str(kRegulatorPorting)},
        {"Seat", str(kSeatOptions[0].seatCaption) + ", or " + str(kSeatOptions[1].seatCaption)},
    };
    content.blocks.push_back(Paragraph{
        "The " + firstWord(document.caption) +
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
                              suffixText(kSeatOptions[i].seat.code), priceCell(kSeatOptions[i].seat.price)});
    content.blocks.push_back(seats);

    if (porting && set) {
        const RegulatorRange& range = kRegulatorRanges.front();
        const Body& body = *series.front();
        std::vector<ExampleChoice> choices = {
            {"Outlet range: " + str(range.entry), Segment::Model, range.code, Segment::Model, "0"},
            {"Body: " + str(body.entry), Segment::Body, body.code, Segment::Body, body.price},
            {"Porting: " + str(porting->entry), Segment::Porting, porting->written.code, Segment::Porting,
             porting->written.price},
        };
        addConnectionChoices(choices, *porting, *set);
        content.blocks.push_back(Heading{"Ordering example"});
        content.blocks.push_back(exampleTable(choices));
    }
    return content;
}

DocumentContent flowComponentBrochure(const Document& document) {
    DocumentContent content = documentFrame(document, kBrochure);
    std::vector<const FlowComponent*> components;
    for (const FlowComponent& component : kFlowComponents)
        if (component.family == document.subject) components.push_back(&component);
    if (components.empty()) return content;

    const std::string prefix = str(components.front()->code.substr(0, components.front()->code.find('-')));
    const std::string family = str(document.subject) + "s";
    const bool seals =
        std::any_of(components.begin(), components.end(), [](auto* c) { return c->sealOptions; });
    std::int64_t lowest = components.front()->price.amount().cents, highest = lowest;
    for (const FlowComponent* c : components) {
        lowest = std::min(lowest, c->price.amount().cents);
        highest = std::max(highest, c->price.amount().cents);
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

    std::vector<ExampleChoice> choices = {{"Model: " + str(components.front()->entry), Segment::Model,
                                           components.front()->code, Segment::Body,
                                           components.front()->price}};
    if (seals) {
        content.blocks.push_back(Heading{"Seal options"});
        TextTable options{
            {{"Seal", 0.55, false}, {"Part-number suffix", 0.22, false}, {"List price US$", 0.23, true}}, {}};
        for (const SeatOption& seal : kSeatOptions)
            options.rows.push_back(
                {str(seal.sealCaption), suffixText(seal.seal.code), priceCell(seal.seal.price)});
        content.blocks.push_back(options);
        const SeatOption& kalrez = kSeatOptions[1];
        choices.push_back({"Seal: " + str(kalrez.sealCaption), Segment::Seat, kalrez.seal.code, Segment::Seat,
                           kalrez.seal.price});
    }
    content.blocks.push_back(Heading{"Ordering example"});
    content.blocks.push_back(exampleTable(choices));
    return content;
}

DocumentContent fittingBrochure(const Document& document) {
    DocumentContent content = documentFrame(document, kBrochure);
    const Body* family = findRow(kBodies, &Body::entry, document.subject);
    std::vector<const Fitting*> fittings;
    for (const Fitting& fitting : kFittings)
        if (fitting.family == document.subject) fittings.push_back(&fitting);
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
        exampleTable({{"Fitting: " + str(fittings.front()->entry), Segment::Model, fittings.front()->code,
                       Segment::Model, fittings.front()->price}}));
    return content;
}

}  // namespace tarvek::documents
