// The eighteen documents of the literature and technical pages: their captions, their files
// and what each is about.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvek {

enum class DocumentPage { Literature, Technical };

// What a document covers; the subject names the catalogue rows it is drawn from.
enum class DocumentKind {
    ValveSeries,           // subject: body segment of a valve series ("-MX2")
    VBlockSeries,          // subject: body segment of the V-block series
    Regulators,            // subject: product-type entry of the regulators
    FlowComponents,        // subject: flow-component family ("Check Valve")
    Fittings,              // subject: fitting family
    Actuator,              // subject: actuator code
    SeatMaintenance,       // subject: the word the spare-part entries it covers contain
    DiaphragmMaintenance,  // likewise
    ActuatorMaintenance,   // subject: actuator codes joined by '/'
};

struct Document {
    std::string_view caption;  // shown under the document's picture, blanks exactly as written
    std::string_view path;     // appended to the program's folder; begins with a backslash
    DocumentPage page;
    DocumentKind kind;
    std::string_view subject;
};

// clang-format off
inline constexpr std::array<Document, 18> kDocuments = {{
    {"MX1 Valves", "\\Tarvek Products - MX1.pdf", DocumentPage::Literature, DocumentKind::ValveSeries, "-MX1"},
    {"MX2  Valves", "\\Tarvek Products - MX2.pdf", DocumentPage::Literature, DocumentKind::ValveSeries, "-MX2"},
    {"MX3  Valves", "\\Tarvek Products - MX3.pdf", DocumentPage::Literature, DocumentKind::ValveSeries, "-MX3"},
    {"MX4  Valves", "\\Tarvek Products - MX4.pdf", DocumentPage::Literature, DocumentKind::ValveSeries, "-MX4"},
    {"HMX2  Valves", "\\Tarvek Products - HMX2.pdf", DocumentPage::Literature, DocumentKind::ValveSeries, "-HMX2"},
    {"HMX3 Valves", "\\Tarvek Products - HMX3.pdf", DocumentPage::Literature, DocumentKind::ValveSeries, "-HMX3"},
    {"T400 Regulators", "\\Tarvek Products - T400.pdf", DocumentPage::Literature, DocumentKind::Regulators, "Pressure Regulators"},
    {"BMX2 Valves", "\\Tarvek Products - BMX2.pdf", DocumentPage::Literature, DocumentKind::VBlockSeries, "-BMX2"},
    {"KL  Check Valves", "\\Tarvek Products - KL.pdf", DocumentPage::Literature, DocumentKind::FlowComponents, "Check Valve"},
    {"WN  Vac Gens", "\\Tarvek Products - WN.pdf", DocumentPage::Literature, DocumentKind::FlowComponents, "Vacuum Generator"},
    {"LNQ  Fittings", "\\Tarvek Products - LNQ.pdf", DocumentPage::Literature, DocumentKind::Fittings, "Tarvek LNQ Fittings"},
    {"E310 Actuators", "\\Tarvek Products - E310.pdf", DocumentPage::Literature, DocumentKind::Actuator, "E310"},
    {"Valve Seat Replacement", "\\Maintenance Sheet - Valve Seat Replacement.pdf", DocumentPage::Technical, DocumentKind::SeatMaintenance, "Seat"},
    {"Diaphragm Replacement", "\\Maintenance Sheet - Diaphragm Replacement.pdf", DocumentPage::Technical, DocumentKind::DiaphragmMaintenance, "Diaphragm"},
    {"Actuator Adjustment A310/A370/A371", "\\Maintenance Sheet - Actuator Installation and Adjustment - A310-A370-A371.pdf", DocumentPage::Technical, DocumentKind::ActuatorMaintenance, "A310/A370/A371"},
    {"Actuator Adjustment  E310", "\\Maintenance Sheet - Actuator Installation and Adjustment - E310.pdf", DocumentPage::Technical, DocumentKind::ActuatorMaintenance, "E310"},
    {"Actuator Adjustment  N350", "\\Maintenance Sheet - Actuator Installation and Adjustment - N350.pdf", DocumentPage::Technical, DocumentKind::ActuatorMaintenance, "N350"},
    {"Actuator Adjustment  J310", "\\Maintenance Sheet - Actuator Installation and Adjustment - J310.pdf", DocumentPage::Technical, DocumentKind::ActuatorMaintenance, "J310"},
}};
// clang-format on

// The document's file name: its path without the leading backslash.
constexpr std::string_view documentFileName(const Document& document) {
    std::string_view name = document.path;
    if (name.starts_with('\\')) name.remove_prefix(1);
    return name;
}

constexpr const Document* findDocument(std::string_view fileName) {
    for (const auto& row : kDocuments)
        if (documentFileName(row) == fileName) return &row;
    return nullptr;
}

// The picture of the document's first page, which its button shows: the document's name
// with ".png" in place of ".pdf".
inline std::string firstPagePictureName(const Document& document) {
    std::string_view name = documentFileName(document);
    if (name.ends_with(".pdf")) name.remove_suffix(4);
    return std::string(name) + ".png";
}

}  // namespace tarvek
