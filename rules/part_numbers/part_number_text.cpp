#include "rules/part_numbers/part_number_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarvek {
namespace {

using Range = std::pair<char32_t, char32_t>;

// Spaces of every kind, and the invisible format characters that come with pasted text
// (zero-width spaces and joiners, direction marks, the byte-order mark, the soft hyphen).
constexpr std::array<Range, 17> kInvisible = {{
    {0x09, 0x0D},
    {0x20, 0x20},
    {0x85, 0x85},
    {0xA0, 0xA0},
    {0xAD, 0xAD},
    {0x1680, 0x1680},
    {0x180E, 0x180E},
    {0x2000, 0x200F},
    {0x2028, 0x202F},
    {0x205F, 0x2064},
    {0x2066, 0x206F},
    {0x3000, 0x3000},
    {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFB},
    {0x1D173, 0x1D17A},
    {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

// Dash punctuation (the Unicode category Pd) and the minus sign: each reads as a hyphen.
constexpr std::array<Range, 19> kDashes = {{
    {0x2D, 0x2D},     {0x58A, 0x58A},   {0x5BE, 0x5BE},   {0x1400, 0x1400},   {0x1806, 0x1806},
    {0x2010, 0x2015}, {0x2E17, 0x2E17}, {0x2E1A, 0x2E1A}, {0x2E3A, 0x2E3B},   {0x2E40, 0x2E40},
    {0x2E5D, 0x2E5D}, {0x301C, 0x301C}, {0x3030, 0x3030}, {0x30A0, 0x30A0},   {0xFE31, 0xFE32},
    {0xFE58, 0xFE58}, {0xFE63, 0xFE63}, {0xFF0D, 0xFF0D}, {0x10EAD, 0x10EAD},
}};
constexpr char32_t kMinusSign = 0x2212;

template <std::size_t N>
bool inRanges(const std::array<Range, N>& ranges, char32_t c) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [c](const Range& r) { return r.first <= c && c <= r.second; });
}

// The code point of the well-formed UTF-8 character at the start of `text`; none where
// there is no such character.
struct Decoded {
    char32_t codePoint;
    std::size_t length;  // 0: not a well-formed character
};
Decoded decodeFirst(std::string_view text) {
    const std::size_t length = utf8CharacterLength(text);
    if (length == 0) return {0, 0};
    const auto byte = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(text[i])); };
    switch (length) {
        case 1:
            return {byte(0), 1};
        case 2:
            return {(byte(0) & 0x1F) << 6 | (byte(1) & 0x3F), 2};
        case 3:
            return {(byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F), 3};
        default:
            return {
                (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F),
                4};
    }
}

bool isInvisible(std::string_view text, std::size_t& length) {
    const Decoded d = decodeFirst(text);
    length = d.length;
    return d.length > 0 && inRanges(kInvisible, d.codePoint);
}

}  // namespace

std::string_view withoutSurroundingBlanks(std::string_view text) {
    for (std::size_t length = 0; !text.empty() && isInvisible(text, length);) text.remove_prefix(length);
    // From the end: try the last one to four bytes as one character.
    for (bool trimmed = true; trimmed && !text.empty();) {
        trimmed = false;
        for (std::size_t back = 1; back <= std::min<std::size_t>(4, text.size()) && !trimmed; ++back) {
            std::size_t length = 0;
            if (isInvisible(text.substr(text.size() - back), length) && length == back) {
                text.remove_suffix(back);
                trimmed = true;
            }
        }
    }
    return text;
}

std::string normalizedPartNumber(std::string_view text) {
    text = withoutSurroundingBlanks(text);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decodeFirst(text.substr(i));
        if (d.length > 1 && (inRanges(kDashes, d.codePoint) || d.codePoint == kMinusSign)) {
            result += '-';
            i += d.length;
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
