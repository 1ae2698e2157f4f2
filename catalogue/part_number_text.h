// Part numbers as people write them: blanks around them, letters in any case, typographic
// dashes. Both sides of a comparison are read the same way.
#pragma once

#include <string>
#include <string_view>

namespace tarvek {

// Surrounding blanks (tabs, line ends, no-break spaces too) removed, ASCII letters in upper
// case, and the dashes - ‐ ‑ ‒ – — − all read as the hyphen-minus. Other bytes stay as they are.
std::string normalizedPartNumber(std::string_view text);

}  // namespace tarvek
