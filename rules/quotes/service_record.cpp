#include "rules/quotes/service_record.h"

#include <algorithm>

#include "rules/calculator/input_validation.h"
#include "rules/part_numbers/part_number_text.h"
#include "rules/quotes/quotation.h"
#include "rules/quotes/service_edit.h"
#include "rules/text/escaped_fields.h"

namespace tarvek {
namespace {

constexpr std::size_t kLongestNumber = 100;  // far longer than any number typed
constexpr std::string_view kTyping[] = {"-", ".", "-."};

std::string quoted(std::string_view text) { return "\"" + displayable(text, 40) + "\""; }

}  // namespace

std::string serviceNumberProblem(std::string_view text) {
    if (text.size() > kLongestNumber) return "is longer than any number (100 characters)";
    if (text.empty() || isNumeric(text) ||
        std::find(std::begin(kTyping), std::end(kTyping), text) != std::end(kTyping))
        return {};
    return quoted(text) + " is not a number";
}

std::string serviceRecord(const Service& service) {
    std::string record(kServiceRecord);
    for (std::size_t f = 0; f < kServiceFieldCount; ++f)
        record += '\t' + escapedField(serviceFieldText(service, ServiceField(f)));
    return record + '\n';
}

std::optional<Service> readServiceRecord(std::span<const std::string_view> fields, std::string& problem) {
    if (fields.size() != kServiceFieldCount) {
        problem = "a service has " + std::to_string(fields.size() + 1) + " fields, not " +
                  std::to_string(kServiceFieldCount + 1);
        return std::nullopt;
    }
    Service service;
    for (std::size_t f = 0; f < kServiceFieldCount; ++f) {
        const auto field = ServiceField(f);
        const std::string name(serviceFieldName(field));
        const bool raw = std::none_of(fields[f].begin(), fields[f].end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        const std::optional<std::string> text = raw ? unescapedField(fields[f]) : std::nullopt;
        if (!text || !headerTextProblem(*text).empty()) {
            problem = "the service's " + name + " holds a control character or a broken escape";
            return std::nullopt;
        }
        std::string wrong;
        switch (serviceFieldKind(field)) {
            case ServiceFieldKind::Text:
                *serviceTextField(service, field) = *text;
                break;
            case ServiceFieldKind::Number:
                wrong = serviceNumberProblem(*text);
                *serviceTextField(service, field) = *text;
                break;
            case ServiceFieldKind::Choice:
                // The choices take any text the edits take, and refuse the rest as they do.
                if (const ServiceFieldEdit edit = editService(service, field, *text, {}); edit.refused())
                    wrong = quoted(*text) + ": " + edit.prompt;
                break;
        }
        if (!wrong.empty()) {
            problem = "the service's " + name + " " + wrong;
            return std::nullopt;
        }
    }
    return service;
}

}  // namespace tarvek
