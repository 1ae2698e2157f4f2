// Quotations the tests and benchmarks share: lines of part numbers from the catalogue with
// the prices its tables give them, and a long quotation of many such lines.
#pragma once

#include <string>
#include <vector>

#include "rules/quotes/quotation.h"

namespace tarvek::testing {

struct ExamplePart {
    const char* partNumber;
    Money listPrice;  // the sum of the catalogue's prices for it
};

// The worked example, the typical valve with every option, a regulator, a fitting, a series.
inline const std::vector<ExamplePart> kExampleParts = {
    {"A310-MX2-2A-MXFX-VS", {350'00}},
    {"J310-MX2-2A-MXFX-VS-BK-LS", {367'50}},
    {"T410-GN2-2A-MXFX-VS", {640'00}},
    {"1-4-VC-1", {4'51}},
    {"-MX2", {140'00}},
};

inline QuotationHeader exampleHeader() {
    QuotationHeader header;
    header.number = "TQ-20130205-143005";
    header.customer = "Nordgas Ltd.";
    header.contact = "R. Haldane";
    header.reference = "RFQ 7781";
    header.date = "2013-02-05";
    header.priceList = "2013 Tarvek Products Catalog (130205)";
    header.notes = "Delivery ex works.\nPrices in US dollars.";
    return header;
}

// `count` pasted rows cycling through the example parts, quantity growing with the row.
inline std::string pastedRows(std::size_t count, char separator = '\t') {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += std::string(kExampleParts[i % kExampleParts.size()].partNumber) + separator +
                std::to_string(i % 50 + 1) + '\n';
    return text;
}

}  // namespace tarvek::testing
