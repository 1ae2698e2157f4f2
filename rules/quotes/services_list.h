// A services list (an instrument index) read from rows of cell texts, a CSV's or a workbook's:
// a header row naming the columns in any order and any case, then one tagged service a row,
// optionally with the part number of its valve and a quantity. Each cell is checked as the
// service's field edit checks it; a row that cannot be taken is named with its line and
// reason, and the rest are taken. Total: any rows give services and problems, never an error.
//
// Columns (other columns are ignored, so a list written with its results reads back):
//   tag (required)     service      gas   or   sg and k
//   temperature  temperature_unit (°F unless given: °F, °C)
//   inlet  outlet  pressure_unit (psig unless given: psig, bar(g), kPa(g))
//   flow_min  flow_normal  flow_max  flow_unit (slm unless given: slm, scfh, Nm³/h, Sm³/h, kg/h)
//   method (catalogue unless given: catalogue, iec)  margin (% on Cv)  xt  z
//   connection_kind  connection_size  part_number  quantity (1 unless given)
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/quotes/pasted_lines.h"
#include "rules/quotes/service_edit.h"
#include "rules/text/cell_rows.h"

namespace tarvek {

// A list holds no more services than a quote holds lines.
inline constexpr std::size_t kMostServiceRows = kMostQuoteLines;

struct ServiceRow {
    std::size_t lineNumber = 0;
    Service service;
    std::string partNumber;  // as given; empty: a tag without a valve yet
    int quantity = 1;
    bool proposed = false;  // the valve was proposed, not yet accepted
};

struct ServicesList {
    std::vector<ServiceRow> rows;
    std::vector<PastedProblem> problems;  // "line 4: "FV-104": the gas list has no gas named …"
};

// The rows of a list, the first its header; rows past `room` are not read, one problem names them.
ServicesList readServicesRows(std::span<const CellRow> rows, const ServiceChoices& choices,
                              std::size_t room = kMostServiceRows);
// A CSV (or any delimited text) of a list: its rows read as pasted lines are.
ServicesList readServicesCsv(std::string_view text, const ServiceChoices& choices,
                             std::size_t room = kMostServiceRows);

// The rows as quotation lines, in order: a part number the decoder knows gives its line with
// the service; one it does not know is a problem; a row without one is a tag without a valve.
PastedQuotationLines serviceLinesOf(const ServicesList& list, LineEvents events = LineEvents::Kept);

// The columns a list is read by, in the order a list is written: the service's fields, then
// part_number and quantity.
std::vector<std::string_view> servicesListColumns();

}  // namespace tarvek
