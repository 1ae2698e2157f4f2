#include "assets/documents/document_content.h"

#include "assets/documents/catalogue_text.h"
#include "assets/documents/document_builders.h"
#include "rules/configurator/pricing.h"

namespace tarvek {

DocumentContent documentContent(const Document& document) {
    using namespace documents;
    switch (document.kind) {
        case DocumentKind::ValveSeries:
            return valveSeriesBrochure(document);
        case DocumentKind::VBlockSeries:
            return vBlockBrochure(document);
        case DocumentKind::Regulators:
            return regulatorBrochure(document);
        case DocumentKind::FlowComponents:
            return flowComponentBrochure(document);
        case DocumentKind::Fittings:
            return fittingBrochure(document);
        case DocumentKind::Actuator:
            return actuatorBrochure(document);
        case DocumentKind::SeatMaintenance:
            return seatSheet(document);
        case DocumentKind::DiaphragmMaintenance:
            return diaphragmSheet(document);
        case DocumentKind::ActuatorMaintenance:
            return actuatorSheet(document);
    }
    return documentFrame(document, "");
}

namespace documents {

DocumentContent documentFrame(const Document& document, std::string_view kindLabel) {
    DocumentContent content;
    content.fileName = documentFileName(document);
    content.kindLabel = kindLabel;
    return content;
}

TextTable exampleTable(const std::vector<ExampleChoice>& choices) {
    TextTable table{
        {{"Choice", 0.55, false}, {"Part-number segment", 0.25, false}, {"List price US$", 0.2, true}}, {}};
    ConfigurationRecord record;
    for (const ExampleChoice& choice : choices) {
        record[choice.codeIn].code = choice.code;
        record[choice.priceIn].price = choice.price;
        table.rows.push_back({choice.what, choice.code.empty() ? "(none)" : std::string(choice.code),
                              priceCell(choice.price)});
    }
    table.rows.push_back(
        {"Part number and list price", composePartNumber(record), dollars(listPrice(record))});
    table.totalRow = true;
    return table;
}

std::string actuatorSummary(const Actuator& actuator) {
    const std::string_view description = splitEntry(actuator.entry).description;
    const auto says = [&](std::string_view word) { return description.find(word) != std::string_view::npos; };
    std::string summary = "The " + std::string(actuator.code);
    if (says("N.O.")) {
        summary += " holds its valve open by spring force and closes it with pilot air.";
    } else if (says("Hybrid")) {
        summary += " holds its valve closed by spring force and opens it with pilot air or by hand.";
    } else if (says("Air-Op") || says("Pneumatic")) {
        summary += " holds its valve closed by spring force and opens it with pilot air.";
    } else if (says("Manual")) {
        summary += std::string(" opens and closes its valve by hand, with a ") +
                   (says("Tee Knob") ? "tee" : "round") + " knob.";
    } else {
        summary += " operates its valve.";
    }
    if (says("LOTO")) summary += " It can be locked and tagged out for maintenance (LOTO).";
    return summary;
}

TextTable sparePartsTable(const std::vector<const SparePart*>& parts) {
    TextTable table{
        {{"Part number", 0.22, false}, {"Description", 0.58, false}, {"List price US$", 0.2, true}}, {}};
    for (const SparePart* part : parts)
        table.rows.push_back({std::string(part->code), std::string(part->entry), dollars(part->price)});
    return table;
}

}  // namespace documents
}  // namespace tarvek
