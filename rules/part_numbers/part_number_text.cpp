#include "rules/part_numbers/part_number_text.h"

#include <algorithm>
#include <array>

namespace tarvek {
namespace {

// UTF-8 of U+2010 ... U+2014 (hyphen, non-breaking hyphen, figure dash, en and em dash)
// and U+2212 (minus sign).
constexpr std::array<std::string_view, 6> kDashes = {"\u2010", "\u2011", "\u2012",
                                                     "\u2013", "\u2014", "\u2212"};
constexpr std::string_view kNoBreakSpace = "\u00a0";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::string_view withoutSurroundingBlanks(std::string_view text) {
    for (bool changed = true; changed;) {
        changed = false;
        while (!text.empty() && isBlank(text.front())) text.remove_prefix(1), changed = true;
        while (!text.empty() && isBlank(text.back())) text.remove_suffix(1), changed = true;
        if (text.starts_with(kNoBreakSpace)) text.remove_prefix(kNoBreakSpace.size()), changed = true;
        if (text.ends_with(kNoBreakSpace)) text.remove_suffix(kNoBreakSpace.size()), changed = true;
    }
    return text;
}

std::string normalizedPartNumber(std::string_view text) {
    text = withoutSurroundingBlanks(text);
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

std::size_t utf8CharacterLength(std::string_view text) {
    if (text.empty()) return 0;
    const auto c = static_cast<unsigned char>(text[0]);
    const std::size_t length = c < 0x80           ? 1
                               : (c >> 5) == 0x6  ? 2
                               : (c >> 4) == 0xE  ? 3
                               : (c >> 3) == 0x1E ? 4
                                                  : 0;
    if (length == 0 || length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[k]) >> 6) != 0x2) return 0;
    return length;
}

std::string displayable(std::string_view text, std::size_t count, bool keepLineFeeds) {
    std::string out;
    std::size_t i = 0;
    for (std::size_t shown = 0; i < text.size() && shown < count; ++shown) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = utf8CharacterLength(text.substr(i));
        const bool valid = length > 0;
        const bool control = (c < 0x20 && !(keepLineFeeds && c == '\n')) || c == 0x7F;
        if (!valid || control) {
            out += "\uFFFD";
            i += valid ? length : 1;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    if (i < text.size()) out += "\u2026";
    return out;
}

}  // namespace tarvek
