#include "rules/search/search_texts.h"

namespace tarvek::search {

std::string countText(std::uint64_t count) {
    std::string digits = std::to_string(count);
    for (std::ptrdiff_t at = std::ptrdiff_t(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), 1, ',');
    return digits;
}

std::string foundText(std::uint64_t configurations, std::uint64_t groups) {
    if (configurations == 0) return "No configuration meets every filter.";
    return countText(configurations) + (configurations == 1 ? " configuration in " : " configurations in ") +
           countText(groups) + (groups == 1 ? " group" : " groups");
}

std::string entryText(std::string_view name, std::uint64_t count) {
    return std::string(name) + "  (" + countText(count) + ")";
}

std::string_view firstCharacters(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < characters && at < text.size(); ++n) {
        ++at;  // a lead byte, or a byte that is no UTF-8
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return text.substr(0, at);
}

}  // namespace tarvek::search
