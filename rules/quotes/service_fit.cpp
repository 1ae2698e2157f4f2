#include "rules/quotes/service_fit.h"

#include <array>
#include <cmath>

#include "rules/numbers/compact_number_text.h"
#include "rules/numbers/number_text.h"
#include "rules/quotes/quotation_lines.h"
#include "rules/search/search_query.h"

namespace tarvek {
namespace {

constexpr std::array<std::string_view, kVerdictCount> kNames = {
    "fits", "undersized", "pressure below inlet", "no rating", "no result", "no valve"};
constexpr std::array<std::string_view, kVerdictCount> kTitles = {
    "Fits", "Undersized", "Rated pressure below inlet", "No rating", "No result", "No valve yet"};

search::ValveRating ratingShown(const ConfiguratorState& s) {
    return s.valveDescriptionShown ? search::valveRating(s.valveDescription) : search::ValveRating{};
}

std::string cvRatingText(int thousandths) { return numberText(thousandths / 1000.0); }

// "the maximum flow": a case as a sentence names it.
std::string caseWords(FlowCase c) { return "the " + std::string(flowCaseName(c)) + " flow"; }

// "Cv 0.2534 (0.2304 and a 10 % margin)", or "Cv 0.2304" without a margin.
std::string askedText(const Service& service, double needed) {
    std::string text = "Cv " + cvText(needed * marginFactor(service));
    if (!service.margin.empty() && marginFactor(service) != 1)
        text += " (" + cvText(needed) + " and a " + service.margin + " % margin)";
    return text;
}

// The sizing's own reason; where the cases differ, the first failing one named.
std::string noResultReason(const ServiceSizing& sizing) {
    if (!sizing.noResult.empty()) return sizing.noResult;
    const CaseSizing* failed = sizing.failedCase();
    for (const CaseSizing& c : sizing.cases)
        if (c.solution.noResult != failed->solution.noResult)
            return std::string(flowCaseTitle(failed->flowCase)) + " flow: " + failed->solution.noResult;
    return failed->solution.noResult;
}

}  // namespace

std::string_view verdictName(Verdict verdict) { return kNames[std::size_t(verdict)]; }
std::string_view verdictTitle(Verdict verdict) { return kTitles[std::size_t(verdict)]; }

std::string cvText(double cv) { return search::cvMinimumText(cv); }

std::string ratioText(double ratio) {
    return compactNumberText(std::round(ratio * 1000) / 1000, std::chars_format::fixed, 3);
}

search::ValveRating lineRating(const QuotationLine& line) {
    const std::optional<ConfiguratorState> state = lineState(line);
    return state ? ratingShown(*state) : search::ValveRating{};
}

double inletPsig(const ServiceConditions& c) {
    const double inlet = leadingNumber(c.inletPressure);
    if (c.units.pressure == PressureUnit::Psig) return inlet;
    return gaugeFromPsia(psiaFromGauge(inlet, c.units.pressure), PressureUnit::Psig);
}

ServiceCheck checkService(const Service& service, bool hasValve, const search::ValveRating& rating,
                          std::span<const GasRecord> gases) {
    ServiceCheck check;
    check.sizing = sizeService(service.conditions, gases);
    check.rating = rating;
    check.inletPsig = inletPsig(service.conditions);
    const CaseSizing* largest = check.sizing.largestCase();
    if (!largest) {
        check.verdict = Verdict::NoResult;
        check.reason = noResultReason(check.sizing);
        return check;
    }
    check.largest = largest->flowCase;
    const double needed = largest->solution.cvNeeded.value_or(0);
    check.cvAsked = needed * marginFactor(service);
    const std::optional<int> psig = search::pressureThreshold(check.inletPsig);
    const std::string pressureText = psig ? std::to_string(*psig) + " psig" : "no pressure";
    if (!hasValve) {
        check.verdict = Verdict::NoValve;
        check.reason = "No valve yet: " + caseWords(largest->flowCase) + " needs " +
                       askedText(service, needed) + (psig ? ", rated for " + pressureText : std::string()) +
                       ".";
        return check;
    }
    if (!rating.cvThousandths || !rating.ratedPsig) {
        check.verdict = Verdict::NoRating;
        check.reason = rating.cvThousandths
                           ? "No rating: the valve's note gives no rated pressure."
                           : "No rating: the line is not a valve with a rated Cv and pressure.";
        return check;
    }
    if (psig && *rating.ratedPsig < *psig) {
        check.verdict = Verdict::PressureBelowInlet;
        check.reason = "Rated pressure below inlet: the valve is rated " + std::to_string(*rating.ratedPsig) +
                       " psig, the inlet is " + numberText(check.inletPsig) + " psig.";
        return check;
    }
    // The case that needs the most decides: a valve that passes it passes the others.
    if (needed > 0 && !search::reaches(*rating.cvThousandths, *check.cvAsked)) {
        check.undersizedAt = largest->flowCase;
        const double shortBy = 100 * (1 - *rating.cvThousandths / 1000.0 / *check.cvAsked);
        check.verdict = Verdict::Undersized;
        check.reason =
            "Undersized at " + caseWords(largest->flowCase) + ": it needs " + askedText(service, needed) +
            ", the valve is rated " + cvRatingText(*rating.cvThousandths) + ", " +
            compactNumberText(std::ceil(shortBy * 10) / 10, std::chars_format::general, 6) + " % short.";
        return check;
    }
    check.verdict = Verdict::Fits;
    if (needed > 0) {
        check.margin = *rating.cvThousandths / 1000.0 / needed;
        check.reason = "Fits: rated Cv " + cvRatingText(*rating.cvThousandths) + " is " +
                       ratioText(*check.margin) + " times the Cv " + cvText(needed) + " " +
                       caseWords(largest->flowCase) + " needs.";
    } else {
        check.reason = "Fits: the flows need no Cv.";
    }
    return check;
}

std::optional<ServiceCheck> checkLine(const QuotationLine& line, std::span<const GasRecord> gases) {
    if (!line.service) return std::nullopt;
    return checkService(*line.service, !line.partNumber.empty(), lineRating(line), gases);
}

}  // namespace tarvek
