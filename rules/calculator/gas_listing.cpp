#include "rules/calculator/gas_listing.h"

#include <charconv>

#include "rules/numbers/number_text.h"
#include "rules/text/escaped_fields.h"

namespace tarvek {
namespace {

constexpr std::string_view kHeading = "tarvek gas listing 1\n";
constexpr std::string_view kRow = "gas\t";
constexpr std::string_view kEnd = "end\t";

// A value as the reader writes it: empty, or exactly the text its own number gives.
bool isValueText(std::string_view text) {
    return text.empty() || (text.size() <= 32 && numberText(leadingNumber(text)) == text);
}

// The fields of a row line, after its "gas" tag.
std::optional<GasRecord> parseRecord(std::string_view line) {
    const auto firstTab = line.find('\t');
    if (firstTab == std::string_view::npos) return std::nullopt;
    const auto secondTab = line.find('\t', firstTab + 1);
    if (secondTab == std::string_view::npos || line.find('\t', secondTab + 1) != std::string_view::npos)
        return std::nullopt;
    GasRecord record;
    auto name = unescapedField(line.substr(0, firstTab));
    if (!name || !isUtf8(*name)) return std::nullopt;
    record.name = std::move(*name);
    record.specificGravity = line.substr(firstTab + 1, secondTab - firstTab - 1);
    record.specificHeat = line.substr(secondTab + 1);
    if (!isValueText(record.specificGravity) || !isValueText(record.specificHeat)) return std::nullopt;
    return record;
}

}  // namespace

std::string writeGasListing(const std::vector<GasRecord>& records) {
    std::string out(kHeading);
    for (const GasRecord& record : records) {
        out += kRow;
        out += escapedField(record.name);
        out += '\t';
        out += record.specificGravity;
        out += '\t';
        out += record.specificHeat;
        out += '\n';
    }
    out += kEnd;
    out += std::to_string(records.size());
    out += '\n';
    return out;
}

std::optional<std::vector<GasRecord>> readGasListing(std::string_view listing) {
    if (!listing.starts_with(kHeading)) return std::nullopt;
    listing.remove_prefix(kHeading.size());
    std::vector<GasRecord> records;
    while (!listing.empty()) {
        const auto lineEnd = listing.find('\n');
        if (lineEnd == std::string_view::npos) return std::nullopt;  // cut off
        const std::string_view line = listing.substr(0, lineEnd);
        listing.remove_prefix(lineEnd + 1);

        if (line.starts_with(kEnd)) {
            const std::string_view count = line.substr(kEnd.size());
            std::size_t expected = 0;
            const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), expected);
            const bool whole = error == std::errc() && end == count.data() + count.size() && !count.empty() &&
                               count.front() != '+' && (count.size() == 1 || count.front() != '0');
            if (!whole || expected != records.size() || !listing.empty()) return std::nullopt;
            return records;
        }
        if (!line.starts_with(kRow) || records.size() == kMaxGasRecords) return std::nullopt;
        auto record = parseRecord(line.substr(kRow.size()));
        if (!record) return std::nullopt;
        records.push_back(std::move(*record));
    }
    return std::nullopt;  // no end line
}

}  // namespace tarvek
