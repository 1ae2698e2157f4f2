#include "rules/part_numbers/part_number_csv.h"

#include <array>

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/nonstandard_reasons.h"
#include "rules/configurator/pricing.h"
#include "rules/part_numbers/part_number_text.h"

namespace tarvek {
namespace {

constexpr std::array<std::string_view, 17> kColumns = {
    "part_number",  "status",       "list_price",           "product_type", "body", "model",  "porting",
    "connection_1", "connection_2", "connection_3",         "connection_4", "seat", "handle", "lever",
    "non_standard", "explanation",  "catalogue_part_number"};
constexpr std::size_t kExplanation = 15;
constexpr std::string_view kLineEnd = "\r\n";
// Long enough for any number of the catalogue, short enough to keep a garbage line readable.
constexpr std::size_t kLongestEcho = 200;

bool needsQuotes(std::string_view text) { return text.find_first_of(",\"\r\n") != std::string_view::npos; }

void appendField(std::string& out, std::string_view text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string_view statusText(PartNumberDecoding::Status status) {
    switch (status) {
        case PartNumberDecoding::Status::Ok:
            return "ok";
        case PartNumberDecoding::Status::Ambiguous:
            return "ambiguous";
        case PartNumberDecoding::Status::Unknown:
            break;
    }
    return "unknown";
}

std::span<const std::string_view> csvColumns() { return kColumns; }

std::string csvField(std::string_view text) {
    std::string field;
    appendField(field, text);
    return field;
}

std::string csvHeader() {
    std::string line;
    for (const std::string_view column : kColumns) line += (line.empty() ? "" : ",") + std::string(column);
    return line + std::string(kLineEnd);
}

void configurationFields(const ConfiguratorState& s, CsvFields& fields) {
    fields.resize(kColumns.size());
    fields[0] = s.partNumber;
    fields[1] = statusText(PartNumberDecoding::Status::Ok);
    fields[2] = listPriceText(s.listPrice);
    for (std::size_t step = 0; step < kStepCount; ++step) fields[3 + step] = stepText(s, Step(step));
    fields[3 + kStepCount] = s.nonStandardBanner ? "yes" : "no";
    fields[kExplanation] = nonStandardExplanation(s);
    fields[kExplanation + 1] = s.partNumber;
}

void appendCsvLine(std::string& out, std::span<const std::string> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        appendField(out, fields[i]);
    }
    out += kLineEnd;
}

std::string csvRow(std::string_view asGiven, const PartNumberDecoding& decoding) {
    CsvFields fields;
    if (decoding.configurations.empty()) {
        fields.resize(kColumns.size());
        fields[kExplanation] = decoding.explanation;
    } else {
        configurationFields(decoding.configurations.front().state, fields);
        if (decoding.status == PartNumberDecoding::Status::Ambiguous) {
            const std::string& reasons = fields[kExplanation];
            fields[kExplanation] =
                std::to_string(decoding.configurations.size()) +
                " configurations give this part number; the one with the fewest choices is shown." +
                (reasons.empty() ? "" : "\n" + reasons);
        }
    }
    fields[0] = displayable(withoutSurroundingBlanks(asGiven), kLongestEcho);
    fields[1] = statusText(decoding.status);
    std::string line;
    appendCsvLine(line, fields);
    return line;
}

}  // namespace tarvek
