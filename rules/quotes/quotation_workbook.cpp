#include "rules/quotes/quotation_workbook.h"

#include <array>
#include <string_view>
#include <utility>

namespace tarvek {
namespace {

constexpr std::array<const char*, 8> kColumns = {"line",           "part_number",       "description",
                                                 "quantity",       "list_price",        "discount_percent",
                                                 "unit_net_price", "extended_net_price"};
constexpr std::size_t kColumnsWithoutPrices = 4;
constexpr std::array<double, 8> kWidths = {6, 30, 70, 10, 12, 16, 15, 18};

double dollars(Money amount) { return double(amount.cents) / 100; }
double percent(Percent p) { return double(p.hundredths) / 100; }

// An empty text is a blank cell: every writer then gives the same cells (none writes an empty
// string of its own).
WorkbookCell text(int row, int column, std::string_view value, CellFormat format = CellFormat::Plain) {
    if (value.empty()) return {row, column, WorkbookCell::Kind::Blank, {}, 0, format};
    return {row, column, WorkbookCell::Kind::Text, cellText(value), 0, format};
}
WorkbookCell number(int row, int column, double value, CellFormat format = CellFormat::Plain) {
    return {row, column, WorkbookCell::Kind::Number, {}, value, format};
}

WorkbookSheet linesSheet(const Quotation& q, bool withPrices) {
    WorkbookSheet sheet{std::string(kLinesSheet), {}, 1, {}};
    const std::size_t columns = withPrices ? kColumns.size() : kColumnsWithoutPrices;
    for (std::size_t c = 0; c < columns; ++c) {
        sheet.cells.push_back(text(0, int(c), kColumns[c], CellFormat::Heading));
        sheet.columnWidths.push_back(kWidths[c]);
    }
    int row = 1;
    for (const QuotationLine& line : q.lines) {
        sheet.cells.push_back(number(row, 0, row));
        sheet.cells.push_back(text(row, 1, line.partNumber));
        sheet.cells.push_back(text(row, 2, line.description));
        sheet.cells.push_back(number(row, 3, line.quantity));
        if (withPrices) {
            const LinePrice price = linePrice(line, q.header.discount);
            sheet.cells.push_back(number(row, 4, dollars(line.listPrice), CellFormat::Money));
            sheet.cells.push_back(number(row, 5, percent(price.discount), CellFormat::Percentage));
            sheet.cells.push_back(number(row, 6, dollars(price.unitNet), CellFormat::Money));
            sheet.cells.push_back(number(row, 7, dollars(price.extended), CellFormat::Money));
        }
        ++row;
    }
    return sheet;
}

WorkbookSheet summarySheet(const Quotation& q, bool withPrices) {
    WorkbookSheet sheet{"Quote", {18, 50}, 0, {}};
    const QuotationHeader& h = q.header;
    const std::array<std::pair<const char*, std::string>, 9> fields = {{
        {"Quote number", h.number},
        {"Customer", h.customer},
        {"Contact", h.contact},
        {"Reference", h.reference},
        {"Date", h.date},
        {"Valid until", validUntil(h.date, h.validityDays)},
        {"Price list", h.priceList},
        {"Discount %", std::string()},
        {"Notes", h.notes},
    }};
    int row = 0;
    for (const auto& [caption, value] : fields) {
        const bool discount = std::string_view(caption) == "Discount %";
        if (!withPrices && discount) continue;
        sheet.cells.push_back(text(row, 0, caption, CellFormat::Heading));
        // The discount a number, as on the lines, for the buyer's own formulas.
        if (discount && h.discount)
            sheet.cells.push_back(number(row, 1, percent(*h.discount), CellFormat::Percentage));
        else
            sheet.cells.push_back(text(row, 1, value, CellFormat::Wrapped));
        ++row;
    }
    if (!withPrices) return sheet;
    // The totals as formulas over the lines, their values cached for programs that do not
    // calculate.
    const QuotationTotals totals = totalsOf(q);
    const std::string last = std::to_string(q.lines.size() + 1);
    const std::string subtotal =
        q.lines.empty() ? "=0" : "=SUMPRODUCT(Lines!D2:D" + last + ",Lines!E2:E" + last + ")";
    const std::string total = q.lines.empty() ? "=0" : "=SUM(Lines!H2:H" + last + ")";
    ++row;
    sheet.cells.push_back(text(row, 0, "Subtotal (list)", CellFormat::Heading));
    sheet.cells.push_back(
        {row++, 1, WorkbookCell::Kind::Formula, subtotal, dollars(totals.subtotal), CellFormat::Money});
    sheet.cells.push_back(text(row, 0, "Total (net)", CellFormat::Heading));
    sheet.cells.push_back(
        {row++, 1, WorkbookCell::Kind::Formula, total, dollars(totals.total), CellFormat::Money});
    sheet.cells.push_back(text(row, 0, "Currency", CellFormat::Heading));
    sheet.cells.push_back(text(row, 1, "US dollars"));
    return sheet;
}

}  // namespace

std::string cellText(std::string_view text) {
    std::size_t characters = 0, cut = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
        if (characters == kMostCellCharacters - 1) cut = i;
        if (++characters > kMostCellCharacters) return std::string(text.substr(0, cut)) + "\xE2\x80\xA6";
    }
    return std::string(text);
}

std::vector<WorkbookSheet> quotationWorkbook(const Quotation& quotation, bool withPrices) {
    return {linesSheet(quotation, withPrices), summarySheet(quotation, withPrices)};
}

}  // namespace tarvek
