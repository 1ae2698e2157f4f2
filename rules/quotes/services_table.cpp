#include "rules/quotes/services_table.h"

#include "rules/calculator/input_validation.h"
#include "rules/numbers/number_text.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/quotes/services_list.h"

namespace tarvek {
namespace {

constexpr std::string_view kResultColumns[] = {"proposed", "verdict",    "fit_margin", "cv_asked",
                                               "rated_cv", "rated_psig", "inlet_psig"};
constexpr std::string_view kCaseColumns[] = {"cv_min",        "choked_min", "cv_normal",
                                             "choked_normal", "cv_max",     "choked_max"};
constexpr double kColumnWidth = 12;

std::vector<std::string> rowOf(std::size_t number, const QuotationLine& line, const ServiceCheck& check) {
    const Service& s = *line.service;
    std::vector<std::string> row{std::to_string(number)};
    for (std::size_t f = 0; f < kServiceFieldCount; ++f) row.push_back(serviceFieldText(s, ServiceField(f)));
    row.push_back(line.partNumber);
    row.push_back(std::to_string(line.quantity));
    row.push_back(line.proposed ? "yes" : "");
    row.push_back(std::string(verdictName(check.verdict)));
    row.push_back(check.margin ? ratioText(*check.margin) : "");
    row.push_back(check.cvAsked ? cvText(*check.cvAsked) : "");
    row.push_back(check.rating.cvThousandths ? numberText(*check.rating.cvThousandths / 1000.0) : "");
    row.push_back(check.rating.ratedPsig ? std::to_string(*check.rating.ratedPsig) : "");
    row.push_back(s.conditions.inletPressure.empty() ? "" : numberText(check.inletPsig));
    for (const FlowCase c : kFlowCases) {
        const CaseSizing* sized = nullptr;
        for (const CaseSizing& cs : check.sizing.cases)
            if (cs.flowCase == c && cs.solution.ok()) sized = &cs;
        row.push_back(sized ? sized->solution.cv : "");
        row.push_back(sized ? (sized->solution.choked ? "yes" : "no") : "");
    }
    row.push_back(check.reason);
    return row;
}

// A text a number cell gives back exactly: "100", "0.5", not ".5" or "1e3".
bool isPlainNumber(std::string_view text) {
    return isNumeric(text) && numberText(leadingNumber(text)) == text;
}

}  // namespace

std::vector<std::optional<ServiceCheck>> checkLines(const Quotation& quotation,
                                                    std::span<const GasRecord> gases) {
    std::vector<std::optional<ServiceCheck>> checks;
    checks.reserve(quotation.lines.size());
    for (const QuotationLine& line : quotation.lines) checks.push_back(checkLine(line, gases));
    return checks;
}

ServicesTable servicesTable(const Quotation& quotation, std::span<const std::optional<ServiceCheck>> checks) {
    ServicesTable table;
    table.columns.push_back("line");
    for (const std::string_view column : servicesListColumns()) table.columns.push_back(column);
    table.columns.insert(table.columns.end(), std::begin(kResultColumns), std::end(kResultColumns));
    table.columns.insert(table.columns.end(), std::begin(kCaseColumns), std::end(kCaseColumns));
    table.columns.push_back("reason");
    for (std::size_t i = 0; i < quotation.lines.size() && i < checks.size(); ++i)
        if (quotation.lines[i].service && checks[i])
            table.rows.push_back(rowOf(i + 1, quotation.lines[i], *checks[i]));
    return table;
}

std::string servicesCsv(const ServicesTable& table) {
    std::string csv;
    std::vector<std::string> header(table.columns.begin(), table.columns.end());
    appendCsvLine(csv, header);
    for (const std::vector<std::string>& row : table.rows) appendCsvLine(csv, row);
    return csv;
}

WorkbookSheet servicesSheet(const ServicesTable& table) {
    WorkbookSheet sheet{
        std::string(kServicesSheet), std::vector<double>(table.columns.size(), kColumnWidth), 1, {}};
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        sheet.cells.push_back(
            {0, int(c), WorkbookCell::Kind::Text, std::string(table.columns[c]), 0, CellFormat::Heading});
    sheet.columnWidths.back() = 60;  // the reason, a sentence
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const std::string& text = table.rows[r][c];
            if (text.empty()) continue;
            if (isPlainNumber(text))
                sheet.cells.push_back({int(r + 1),
                                       int(c),
                                       WorkbookCell::Kind::Number,
                                       {},
                                       leadingNumber(text),
                                       CellFormat::Plain});
            else
                sheet.cells.push_back(
                    {int(r + 1), int(c), WorkbookCell::Kind::Text, cellText(text), 0, CellFormat::Plain});
        }
    return sheet;
}

}  // namespace tarvek
