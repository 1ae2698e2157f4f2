// Whether a line's valve serves its tagged service: the service sized case by case, then its
// valve's rating (the note under the valve: ".23 Cv, 250 psig") held against the Cv each case
// needs times the margin asked and against the inlet pressure, with the same minimums Valves
// for this Flow asks of the search. One verdict, with its reason in words.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/calculator/gas_record.h"
#include "rules/calculator/service_sizing.h"
#include "rules/quotes/quotation.h"
#include "rules/search/product_attributes.h"

namespace tarvek {

enum class Verdict { Fits, Undersized, PressureBelowInlet, NoRating, NoResult, NoValve };
inline constexpr std::size_t kVerdictCount = 6;

// "fits", "undersized", "pressure below inlet", "no rating", "no result", "no valve": as the
// services list's column writes it.
std::string_view verdictName(Verdict verdict);
// "Fits", "Undersized", "Rated pressure below inlet", "No rating", "No result", "No valve yet":
// as a table's column and a sheet show it.
std::string_view verdictTitle(Verdict verdict);

struct ServiceCheck {
    ServiceSizing sizing;
    Verdict verdict = Verdict::NoResult;
    std::string reason;  // the verdict in words, a sentence
    // The Cv a valve must reach: the largest case's need times the margin factor; none
    // without a sizing.
    std::optional<double> cvAsked;
    std::optional<FlowCase> largest;       // the case that needs the most
    double inletPsig = 0;                  // the inlet pressure a valve must be rated for, in psig
    search::ValveRating rating;            // of the line's valve
    std::optional<double> margin;          // fits: rated Cv ÷ the Cv the largest case needs
    std::optional<FlowCase> undersizedAt;  // the largest case the valve does not pass
};

// The rating of the line's configuration, from the note the configurator shows under it;
// none for a line without a part number, a fitting or a part without a valve's rating.
search::ValveRating lineRating(const QuotationLine& line);

// The inlet pressure in psig, whatever unit it is typed in, as the search's minimum reads it.
double inletPsig(const ServiceConditions& conditions);

// The service sized and held against a valve of the rating (none: no valve yet).
ServiceCheck checkService(const Service& service, bool hasValve, const search::ValveRating& rating,
                          std::span<const GasRecord> gases);
// The line's own service against its own valve; none for a line without a service.
std::optional<ServiceCheck> checkLine(const QuotationLine& line, std::span<const GasRecord> gases);

// "0.2304": a Cv with the digits that matter, never less than it is (the search's minimum's text).
std::string cvText(double cv);
// "1.25": a margin, a ratio, to three decimals at most.
std::string ratioText(double ratio);

}  // namespace tarvek
