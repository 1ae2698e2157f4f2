#include "rules/text/delimited_text.h"

#include <string>

namespace tarvek {
namespace {

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

}  // namespace

DelimitedText readDelimitedText(std::string_view text, std::size_t keep, std::size_t longestCell) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a spreadsheet's byte-order mark
    const char separator = separatorOf(text);
    KeptRows rows(keep);
    CellRow record{1, {std::string()}, {false}};
    std::size_t line = 1;
    bool quoted = false, wasQuoted = false;
    const auto add = [&](char c) {
        if (record.cells.back().size() < longestCell) record.cells.back() += c;
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
        } else if (c == '"' && record.cells.back().empty() && !wasQuoted) {
            quoted = wasQuoted = true;
            record.quoted.back() = true;
        } else if (c == separator) {
            record.cells.emplace_back();
            record.quoted.push_back(false);
            wasQuoted = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            rows.add(std::move(record));
            record = {++line, {std::string()}, {false}};
            wasQuoted = false;
        } else {
            add(c);
        }
    }
    rows.add(std::move(record));
    return {std::move(rows), separator};
}

}  // namespace tarvek
