#include "rules/quotes/pasted_lines.h"

#include <algorithm>
#include <array>
#include <map>
#include <variant>

#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/text/column_key.h"
#include "rules/text/delimited_text.h"

namespace tarvek {
namespace {

constexpr std::size_t kLongestShown = 60;
constexpr std::size_t kLongestField = 1024;  // far longer than any part number, quantity or discount

struct Columns {
    std::size_t partNumber = 0;
    std::optional<std::size_t> quantity = 1, discount = 2;
};

std::optional<Columns> headerColumns(const CellRow& record) {
    constexpr std::array<std::string_view, 5> partNames = {"partnumber", "partno", "part", "pn", "partnum"};
    constexpr std::array<std::string_view, 3> quantityNames = {"quantity", "qty", "pieces"};
    constexpr std::array<std::string_view, 3> discountNames = {"discount", "discountpercent", "discount%"};
    const auto is = [](const auto& names, const std::string& key) {
        return std::find(names.begin(), names.end(), key) != names.end();
    };
    Columns columns{0, std::nullopt, std::nullopt};
    bool named = false;
    for (std::size_t i = record.cells.size(); i-- > 0;) {
        const std::string key = columnKey(record.cells[i]);
        if (is(partNames, key)) {
            columns.partNumber = i;
            named = true;
        } else if (is(quantityNames, key)) {
            columns.quantity = i;
        } else if (is(discountNames, key)) {
            columns.discount = i;
        }
    }
    if (!named) return std::nullopt;
    return columns;
}

std::string_view field(const CellRow& record, std::optional<std::size_t> column) {
    if (!column || *column >= record.cells.size()) return {};
    return withoutSurroundingBlanks(record.cells[*column]);
}

// A field of digits alone, not quoted: what a number written with a comma leaves on each side
// of it in comma-separated rows.
bool isBareNumber(const CellRow& record, std::size_t column) {
    const std::string_view text = field(record, column);
    return !text.empty() && !(column < record.quoted.size() && record.quoted[column]) &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where the commas separate the fields, a number written with one ("12,5", "1,000") falls
// apart into two; read as they stand, the row would give another discount or quantity
// without a word. Such a row is refused: a quantity followed by three digits past the columns
// or as a discount with a leading zero, which no one writes ("A310,1,000": not 1 piece at
// 0 %), or any field of digits past the columns next to another ("A310,2,12,5"). Empty when
// there is none.
std::string commaInANumber(const CellRow& record, const Columns& columns, std::size_t columnCount) {
    const auto isGroup = [&](std::size_t i) {
        return isBareNumber(record, i) && field(record, i).size() == 3;
    };
    if (const auto q = columns.quantity; q && isBareNumber(record, *q) && field(record, *q).size() <= 3) {
        const std::size_t next = *q + 1;
        if (isGroup(next) &&
            (next >= columnCount || (next == columns.discount && field(record, next)[0] == '0'))) {
            std::string number(field(record, *q)), digits = number;
            for (std::size_t i = next; isGroup(i) && i < next + 3; ++i) {  // more is no quantity
                number += "," + std::string(field(record, i));
                digits += field(record, i);
            }
            return "the comma in " + number + " divides the quantity into fields here: write it " + digits;
        }
    }
    for (std::size_t i = std::max<std::size_t>(columnCount, 1); i < record.cells.size(); ++i)
        if (isBareNumber(record, i) && isBareNumber(record, i - 1)) {
            const std::string number = displayable(field(record, i - 1), kLongestShown) + "," +
                                       displayable(field(record, i), kLongestShown);
            return "the comma in " + number + " divides the number into fields here: quote it (\"" + number +
                   "\") or separate the fields with semicolons or tabs";
        }
    return {};
}

// Whether the rows' cells were parted by commas, where a number with a decimal or thousands
// comma falls apart (a text's rows); a sheet's cells are apart by themselves.
enum class Commas { Separate, DoNot };

// The records kept (one more than there is room for: the first may be the header) as rows
// and problems, and a problem for those only counted.
PastedLines pastedLinesOf(KeptRows read, std::size_t room, Commas commas) {
    PastedLines pasted;
    std::vector<CellRow>& records = read.rows;
    Columns columns;
    std::size_t columnCount = 3;  // without a header: part number, quantity, discount
    if (!records.empty())
        if (const auto named = headerColumns(records.front())) {
            columns = *named;
            columnCount = records.front().cells.size();
            pasted.header = true;
            records.erase(records.begin());
        }
    if (records.size() > room) {  // no header: the record kept for it is one too many
        KeptRows::Beyond beyond;
        beyond.count(records.back().number);
        if (read.beyond.rows > 0) beyond.last = read.beyond.last;
        beyond.rows += read.beyond.rows;
        read.beyond = beyond;
        records.pop_back();
    }
    for (const CellRow& record : records) {
        PastedRow row{record.number, std::string(field(record, columns.partNumber)), 1, std::nullopt};
        const std::string shown = displayable(row.partNumber, kLongestShown);
        if (row.partNumber.empty()) {
            pasted.problems.push_back({record.number, shown, "no part number"});
            continue;
        }
        std::string problem =
            commas == Commas::Separate ? commaInANumber(record, columns, columnCount) : std::string();
        if (!problem.empty()) {
            pasted.problems.push_back({record.number, shown, problem});
            continue;
        }
        if (const std::string_view quantity = field(record, columns.quantity); !quantity.empty()) {
            const std::optional<int> parsed = parseQuantity(quantity, &problem);
            if (!parsed) {
                pasted.problems.push_back({record.number, shown, problem});
                continue;
            }
            row.quantity = *parsed;
        }
        if (const std::string_view discount = field(record, columns.discount); !discount.empty()) {
            row.discount = parsePercent(discount, &problem);
            if (!row.discount) {
                pasted.problems.push_back({record.number, shown, problem});
                continue;
            }
        }
        pasted.rows.push_back(std::move(row));
    }
    if (const KeptRows::Beyond& beyond = read.beyond; beyond.rows > 0) {
        std::string why = countText(beyond.rows) + (beyond.rows == 1 ? " row" : " rows") + " past the " +
                          countText(kMostQuoteLines) + " lines a quote holds";
        if (room < kMostQuoteLines) why += " (it had room for " + countText(room) + " more)";
        pasted.problems.push_back({beyond.first, "", why, beyond.last});
    }
    return pasted;
}

}  // namespace

PastedLines readPastedLines(std::string_view text, std::size_t room) {
    DelimitedText read = readDelimitedText(text, room + 1, kLongestField + 1);
    return pastedLinesOf(std::move(read.rows), room,
                         read.separator == ',' ? Commas::Separate : Commas::DoNot);
}

PastedLines readPastedRows(std::vector<CellRow> rows, std::size_t room) {
    KeptRows kept(room + 1);
    for (CellRow& row : rows) {
        // A cell is kept as far as a field of a text is.
        for (std::string& cell : row.cells)
            if (cell.size() > kLongestField + 1) cell.resize(kLongestField + 1);
        kept.add(std::move(row));
    }
    return pastedLinesOf(std::move(kept), room, Commas::DoNot);
}

PastedQuotationLines quotationLinesOf(const PastedLines& pasted, LineEvents events) {
    PastedQuotationLines result;
    result.problems = pasted.problems;
    result.lines.reserve(pasted.rows.size());
    // A list often repeats a number: each is decoded once, and a repeat copies the line it gave
    // (its index) or its problem; no line is held twice.
    std::map<std::string, std::variant<std::size_t, std::string>, std::less<>> decoded;
    for (const PastedRow& row : pasted.rows) {
        std::string key = normalizedPartNumber(row.partNumber);
        auto found = decoded.find(key);
        if (found == decoded.end()) {
            std::string problem;
            std::optional<QuotationLine> line = lineForPartNumber(row.partNumber, &problem);
            if (line && events == LineEvents::Dropped) std::vector<ConfiguratorEvent>().swap(line->events);
            if (line) result.lines.push_back(std::move(*line));
            found = decoded
                        .emplace(std::move(key),
                                 line ? std::variant<std::size_t, std::string>(result.lines.size() - 1)
                                      : std::move(problem))
                        .first;
        } else if (const std::size_t* first = std::get_if<std::size_t>(&found->second)) {
            result.lines.push_back(result.lines[*first]);
        }
        if (const std::string* problem = std::get_if<std::string>(&found->second)) {
            result.problems.push_back({row.lineNumber, displayable(row.partNumber, kLongestShown), *problem});
            continue;
        }
        result.lines.back().quantity = row.quantity;
        result.lines.back().discount = row.discount;
    }
    std::stable_sort(
        result.problems.begin(), result.problems.end(),
        [](const PastedProblem& a, const PastedProblem& b) { return a.lineNumber < b.lineNumber; });
    return result;
}

std::string problemText(const PastedProblem& problem) {
    std::string text = problem.lastLineNumber > problem.lineNumber
                           ? "lines " + countText(problem.lineNumber) + "\xE2\x80\x93" +
                                 countText(problem.lastLineNumber) + ": "
                           : "line " + countText(problem.lineNumber) + ": ";
    if (!problem.given.empty()) text += "\"" + problem.given + "\": ";
    return text + problem.problem;
}

}  // namespace tarvek
