// The eighteen document buttons: which button opens which document, and where it sits on
// its page's grid.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/documents.h"

namespace tarvek {

struct DocumentButton {
    std::string_view button;    // object name of the button in the window
    std::string_view fileName;  // the document it opens
    int row;                    // place on the page's grid, from 1
    int column;

    const Document& document() const { return *findDocument(fileName); }
};

// clang-format off
inline constexpr std::array<DocumentButton, 18> kDocumentButtons = {{
    {"cmdOpenMXpdf", "Tarvek Products - MX1.pdf", 1, 1},
    {"cmdOpenMX2pdf", "Tarvek Products - MX2.pdf", 1, 2},
    {"cmdOpenMX3pdf", "Tarvek Products - MX3.pdf", 1, 3},
    {"cmdOpenMX4pdf", "Tarvek Products - MX4.pdf", 1, 4},
    {"cmdOpenHMX2pdf", "Tarvek Products - HMX2.pdf", 2, 1},
    {"cmdOpenHMX3pdf", "Tarvek Products - HMX3.pdf", 2, 2},
    {"cmdOpenT400pdf", "Tarvek Products - T400.pdf", 2, 3},
    {"cmdOpenBMX2", "Tarvek Products - BMX2.pdf", 2, 4},
    {"cmdOpenKLpdf", "Tarvek Products - KL.pdf", 3, 1},
    {"cmdOpenWNpdf", "Tarvek Products - WN.pdf", 3, 2},
    {"cmdOpenLNQpdf", "Tarvek Products - LNQ.pdf", 3, 3},
    {"cmdOpenE310", "Tarvek Products - E310.pdf", 3, 4},
    {"cmdOpenMaintenanceValveSeatpdf", "Maintenance Sheet - Valve Seat Replacement.pdf", 1, 1},
    {"cmdOpenMaintenanceDiaphragmpdf", "Maintenance Sheet - Diaphragm Replacement.pdf", 2, 1},
    {"cmdOpenMaintenanceA310pdf", "Maintenance Sheet - Actuator Installation and Adjustment - A310-A370-A371.pdf", 3, 1},
    {"cmdOpenMaintenanceE310pdf", "Maintenance Sheet - Actuator Installation and Adjustment - E310.pdf", 3, 2},
    {"cmdOpenMaintenanceN350pdf", "Maintenance Sheet - Actuator Installation and Adjustment - N350.pdf", 3, 3},
    {"cmdOpenMaintenanceJ310pdf", "Maintenance Sheet - Actuator Installation and Adjustment - J310.pdf", 3, 4},
}};
// clang-format on

// Compared by name, not through findDocument's pointer: a sanitizer build cannot compare the
// address of a table with null in a constant expression.
static_assert(
    [] {
        for (const DocumentButton& b : kDocumentButtons) {
            bool found = false;
            for (const Document& d : kDocuments) found = found || documentFileName(d) == b.fileName;
            if (!found) return false;
        }
        return true;
    }(),
    "every button opens a document of the catalogue");

constexpr const DocumentButton* findDocumentButton(std::string_view button) {
    for (const auto& row : kDocumentButtons)
        if (row.button == button) return &row;
    return nullptr;
}

}  // namespace tarvek
