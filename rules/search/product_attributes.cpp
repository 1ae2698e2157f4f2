#include "rules/search/product_attributes.h"

#include <cmath>

#include "rules/numbers/number_text.h"

namespace tarvek::search {
namespace {

bool has(std::string_view text, std::string_view word) { return text.find(word) != std::string_view::npos; }

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number just before `unit` ("250" in ".23 Cv, 250 psig"), read with the catalogue's rule.
std::optional<double> numberBefore(std::string_view note, std::string_view unit) {
    const auto at = note.find(unit);
    if (at == std::string_view::npos) return std::nullopt;
    const std::string_view before = note.substr(0, at);
    const auto start = before.find_last_of(", ");
    const std::string_view number = start == std::string_view::npos ? before : before.substr(start + 1);
    if (number.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
    return leadingNumber(number);
}

}  // namespace

std::string actuatorKind(std::string_view entry) {
    // The words after the model code: "--- Air-Op N.C., Low Pressure" or "- Pneumatic, N.C.".
    const auto dash = entry.find(" -");
    if (dash == std::string_view::npos) return {};
    const std::string_view words = entry.substr(dash);
    const bool normallyOpen = has(words, "N.O.") || has(words, " NO,");
    const std::string_view position = normallyOpen ? ", normally open" : ", normally closed";
    if (has(words, "Manual")) return "Manual";
    if (has(words, "Hybrid")) return "Hybrid" + std::string(position);
    if (has(words, "Air-Op") || has(words, "Pneumatic")) return "Air-operated" + std::string(position);
    return {};
}

ConnectionNature connectionNature(std::string_view entry) {
    const auto dash = entry.find(" - ");
    if (dash == std::string_view::npos) return {};
    const std::string_view words = entry.substr(dash + 3);
    const auto comma = words.find(',');
    if (comma == std::string_view::npos) return {};
    std::string_view size = trimmed(words.substr(words.rfind(',') + 1));
    if (const auto inch = size.find(" inch"); inch != std::string_view::npos) size = size.substr(0, inch + 5);
    return {trimmed(words.substr(0, comma)), size};
}

ValveRating valveRating(std::string_view note) {
    ValveRating rating;
    if (const auto cv = numberBefore(note, " Cv"); cv && *cv > 0)
        rating.cvThousandths = int(std::lround(*cv * 1000));
    if (const auto psig = numberBefore(note, " psig"); psig && *psig > 0)
        rating.ratedPsig = int(std::lround(*psig));
    return rating;
}

}  // namespace tarvek::search
