// What a page says on opening a configuration's link: nothing where the number names one
// configuration; where several give it, which one is shown and a link to each other one;
// where the link asks for a rank the number does not have, that it has none.
#pragma once

#include <string>
#include <vector>

#include "rules/part_numbers/configuration_link.h"

namespace tarvek {

struct OtherConfiguration {
    std::string link;  // opens it ("A310-MX3-4A-M8M8X~2")
    std::string text;  // what it is: its rank and the steps that tell it from the one shown
};

struct LinkAnswer {
    std::string text;  // empty: nothing to say
    std::vector<OtherConfiguration> others;
};

// For a link that set a configuration (its events are not empty).
LinkAnswer linkAnswer(const OpenedLink& opened);

}  // namespace tarvek
