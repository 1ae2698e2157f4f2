#include "catalogue/part_number_text.h"

#include <algorithm>
#include <array>

namespace tarvek {
namespace {

// UTF-8 of U+2010 ... U+2014 (hyphen, non-breaking hyphen, figure dash, en and em dash)
// and U+2212 (minus sign).
constexpr std::array<std::string_view, 6> kDashes = {"\u2010", "\u2011", "\u2012", "\u2013", "\u2014", "\u2212"};
constexpr std::string_view kNoBreakSpace = "\u00a0";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
    for (bool changed = true; changed;) {
        changed = false;
        while (!text.empty() && isBlank(text.front())) text.remove_prefix(1), changed = true;
        while (!text.empty() && isBlank(text.back())) text.remove_suffix(1), changed = true;
        if (text.starts_with(kNoBreakSpace)) text.remove_prefix(kNoBreakSpace.size()), changed = true;
        if (text.ends_with(kNoBreakSpace)) text.remove_suffix(kNoBreakSpace.size()), changed = true;
    }
    return text;
}

}  // namespace

std::string normalizedPartNumber(std::string_view text) {
    text = trimmed(text);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto isDashAt = [&](std::string_view d) { return text.substr(i).starts_with(d); };
        if (text[i] == kDashes[0][0])  // every dash begins with the same byte
            if (const auto d = std::find_if(kDashes.begin(), kDashes.end(), isDashAt); d != kDashes.end()) {
                result += '-';
                i += d->size();
                continue;
            }
        const char c = text[i++];
        result += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    }
    return result;
}

}  // namespace tarvek
