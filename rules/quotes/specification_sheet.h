// The specification sheet of a tagged line, laid out once as blocks of captions and texts for
// every edition's painter (a PDF in the window and on the command line, the print style sheet
// in the browser). After the sections of a control valve data sheet that the catalogue can
// fill: who and what it is for, the fluid and the service conditions per case, the sizing per
// case with its method and factors, the valve chosen with its ratings and the margin it leaves,
// and the prices unless they are hidden. A configuration without a service gets the same sheet
// without the service's sections: a data sheet of the product.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rules/configurator/configurator_state.h"
#include "rules/quotes/service_fit.h"

namespace tarvek {

struct SheetBlock {
    std::string title;
    // A table's column heads, its first the rows' captions' ("" above them); none for a block
    // of caption and text pairs.
    std::vector<std::string> heading;
    std::vector<std::vector<std::string>> rows;  // a pair per row where there is no heading

    bool isTable() const { return !heading.empty(); }
};

struct SpecificationSheet {
    std::string title;    // "Specification sheet FV-101", "Data sheet A310-MX2-2A-MXFX-VS"
    std::string sheetOf;  // "Sheet 2 of 5"; empty for a data sheet
    std::string footer;   // "Quotation TQ-20130205-143005"; the edition for a data sheet
    std::vector<SheetBlock> blocks;
    std::string drawing;  // the porting's top view by bare file name ("2A.wmf"); empty: none
    std::string picture;  // the product's own picture by bare file name; empty: none
};

// A sheet per line with a service, in the order of the lines, with each line's check as
// checkLines gives it.
std::vector<SpecificationSheet> specificationSheets(const Quotation& quotation,
                                                    std::span<const std::optional<ServiceCheck>> checks,
                                                    bool withPrices);

// The data sheet of the configuration on the configurator (its state, and its price as the
// page shows it); `date` as the sheet is dated, YYYY-MM-DD.
SpecificationSheet dataSheet(const ConfiguratorState& state, std::string_view date, bool withPrices);

}  // namespace tarvek
