// The tables and pieces the product brochures share: actuators on a series, portings,
// connections, options and the connections of an ordering example.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assets/documents/document_builders.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/connections.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/portings.h"

namespace tarvek::documents {

inline constexpr std::string_view kBrochure = "Product Brochure";

inline std::string str(std::string_view text) { return std::string(text); }

// Valves on a series: the actuators its model list offers, in list order, with their row
// of ratings; "also available" once the list's heading for the other models has passed.
struct OfferedActuator {
    const Actuator* actuator;
    const ActuatorOnSeries* onSeries;
    bool otherModel;
};
// The note entries of the list ("--- Note: ... ---") go into notes, as sentences.
std::vector<OfferedActuator> offeredActuators(const Body& series, std::vector<std::string>* notes = nullptr);

TextTable actuatorTable(const std::vector<OfferedActuator>& actuators);
TextTable portingTable(std::span<const Porting> portings);
const ConnectionSet* connectionSetOf(const Body& body);
TextTable connectionTable(const ConnectionSet& set);
// Seat, handle-colour and lever-handle options of the actuators on offer.
TextTable optionTable(const std::vector<OfferedActuator>& actuators);
std::vector<const SparePart*> sparePartsOfSeries(std::string_view series);

// The four connection lines of an example on this porting: a male face seal on the first
// position it uses and female ones on the others, where the series offers them.
void addConnectionChoices(std::vector<ExampleChoice>& choices, const Porting& porting,
                          const ConnectionSet& set);

std::string seatText(SeatHandling seat);
std::string suffixText(std::string_view suffix);                 // "(none)" for no suffix
std::string counted(std::size_t count, std::string_view thing);  // "1 kind", "4 kinds"
std::string collapsedCaption(std::string_view caption);          // double blanks made single
std::string firstWord(std::string_view text);

}  // namespace tarvek::documents
