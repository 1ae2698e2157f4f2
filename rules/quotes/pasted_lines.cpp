#include "rules/quotes/pasted_lines.h"

#include <algorithm>
#include <array>
#include <map>

#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/quotation_lines.h"

namespace tarvek {
namespace {

constexpr std::size_t kLongestShown = 60;
constexpr std::size_t kLongestField = 1024;  // far longer than any part number, quantity or discount

struct Record {
    std::size_t lineNumber;
    std::vector<std::string> fields;
};

// Tab, then semicolon, then comma: the first the first non-blank line holds outside quotes.
char separatorOf(std::string_view text) {
    bool quoted = false, seen[3] = {false, false, false};
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if ((c == '\n' || c == '\r') && (seen[0] || seen[1] || seen[2])) break;
        if (c == '\t') seen[0] = true;
        if (c == ';') seen[1] = true;
        if (c == ',') seen[2] = true;
    }
    return seen[0] ? '\t' : seen[1] ? ';' : ',';
}

// Records as RFC 4180 reads them, any line end; a quote inside an unquoted field is kept
// as it is, and a field is kept to a length no part number comes near.
std::vector<Record> recordsOf(std::string_view text, char separator) {
    std::vector<Record> records;
    Record record{1, {std::string()}};
    std::size_t line = 1;
    bool quoted = false, wasQuoted = false;
    const auto add = [&](char c) {
        if (record.fields.back().size() < kLongestField + 1) record.fields.back() += c;
    };
    for (std::size_t i = 0; i < text.size() && records.size() <= kMostPastedRows; ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                add('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                add(c);
            }
        } else if (c == '"' && record.fields.back().empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == separator) {
            record.fields.emplace_back();
            wasQuoted = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            records.push_back(std::move(record));
            record = {++line, {std::string()}};
            wasQuoted = false;
        } else {
            add(c);
        }
    }
    records.push_back(std::move(record));
    return records;
}

bool isBlankRecord(const Record& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return withoutSurroundingBlanks(field).empty(); });
}

// A column's name without case, blanks, underscores, periods or signs: "Part No." is "partno".
std::string nameKey(std::string_view name) {
    std::string key;
    for (const char c : withoutSurroundingBlanks(name))
        if (c >= 'A' && c <= 'Z')
            key += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            key += c;
    return key;
}

struct Columns {
    std::size_t partNumber = 0;
    std::optional<std::size_t> quantity = 1, discount = 2;
};

std::optional<Columns> headerColumns(const Record& record) {
    constexpr std::array<std::string_view, 5> partNames = {"partnumber", "partno", "part", "pn", "partnum"};
    constexpr std::array<std::string_view, 3> quantityNames = {"quantity", "qty", "pieces"};
    constexpr std::array<std::string_view, 3> discountNames = {"discount", "discountpercent", "discount%"};
    const auto is = [](const auto& names, const std::string& key) {
        return std::find(names.begin(), names.end(), key) != names.end();
    };
    Columns columns{0, std::nullopt, std::nullopt};
    bool named = false;
    for (std::size_t i = record.fields.size(); i-- > 0;) {
        const std::string key = nameKey(record.fields[i]);
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

std::string_view field(const Record& record, std::optional<std::size_t> column) {
    if (!column || *column >= record.fields.size()) return {};
    return withoutSurroundingBlanks(record.fields[*column]);
}

}  // namespace

PastedLines readPastedLines(std::string_view text) {
    PastedLines pasted;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a spreadsheet's byte-order mark
    std::vector<Record> records = recordsOf(text, separatorOf(text));
    std::erase_if(records, isBlankRecord);
    Columns columns;
    if (!records.empty())
        if (const auto named = headerColumns(records.front())) {
            columns = *named;
            pasted.header = true;
            records.erase(records.begin());
        }
    for (const Record& record : records) {
        if (pasted.rows.size() + pasted.problems.size() >= kMostPastedRows) {
            pasted.problems.push_back({record.lineNumber, "", "only the first 100,000 rows are read"});
            break;
        }
        PastedRow row{record.lineNumber, std::string(field(record, columns.partNumber)), 1, std::nullopt};
        const std::string shown = displayable(row.partNumber, kLongestShown);
        if (row.partNumber.empty()) {
            pasted.problems.push_back({record.lineNumber, shown, "no part number"});
            continue;
        }
        std::string problem;
        if (const std::string_view quantity = field(record, columns.quantity); !quantity.empty()) {
            const std::optional<int> parsed = parseQuantity(quantity, &problem);
            if (!parsed) {
                pasted.problems.push_back({record.lineNumber, shown, problem});
                continue;
            }
            row.quantity = *parsed;
        }
        if (const std::string_view discount = field(record, columns.discount); !discount.empty()) {
            row.discount = parsePercent(discount, &problem);
            if (!row.discount) {
                pasted.problems.push_back({record.lineNumber, shown, problem});
                continue;
            }
        }
        pasted.rows.push_back(std::move(row));
    }
    return pasted;
}

PastedQuotationLines quotationLinesOf(const PastedLines& pasted) {
    PastedQuotationLines result;
    result.problems = pasted.problems;
    // A list often repeats a number: each is decoded once.
    std::map<std::string, std::pair<std::optional<QuotationLine>, std::string>, std::less<>> decoded;
    for (const PastedRow& row : pasted.rows) {
        const std::string key = normalizedPartNumber(row.partNumber);
        auto found = decoded.find(key);
        if (found == decoded.end()) {
            std::string problem;
            std::optional<QuotationLine> line = lineForPartNumber(row.partNumber, &problem);
            found = decoded.emplace(key, std::make_pair(std::move(line), std::move(problem))).first;
        }
        const auto& [line, problem] = found->second;
        if (!line) {
            result.problems.push_back({row.lineNumber, displayable(row.partNumber, kLongestShown), problem});
            continue;
        }
        result.lines.push_back(*line);
        result.lines.back().quantity = row.quantity;
        result.lines.back().discount = row.discount;
    }
    std::stable_sort(
        result.problems.begin(), result.problems.end(),
        [](const PastedProblem& a, const PastedProblem& b) { return a.lineNumber < b.lineNumber; });
    return result;
}

std::string problemText(const PastedProblem& problem) {
    std::string text = "line " + std::to_string(problem.lineNumber) + ": ";
    if (!problem.given.empty()) text += "\"" + problem.given + "\": ";
    return text + problem.problem;
}

}  // namespace tarvek
