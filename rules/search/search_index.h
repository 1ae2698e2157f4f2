// Every orderable configuration in a form a search can scan: the enumeration's groups, each
// with what its choices write, cost and show. A group's configurations are every choice of
// connections times every choice of options, so a configuration is a group and a number,
// and nothing is stored per configuration but whether its connections are standard.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/catalogue/price.h"
#include "rules/configurator/configurator.h"
#include "rules/configurator/orderable_configurations.h"

namespace tarvek::search {

// What a configuration can be asked about; each has a list of values.
enum class Attribute {
    ProductType,
    Body,
    Model,
    Actuator,  // the kind read from the model entry
    Porting,
    Cv,             // valves: from the note under the model, in thousandths
    RatedPressure,  // valves: psig, from the same note
    ConnectionKind,
    ConnectionSize,
    Seat,
    HandleColour,
    LeverHandle,
};
inline constexpr std::size_t kAttributeCount = 12;

// A value of an attribute, by its place in the attribute's list. Value 0 is "none": the
// configuration has no such thing (a fitting has no porting, a valve without handle options
// no colour).
using ValueId = std::uint16_t;
inline constexpr ValueId kNone = 0;

// A configuration: its place in catalogue order, 0 to size() - 1.
using ConfigurationId = std::uint32_t;

// One choice in a group: a connection entry at a position, or an option (its default first).
struct Choice {
    std::optional<ConfiguratorEvent> event;  // none: the option's default, left as it is
    std::string_view code;                   // what it writes into the part number
    std::string_view text;                   // as the page shows it; empty for none
    std::string lowerText;                   // the same in lower case, for the free text
    Money price;
    ValueId value = kNone;  // seat, colour or lever value; a connection's kind
    ValueId size = kNone;   // a connection's size
};

// The group-level attributes, in the order of Attribute.
inline constexpr std::size_t kGroupAttributes = 7;

struct IndexGroup {
    std::vector<ConfiguratorEvent> events;  // the stem's and the porting's
    std::string prefix;                     // the part number through the porting
    std::array<std::string_view, 4> texts;  // product type, body, model, porting as shown
    std::array<std::string, 4> lowerTexts;
    std::array<ValueId, kGroupAttributes> values{};  // ProductType .. RatedPressure
    Money basePrice;                                 // model, body and porting
    // Per position: the entries that can be chosen; none where the porting does not use it,
    // which then writes `fixedCodes`.
    std::array<std::vector<Choice>, 4> connections;
    std::array<std::string_view, 4> fixedCodes;
    std::string_view generalCode;                // between colour and lever; no choice writes it
    std::array<std::vector<Choice>, 3> options;  // seat, handle colour, lever handle
    std::vector<bool> nonStandard;               // per choice of connections, in catalogue order
    ConfigurationId first = 0;                   // its first configuration
    std::uint32_t connectionChoices = 1, optionChoices = 1;

    std::uint32_t size() const { return connectionChoices * optionChoices; }
};

// A configuration taken apart: its group and the choice made at each place.
struct ConfigurationChoices {
    std::size_t group = 0;
    std::uint32_t connectionChoice = 0, optionChoice = 0;
    std::array<int, 4> connections{-1, -1, -1, -1};  // -1: position not used
    std::array<int, 3> options{};                    // 0: the default
};

// A configuration as a list shows it and a configurator is set to it.
struct IndexedConfiguration {
    std::string partNumber;
    Money listPrice;
    bool nonStandard = false;
    std::vector<std::string_view> description;  // the chosen steps' texts, in form order
    std::vector<ConfiguratorEvent> events;      // from the opened page, as a user makes them
};

class SearchIndex {
  public:
    SearchIndex();  // over every orderable group
    explicit SearchIndex(const std::vector<OrderableGroup>& groups);

    const std::vector<IndexGroup>& groups() const { return groups_; }
    std::uint64_t size() const { return size_; }
    // The names of an attribute's values, index 0 the empty "none". Cv values are written as
    // the catalogue's numbers ("0.23"), pressures in psig ("250").
    const std::vector<std::string>& values(Attribute attribute) const {
        return values_[std::size_t(attribute)];
    }
    // Cv (thousandths) or rated pressure (psig) of each value, ascending; 0 for none.
    const std::vector<int>& ratings(Attribute attribute) const {
        return attribute == Attribute::Cv ? cvs_ : pressures_;
    }

    ConfigurationChoices choices(ConfigurationId id) const;
    IndexedConfiguration configuration(ConfigurationId id) const;
    std::string partNumber(const ConfigurationChoices& choices) const;
    Money listPrice(const ConfigurationChoices& choices) const;

    // The bytes the index holds, for the figures of the benchmark.
    std::size_t memoryUse() const;

  private:
    ValueId intern(Attribute attribute, std::string_view name);
    void addGroup(const OrderableGroup& group);

    std::vector<IndexGroup> groups_;
    std::uint64_t size_ = 0;
    std::array<std::vector<std::string>, kAttributeCount> values_;
    std::vector<int> cvs_, pressures_;
};

// The one index of the program, built the first time it is asked for (never at start-up).
const SearchIndex& searchIndex();

}  // namespace tarvek::search
