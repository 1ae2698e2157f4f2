// The builders behind documentContent(), one per kind of document, and the pieces the
// brochures and sheets share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "assets/documents/document_content.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/other_models.h"
#include "rules/configurator/configuration_record.h"

namespace tarvek::documents {

DocumentContent valveSeriesBrochure(const Document& document);
DocumentContent vBlockBrochure(const Document& document);
DocumentContent regulatorBrochure(const Document& document);
DocumentContent flowComponentBrochure(const Document& document);
DocumentContent fittingBrochure(const Document& document);
DocumentContent actuatorBrochure(const Document& document);
DocumentContent seatSheet(const Document& document);
DocumentContent diaphragmSheet(const Document& document);
DocumentContent actuatorSheet(const Document& document);

// A document with its file name and kind filled in.
DocumentContent documentFrame(const Document& document, std::string_view kindLabel);

// One line of an ordering example: what the customer chose and the two segments it writes.
struct ExampleChoice {
    std::string what;
    Segment codeIn;
    std::string_view code;
    Segment priceIn;  // a flow component's price is its body's
    Price price;
};
// The example's lines and, last, the part number and list price the configurator composes
// from them.
TextTable exampleTable(const std::vector<ExampleChoice>& choices);

// What an actuator does, in a sentence or two read from its catalogue description
// ("Hybrid, N.C., LOTO").
std::string actuatorSummary(const Actuator& actuator);

// Spare parts with their part number, description and price.
TextTable sparePartsTable(const std::vector<const SparePart*>& parts);

}  // namespace tarvek::documents
