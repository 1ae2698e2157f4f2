#include "rules/quotes/delimited_rows.h"

#include <algorithm>

#include "rules/part_numbers/part_number_text.h"

namespace tarvek {
namespace {

bool isBlankRow(const CellRow& row) {
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const std::string& cell) { return withoutSurroundingBlanks(cell).empty(); });
}

}  // namespace

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

CellRows readCellRows(std::string_view text, char separator, std::size_t keep, std::size_t longestCell) {
    CellRows rows;
    CellRow row{1, {std::string()}, {false}};
    std::size_t line = 1;
    bool quoted = false, wasQuoted = false;
    const auto add = [&](char c) {
        if (row.cells.back().size() < longestCell + 1) row.cells.back() += c;
    };
    const auto finish = [&] {
        if (isBlankRow(row)) return;
        if (rows.kept.size() < keep)
            rows.kept.push_back(std::move(row));
        else
            rows.beyond.count(row.lineNumber);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
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
        } else if (c == '"' && row.cells.back().empty() && !wasQuoted) {
            quoted = wasQuoted = true;
            row.quoted.back() = true;
        } else if (c == separator) {
            row.cells.emplace_back();
            row.quoted.push_back(false);
            wasQuoted = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            finish();
            row = {++line, {std::string()}, {false}};
            wasQuoted = false;
        } else {
            add(c);
        }
    }
    finish();
    return rows;
}

std::string columnKey(std::string_view name) {
    std::string key;
    for (const char c : withoutSurroundingBlanks(name))
        if (c >= 'A' && c <= 'Z')
            key += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            key += c;
    return key;
}

std::string countText(std::size_t count) {
    std::string text = std::to_string(count);
    for (std::size_t at = text.size(); at > 3; at -= 3) text.insert(at - 3, 1, ',');
    return text;
}

}  // namespace tarvek
