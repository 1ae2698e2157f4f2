// A quotation's tagged services with their results as one table: a row per line with a service,
// its fields as the services list names them, its valve and quantity, then what the sizing and
// the check found. Written as CSV and as the workbook's "Services" sheet beside "Lines" and
// "Quote"; read back as a services list, whose reader skips the result columns.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/quotes/quotation_workbook.h"
#include "rules/quotes/service_fit.h"

namespace tarvek {

inline constexpr std::string_view kServicesSheet = "Services";

// Every line's check: none for a line without a service.
std::vector<std::optional<ServiceCheck>> checkLines(const Quotation& quotation,
                                                    std::span<const GasRecord> gases);

struct ServicesTable {
    // "line", the list's columns (tag … quantity), then "proposed", "verdict", "fit_margin",
    // "cv_asked", "rated_cv", "rated_psig", "inlet_psig", per case "cv_min", "choked_min",
    // "cv_normal", "choked_normal", "cv_max", "choked_max", and "reason".
    std::vector<std::string_view> columns;
    std::vector<std::vector<std::string>> rows;
};

// The checks in the order of the quotation's lines, as checkLines gives them.
ServicesTable servicesTable(const Quotation& quotation, std::span<const std::optional<ServiceCheck>> checks);

// RFC 4180, UTF-8, lines ending in CR LF.
std::string servicesCsv(const ServicesTable& table);
// Numbers as numbers where the cell's text is a number's own shortest text, texts otherwise.
WorkbookSheet servicesSheet(const ServicesTable& table);

}  // namespace tarvek
