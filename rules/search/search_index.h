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
#include "rules/search/value_set.h"

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

// An entry of an attribute's list: one value, or for a connection's kind a family of them
// ("Any male face seal": the male face seal and the fixed one).
struct ListEntry {
    std::string name;
    ValueSet values;
};

// A configuration: its place in catalogue order, 0 to size() - 1.
using ConfigurationId = std::uint32_t;

// One choice in a group: a connection entry at a position, or an option (its default first).
struct Choice {
    std::optional<ConfiguratorEvent> event;  // none: the option's default, left as it is
    std::string_view code;                   // what it writes into the part number
    std::string_view text;                   // as the page shows it; empty for none
    std::string lowerText;                   // the same in lower case, for the free text
    Money price;
    ValueId value = kNone;                         // seat, colour or lever value; a connection's kind
    ValueId size = kNone;                          // a connection's size
    ConnectionKind kind = ConnectionKind::Unused;  // a connection's, as the standard check reads it
};

// The group-level attributes, in the order of Attribute.
inline constexpr std::size_t kGroupAttributes = 7;

struct IndexGroup {
    std::vector<ConfiguratorEvent> events;  // the stem's and the porting's
    std::string prefix;                     // the part number through the porting
    std::array<std::string_view, 4> texts;  // product type, body, model, porting as shown
    // What the free text finds besides the part number: those four in lower case, and a
    // valve's rating as its note writes it (".23 cv, 250 psig") and with its numbers'
    // leading zeros ("0.23 cv, 250 psig").
    std::vector<std::string> lowerTexts;
    std::array<ValueId, kGroupAttributes> values{};  // ProductType .. RatedPressure
    Money basePrice;                                 // model, body and porting
    bool priceOnRequest = false;                     // the catalogue gives it no price
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
    bool priceOnRequest = false;  // the list price is 0 only because the catalogue gives none
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
    // The entries an attribute's list offers, "any" aside: each value but none in order (for the
    // lever handle, none too: "Without lever handle"), and before the first of a family of
    // connection kinds, the family.
    const std::vector<ListEntry>& entries(Attribute attribute) const {
        return entries_[std::size_t(attribute)];
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
    void listEntries();

    std::vector<IndexGroup> groups_;
    std::uint64_t size_ = 0;
    std::array<std::vector<std::string>, kAttributeCount> values_;
    std::array<std::vector<ListEntry>, kAttributeCount> entries_;
    std::vector<int> cvs_, pressures_;
};

// The one index of the program, built the first time it is asked for (never at start-up).
const SearchIndex& searchIndex();

}  // namespace tarvek::search
