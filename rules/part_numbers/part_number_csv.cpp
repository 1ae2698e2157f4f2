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
constexpr std::string_view kLineEnd = "\r\n";
// Long enough for any number of the catalogue, short enough to keep a garbage line readable.
constexpr std::size_t kLongestEcho = 200;

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

}  // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvHeader() {
    std::string line;
    for (const std::string_view column : kColumns) line += (line.empty() ? "" : ",") + std::string(column);
    return line + std::string(kLineEnd);
}

std::string csvRow(std::string_view asGiven, const PartNumberDecoding& decoding) {
    std::vector<std::string> fields = {displayable(withoutSurroundingBlanks(asGiven), kLongestEcho),
                                       std::string(statusText(decoding.status))};
    std::string explanation = decoding.explanation;
    std::string catalogueNumber;  // as the catalogue writes it: empty when unknown
    if (decoding.configurations.empty()) {
        fields.resize(kColumns.size() - 2);
    } else {
        const ConfiguratorState& s = decoding.configurations.front().state;
        fields.push_back(listPriceText(s.listPrice));
        for (std::size_t step = 0; step < kStepCount; ++step)
            fields.push_back(std::string(stepText(s, Step(step))));
        fields.push_back(s.nonStandardBanner ? "yes" : "no");
        catalogueNumber = s.partNumber;
        explanation = nonStandardExplanation(s);
        if (decoding.status == PartNumberDecoding::Status::Ambiguous)
            explanation = std::to_string(decoding.configurations.size()) +
                          " configurations give this part number; the one with the fewest choices is shown." +
                          (explanation.empty() ? "" : "\n" + explanation);
    }
    fields.push_back(explanation);
    fields.push_back(catalogueNumber);
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + csvField(fields[i]);
    return line + std::string(kLineEnd);
}

}  // namespace tarvek
