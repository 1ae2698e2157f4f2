// From a part number back to the configurations that give it. The decoder asks the
// configurator itself: its index holds every state a user reaches by choosing a
// product type, a body and a model, and from there the search tries the portings,
// connections and options the configurator offers, keeping only what still reads like the text.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules/configurator/configurator.h"

namespace tarvek {

struct DecodedConfiguration {
    std::vector<ConfiguratorEvent> events;  // what a user does from the opened page, in order
    ConfiguratorState state;                // where those events lead
};

struct PartNumberDecoding {
    enum class Status { Ok, Ambiguous, Unknown };
    Status status = Status::Unknown;
    std::string partNumber;  // the text as read: trimmed, upper case, plain hyphens
    // Ranked: the fewest choices first, then the lowest list price, then catalogue order.
    std::vector<DecodedConfiguration> configurations;
    std::string understood;   // unknown: the longest leading part that was recognised
    std::string explanation;  // unknown: how far the text was understood and what may follow
};

class PartNumberDecoder {
  public:
    PartNumberDecoder();

    PartNumberDecoding decode(std::string_view text) const;
    std::size_t indexSize() const { return stems_.size(); }

  private:
    // A porting chosen below a model, and the code each connection entry writes after it.
    struct PortingStem {
        ConfiguratorEvent event;
        Configurator configurator;
        std::string prefix;  // the part number through the porting, as read
        std::array<std::vector<std::pair<ConfiguratorEvent, std::string>>, 4> connectionCodes;
    };
    // The state after choosing a product type, a body and a model (or a series alone).
    struct Stem {
        std::vector<ConfiguratorEvent> events;
        Configurator configurator;
        std::string prefix;  // the part number through the model and body, as read
        std::vector<PortingStem> portings;
        // The seat, colour and lever options it offers, with the code each writes.
        std::array<std::vector<std::pair<ConfiguratorEvent, std::string>>, 3> optionCodes;
    };
    struct Search;
    std::string explain(const std::string& text, const Search& search) const;

    std::vector<Stem> stems_;
};

// The answer for a text far longer than any part number, which is not read at all.
PartNumberDecoding tooLongForAPartNumber();

// The one decoder of the program, built the first time it is asked for.
const PartNumberDecoder& partNumberDecoder();

}  // namespace tarvek
