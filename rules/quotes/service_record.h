// A tagged service as the quote document's record after its line, its fields in the order of
// ServiceField, each escaped as the document's texts are:
//
//   service<tab>TAG<tab>SERVICE<tab>GAS<tab>SG<tab>K<tab>TEMPERATURE<tab>TEMPERATURE_UNIT<tab>
//           INLET<tab>OUTLET<tab>PRESSURE_UNIT<tab>FLOW_MIN<tab>FLOW_NORMAL<tab>FLOW_MAX<tab>
//           FLOW_UNIT<tab>METHOD<tab>MARGIN<tab>XT<tab>Z<tab>CONNECTION_KIND<tab>CONNECTION_SIZE
//
// Numbers as typed (empty where not given), units as the calculator writes them ("bar(g)"),
// the method by name ("catalogue", "iec"). Read back, a number need only be one, or a number
// being typed ("-", "."): whether it is in range is the sizing's to say, as the method or a
// unit may have changed since it was typed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/quotes/service.h"

namespace tarvek {

inline constexpr std::string_view kServiceRecord = "service";
inline constexpr std::string_view kProposedRecord = "proposed";

// The record with its line end.
std::string serviceRecord(const Service& service);

// The service of a record's fields after its name; none, with the problem, for anything else.
std::optional<Service> readServiceRecord(std::span<const std::string_view> fields, std::string& problem);

// Why a number of a service cannot be kept ("is not a number"); empty when it can.
std::string serviceNumberProblem(std::string_view text);

}  // namespace tarvek
