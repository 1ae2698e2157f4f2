// What the find field answers for a part number: which configuration is set, how many give
// the same number, or how far the text was understood.
#pragma once

#include <string>

#include "rules/part_numbers/part_number_decoder.h"

namespace tarvek {

std::string findAnswer(const PartNumberDecoding& decoding);

}  // namespace tarvek
