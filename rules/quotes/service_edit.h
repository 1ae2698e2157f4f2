// A field of a tagged service edited as a text, as the window's and the page's boxes send it:
// each number checked by the calculator's own box rules for the method and units chosen (the
// same partial entries let stand, the same messages and titles, the same text left after a
// refusal), the texts held to what every file can carry, and the choices to their lists.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/calculator/gas_record.h"
#include "rules/calculator/input_validation.h"
#include "rules/quotes/service.h"

namespace tarvek {

// In the order of the services list's columns.
enum class ServiceField {
    Tag,
    Description,
    Gas,
    SpecificGravity,
    SpecificHeat,
    Temperature,
    TemperatureUnit,
    InletPressure,
    OutletPressure,
    PressureUnit,
    FlowMinimum,
    FlowNormal,
    FlowMaximum,
    FlowUnit,
    Method,
    Margin,
    Xt,
    Z,
    ConnectionKind,
    ConnectionSize,
};
inline constexpr std::size_t kServiceFieldCount = 20;

// The field's name as the services list's column, the document and the web bindings write it:
// "tag", "service", "gas", "sg", "k", "temperature", "temperature_unit", "inlet", "outlet",
// "pressure_unit", "flow_min", "flow_normal", "flow_max", "flow_unit", "method", "margin",
// "xt", "z", "connection_kind", "connection_size".
std::string_view serviceFieldName(ServiceField field);
std::optional<ServiceField> serviceFieldNamed(std::string_view name);
// What a field holds: a text, a number as typed, or a choice of a unit or the method.
enum class ServiceFieldKind { Text, Number, Choice };
ServiceFieldKind serviceFieldKind(ServiceField field);
// The field's own text, for the texts and numbers; none for a choice.
std::string* serviceTextField(Service& service, ServiceField field);

// The field as a box or a list shows it: numbers as typed, units as the calculator writes
// them ("bar(g)"), the method by name ("catalogue", "iec").
std::string serviceFieldText(const Service& service, ServiceField field);

// What the lists of a service offer: the gas list's names, the search's connection kinds and sizes.
struct ServiceChoices {
    std::span<const GasRecord> gases;
    std::vector<std::string> connectionKinds, connectionSizes;
};

struct ServiceFieldEdit {
    // Accepted; Partial for a number being typed ("-", "."), which stands unchecked as in the
    // calculator's boxes; Refused, with the message box's prompt and title.
    EntryCheck check = EntryCheck::Accepted;
    std::string prompt, title;
    bool refused() const { return check == EntryCheck::Refused; }
};

// The text put into the field. A refused number leaves the field as the calculator's box is
// left (empty: for xT and Z the method's own); a refused text or choice leaves it as it was.
// A gas chosen by name clears the specific gravity and k given, and either of those clears
// the gas's name: a service has one or the other.
ServiceFieldEdit editService(Service& service, ServiceField field, std::string_view text,
                             const ServiceChoices& choices);

}  // namespace tarvek
