// Texts in the line-oriented files the program writes and reads back (the gas listing, the
// quote document): a field may hold any text, its tab, line ends and backslash written as
// \t, \n, \r and \\, so that a tab ends a field and a line end a record.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvek {

std::string escapedField(std::string_view text);
// The text a field was written from; none for a backslash that starts no known escape, one at
// the end, or a carriage return written as it is.
std::optional<std::string> unescapedField(std::string_view field);
// Well-formed UTF-8: no stray, cut or overlong sequence, no surrogate, nothing above U+10FFFF.
bool isUtf8(std::string_view text);
// How many bytes from the start are well-formed UTF-8: the text's size when all of it is.
std::size_t utf8PrefixLength(std::string_view text);

}  // namespace tarvek
