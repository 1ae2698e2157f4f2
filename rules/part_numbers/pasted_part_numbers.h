// Part numbers pasted where one is looked up (the find field, a paste on the configurator):
// the first is looked up, and the answer says how many more the paste held.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvek {

// The part numbers of a pasted text: the one a copied quote names ("Part Number: …"), else
// every line that holds more than blanks, without the blanks around it.
std::vector<std::string> partNumbersInPaste(std::string_view text);

// What follows the find field's answer when the paste held `left` more lines; empty for none.
std::string linesLeftOfPaste(std::size_t left);

// The find field's answer to a paste: the answer for its first number, and how many were left.
std::string answerToPaste(std::string_view firstAnswer, std::size_t left);

}  // namespace tarvek
