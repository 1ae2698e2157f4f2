// The eighteen document buttons: which button opens which document, where it sits on its
// page, and what the document is about.
#pragma once

#include <array>
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

struct DocumentButton {
    std::string_view button;    // object name of the button in the window
    std::string_view caption;   // shown under the picture, blanks exactly as written
    std::string_view document;  // appended to the program's folder; begins with a backslash
    DocumentPage page;
    int row;  // place on the page's grid, from 1
    int column;
    DocumentKind kind;
    std::string_view subject;
};

// clang-format off
inline constexpr std::array<DocumentButton, 18> kDocumentButtons = {{
    {"cmdOpenMXpdf", "MX1 Valves", "\\Tarvek Products - MX1.pdf", DocumentPage::Literature, 1, 1, DocumentKind::ValveSeries, "-MX1"},
    {"cmdOpenMX2pdf", "MX2  Valves", "\\Tarvek Products - MX2.pdf", DocumentPage::Literature, 1, 2, DocumentKind::ValveSeries, "-MX2"},
    {"cmdOpenMX3pdf", "MX3  Valves", "\\Tarvek Products - MX3.pdf", DocumentPage::Literature, 1, 3, DocumentKind::ValveSeries, "-MX3"},
    {"cmdOpenMX4pdf", "MX4  Valves", "\\Tarvek Products - MX4.pdf", DocumentPage::Literature, 1, 4, DocumentKind::ValveSeries, "-MX4"},
    {"cmdOpenHMX2pdf", "HMX2  Valves", "\\Tarvek Products - HMX2.pdf", DocumentPage::Literature, 2, 1, DocumentKind::ValveSeries, "-HMX2"},
    {"cmdOpenHMX3pdf", "HMX3 Valves", "\\Tarvek Products - HMX3.pdf", DocumentPage::Literature, 2, 2, DocumentKind::ValveSeries, "-HMX3"},
    {"cmdOpenT400pdf", "T400 Regulators", "\\Tarvek Products - T400.pdf", DocumentPage::Literature, 2, 3, DocumentKind::Regulators, "Pressure Regulators"},
    {"cmdOpenBMX2", "BMX2 Valves", "\\Tarvek Products - BMX2.pdf", DocumentPage::Literature, 2, 4, DocumentKind::VBlockSeries, "-BMX2"},
    {"cmdOpenKLpdf", "KL  Check Valves", "\\Tarvek Products - KL.pdf", DocumentPage::Literature, 3, 1, DocumentKind::FlowComponents, "Check Valve"},
    {"cmdOpenWNpdf", "WN  Vac Gens", "\\Tarvek Products - WN.pdf", DocumentPage::Literature, 3, 2, DocumentKind::FlowComponents, "Vacuum Generator"},
    {"cmdOpenLNQpdf", "LNQ  Fittings", "\\Tarvek Products - LNQ.pdf", DocumentPage::Literature, 3, 3, DocumentKind::Fittings, "Tarvek LNQ Fittings"},
    {"cmdOpenE310", "E310 Actuators", "\\Tarvek Products - E310.pdf", DocumentPage::Literature, 3, 4, DocumentKind::Actuator, "E310"},
    {"cmdOpenMaintenanceValveSeatpdf", "Valve Seat Replacement", "\\Maintenance Sheet - Valve Seat Replacement.pdf", DocumentPage::Technical, 1, 1, DocumentKind::SeatMaintenance, "Seat"},
    {"cmdOpenMaintenanceDiaphragmpdf", "Diaphragm Replacement", "\\Maintenance Sheet - Diaphragm Replacement.pdf", DocumentPage::Technical, 2, 1, DocumentKind::DiaphragmMaintenance, "Diaphragm"},
    {"cmdOpenMaintenanceA310pdf", "Actuator Adjustment A310/A370/A371", "\\Maintenance Sheet - Actuator Installation and Adjustment - A310-A370-A371.pdf", DocumentPage::Technical, 3, 1, DocumentKind::ActuatorMaintenance, "A310/A370/A371"},
    {"cmdOpenMaintenanceE310pdf", "Actuator Adjustment  E310", "\\Maintenance Sheet - Actuator Installation and Adjustment - E310.pdf", DocumentPage::Technical, 3, 2, DocumentKind::ActuatorMaintenance, "E310"},
    {"cmdOpenMaintenanceN350pdf", "Actuator Adjustment  N350", "\\Maintenance Sheet - Actuator Installation and Adjustment - N350.pdf", DocumentPage::Technical, 3, 3, DocumentKind::ActuatorMaintenance, "N350"},
    {"cmdOpenMaintenanceJ310pdf", "Actuator Adjustment  J310", "\\Maintenance Sheet - Actuator Installation and Adjustment - J310.pdf", DocumentPage::Technical, 3, 4, DocumentKind::ActuatorMaintenance, "J310"},
}};
// clang-format on

// The document's file name: its name without the leading backslash.
constexpr std::string_view documentFileName(const DocumentButton& button) {
    std::string_view name = button.document;
    if (name.starts_with('\\')) name.remove_prefix(1);
    return name;
}

constexpr const DocumentButton* findDocumentButton(std::string_view button) {
    for (const auto& row : kDocumentButtons)
        if (row.button == button) return &row;
    return nullptr;
}

}  // namespace tarvek
