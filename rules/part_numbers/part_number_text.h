// Part numbers as people write them: blanks around them, letters in any case, typographic
// dashes. Both sides of a comparison are read the same way.
#pragma once

#include <string>
#include <string_view>

namespace tarvek {

// Surrounding blanks removed (spaces of every kind and invisible format characters), ASCII
// letters in upper case, and every dash (dash punctuation, the minus sign) read as the
// hyphen-minus. Other bytes stay as they are.
std::string normalizedPartNumber(std::string_view text);

// Spaces of every kind (tabs, line ends, no-break, narrow and figure spaces, …) and invisible
// format characters (zero-width spaces, the byte-order mark, …) removed from both ends.
std::string_view withoutSurroundingBlanks(std::string_view text);

// The length of the well-formed UTF-8 character at the start of `text`, 0 when there is none
// (a stray continuation byte, a cut or an invalid sequence).
std::size_t utf8CharacterLength(std::string_view text);

// At most `count` characters of a text from outside, safe to show and to write as UTF-8:
// control characters (but line feeds, when kept) and broken UTF-8 become U+FFFD, and a
// text cut short ends with an ellipsis.
std::string displayable(std::string_view text, std::size_t count, bool keepLineFeeds = false);

}  // namespace tarvek
