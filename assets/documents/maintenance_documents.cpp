// The maintenance sheets: seat and diaphragm replacement, and the installation and
// adjustment of the actuators, naming the series and spare parts they concern.
#include <algorithm>

#include "assets/documents/catalogue_text.h"
#include "assets/documents/document_builders.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/lookup.h"
#include "rules/catalogue/options.h"
#include "rules/catalogue/other_models.h"

namespace tarvek::documents {
namespace {

constexpr std::string_view kSheet = "Maintenance Sheet";

std::string str(std::string_view text) { return std::string(text); }

std::vector<const SparePart*> sparePartsContaining(std::string_view word) {
    std::vector<const SparePart*> parts;
    for (const SparePart& part : kSpareParts)
        if (part.entry.find(word) != std::string_view::npos) parts.push_back(&part);
    return parts;
}

bool fitsAny(const SparePart& part, const std::vector<std::string>& series) {
    for (std::string_view fit : sparePartSeries(part.entry))
        if (std::find(series.begin(), series.end(), fit) != series.end()) return true;
    return false;
}

// The series the parts fit, in catalogue order.
std::vector<std::string> seriesOf(const std::vector<const SparePart*>& parts) {
    std::vector<std::string> series;
    for (const Body& body : kBodies) {
        const std::string name = str(seriesName(body.code));
        if (body.kind != BodyKind::ValveSeries) continue;
        for (const SparePart* part : parts) {
            const auto fits = sparePartSeries(part->entry);
            if (std::find(fits.begin(), fits.end(), name) != fits.end()) {
                series.push_back(name);
                break;
            }
        }
    }
    return series;
}

TextTable seriesTable(const std::vector<std::string>& series, const std::vector<const SparePart*>& parts) {
    TextTable table{{{"Series", 0.14, false}, {"Valve series", 0.46, false}, {"Parts for it", 0.4, false}},
                    {}};
    for (const std::string& name : series) {
        const std::string code = "-" + name;
        const Body* body = findRow(kBodies, &Body::code, std::string_view(code));
        std::vector<std::string> codes;
        for (const SparePart* part : parts)
            if (fitsAny(*part, {name})) codes.push_back(str(part->code));
        table.rows.push_back({name, body ? str(body->entry) : name, joinedList(codes)});
    }
    return table;
}

Notice gasSafety() {
    return {
        "Before you start",
        "A valve may hold toxic, corrosive or flammable gas. Close the supply, vent the line to a safe "
        "exhaust "
        "and purge it with dry inert gas before opening any joint, and lock out and tag out the supply and "
        "any "
        "pilot air. Work on a clean bench with clean gloves: a particle on a seat or diaphragm is a leak."};
}

std::vector<std::string> closingSteps() {
    return {
        "Cycle the valve at least ten times without pressure; it must open and close smoothly.",
        "Leak-test the valve with helium, across the seat and to the outside, before it goes back into "
        "service.",
        "Return the valve to service, remove the locks and tags, and note the work and the parts used in the "
        "equipment's maintenance record."};
}

std::vector<std::string> withClosingSteps(std::vector<std::string> steps) {
    for (std::string& step : closingSteps()) steps.push_back(std::move(step));
    return steps;
}

DocumentContent partSheet(const Document& document, const std::vector<const SparePart*>& parts) {
    DocumentContent content = documentFrame(document, kSheet);
    const std::vector<std::string> series = seriesOf(parts);
    std::vector<std::string> codes;
    for (const SparePart* part : parts) codes.push_back(str(part->code));
    content.title = str(documentFileName(document).substr(std::string_view("Maintenance Sheet - ").size()));
    if (content.title.ends_with(".pdf")) content.title.resize(content.title.size() - 4);
    content.subtitle = joinedList(series) + " Series diaphragm valves";
    if (!parts.empty()) {
        content.picture = parts.front()->picture;
        content.pictureCaption = str(parts.front()->entry);
    }
    content.keyFacts = {{"Valve series", joinedList(series)}, {"Spare parts", joinedList(codes)}};
    return content;
}

}  // namespace

DocumentContent seatSheet(const Document& document) {
    const auto parts = sparePartsContaining(document.subject);
    DocumentContent content = partSheet(document, parts);
    std::vector<std::string> kits;
    for (const SparePart* part : parts)
        if (part->entry.find("Tool Kit") != std::string_view::npos) kits.push_back(str(part->code));
    content.keyFacts.emplace_back("Tools",
                                  kits.empty() ? "-" : "seat replacement tool kit " + joinedList(kits));

    content.blocks.push_back(
        Paragraph{"A worn or damaged seat lets gas pass when the valve is closed. This sheet shows how to "
                  "replace the seat "
                  "of the " +
                  joinedList(seriesOf(parts)) +
                  " Series valves on site, with the seat replacement tool kit, "
                  "without taking the valve body out of the line."});
    content.blocks.push_back(Heading{"Applies to"});
    content.blocks.push_back(seriesTable(seriesOf(parts), parts));
    content.blocks.push_back(Heading{"Spare parts and tools"});
    content.blocks.push_back(sparePartsTable(parts));
    content.blocks.push_back(
        Paragraph{"A valve ordered with the " + str(kSeatOptions[1].seatCaption) + " (suffix " +
                  str(kSeatOptions[1].seat.code) + ") takes a Vespel seat again: its part number ends in " +
                  str(kSeatOptions[1].seat.code) + ". Every other valve takes the standard seat."});
    content.blocks.push_back(gasSafety());
    content.blocks.push_back(Heading{"Replacing the seat"});
    content.blocks.push_back(NumberedSteps{withClosingSteps({
        "Close the gas supply, vent and purge the valve, and lock out and tag out the supply and the pilot "
        "air "
        "(see the notice above).",
        "Open the valve with its actuator or knob, then unscrew the actuator from the valve body by its "
        "bonnet "
        "nut and lift it off.",
        "Lift the diaphragm out of the body and lay it on a clean surface, face up. Replace it if it is "
        "creased, "
        "scratched or dented (see the Diaphragm Replacement sheet).",
        "Turn the extractor of the tool kit into the old seat and pull the seat straight out of the body. "
        "Never "
        "pry it out with a screwdriver: a scratch in the seat pocket is a leak.",
        "Inspect the seat pocket under good light and blow it clean with dry, filtered nitrogen.",
        "Set the new seat on the inserting tool of the kit, sealing face outwards, and press it straight "
        "into "
        "the pocket until it bottoms. Use each seat once: a seat that was fitted and removed is scrap.",
        "Put the diaphragm back, centred in the body, and screw the actuator on by hand until it seats, then "
        "tighten the bonnet nut firmly with a wrench while holding the body.",
    })});
    return content;
}

DocumentContent diaphragmSheet(const Document& document) {
    const auto parts = sparePartsContaining(document.subject);
    DocumentContent content = partSheet(document, parts);
    content.blocks.push_back(Paragraph{
        "The diaphragm seals the valve to the outside and carries the actuator's stroke to the seat. Replace "
        "it "
        "when the valve leaks to the outside, after a seat replacement that showed a marked diaphragm, or "
        "whenever the valve has been opened for another repair."});
    content.blocks.push_back(Heading{"Applies to"});
    content.blocks.push_back(seriesTable(seriesOf(parts), parts));
    content.blocks.push_back(Heading{"Spare parts"});
    content.blocks.push_back(sparePartsTable(parts));
    content.blocks.push_back(gasSafety());
    content.blocks.push_back(Heading{"Replacing the diaphragm"});
    content.blocks.push_back(NumberedSteps{withClosingSteps({
        "Close the gas supply, vent and purge the valve, and lock out and tag out the supply and the pilot "
        "air "
        "(see the notice above).",
        "Open the valve with its actuator or knob, so that the diaphragm is not pressed on the seat.",
        "Unscrew the actuator from the valve body by its bonnet nut and lift it off.",
        "Lift the old diaphragm out of the body and discard it; a used diaphragm is never fitted again.",
        "Check the seat and the sealing face of the body for marks; replace a marked seat first (see the "
        "Valve "
        "Seat Replacement sheet).",
        "Lay the new diaphragm, the part for the valve's series in the table above, into the body with its "
        "domed side up, centred on the sealing face. Touch it only at the edge.",
        "Screw the actuator on by hand until it seats, then tighten the bonnet nut firmly with a wrench "
        "while "
        "holding the body.",
    })});
    return content;
}

DocumentContent actuatorSheet(const Document& document) {
    DocumentContent content = documentFrame(document, kSheet);
    std::vector<const Actuator*> actuators;
    for (std::string_view codes = document.subject; !codes.empty();) {
        const auto slash = codes.find('/');
        if (const Actuator* a = findRow(kActuators, &Actuator::code, codes.substr(0, slash)))
            actuators.push_back(a);
        codes = slash == std::string_view::npos ? std::string_view() : codes.substr(slash + 1);
    }
    if (actuators.empty()) return content;

    std::vector<std::string> codes, series;
    TextTable covered{{{"Model", 0.12, false},
                       {"Description", 0.36, false},
                       {"Valve series", 0.32, false},
                       {"Rating", 0.2, false}},
                      {}};
    for (const Actuator* a : actuators) {
        codes.push_back(str(a->code));
        for (const ActuatorOnSeries& row : kActuatorsOnSeries) {
            if (row.code != a->code) continue;
            const Body* body = findRow(kBodies, &Body::code, row.series);
            covered.rows.push_back({str(a->code), str(splitEntry(a->entry).description),
                                    body ? str(body->entry) : str(row.series), str(row.note)});
            const std::string name = str(seriesName(row.series));
            if (std::find(series.begin(), series.end(), name) == series.end()) series.push_back(name);
        }
    }
    const Actuator& first = *actuators.front();
    const std::string_view description = splitEntry(first.entry).description;
    const bool pneumatic = description.find("Air-Op") != std::string_view::npos;
    const bool hybrid = description.find("Hybrid") != std::string_view::npos;
    const bool lockable = description.find("LOTO") != std::string_view::npos;

    // The diaphragms of the series concerned, and the parts made for these actuators.
    std::vector<const SparePart*> parts;
    for (const SparePart& part : kSpareParts) {
        const bool forActuator = std::any_of(codes.begin(), codes.end(), [&](const std::string& code) {
            return part.entry.find(code) != std::string_view::npos;
        });
        if (forActuator || (part.entry.find("Diaphragm") != std::string_view::npos && fitsAny(part, series)))
            parts.push_back(&part);
    }

    content.title = "Actuator Installation and Adjustment";
    content.subtitle = joinedList(codes) + " " +
                       (pneumatic ? "air-operated"
                        : hybrid  ? "hybrid"
                                  : "manual") +
                       " actuators";
    content.picture = first.assemblyPicture;
    content.pictureCaption = joinedList(codes);
    content.keyFacts = {{"Actuators", joinedList(codes)}, {"Valve series", joinedList(series)}};
    if (first.leverOption)
        content.keyFacts.emplace_back("Lever handle", "option " + str(kLeverHandleOn.code));

    std::string intro;
    for (const Actuator* a : actuators) intro += actuatorSummary(*a) + " ";
    content.blocks.push_back(Paragraph{intro +
                                       "This sheet shows how to fit the actuator to its valve body and set "
                                       "it up so that the valve closes tight and opens fully."});
    content.blocks.push_back(Heading{"Actuators and valve series covered"});
    content.blocks.push_back(covered);
    if (!parts.empty()) {
        content.blocks.push_back(Heading{"Spare parts"});
        content.blocks.push_back(sparePartsTable(parts));
    }
    content.blocks.push_back(gasSafety());

    std::vector<std::string> steps = {
        "Check the model on the actuator's label against the valve: the table above gives the series each "
        "model "
        "fits and the rating of the assembled valve. Never fit an actuator to a valve whose working pressure "
        "is "
        "above that rating.",
        "Close the gas supply, vent and purge the valve, and lock out and tag out the supply (see the notice "
        "above).",
        "Check that the diaphragm lies centred in the valve body; fit a new one if the old one is marked "
        "(see the "
        "Diaphragm Replacement sheet).",
    };
    if (pneumatic || hybrid) {
        steps.push_back(
            "Apply pilot air to the actuator so that its stem is drawn up, and keep it applied while "
            "fitting.");
    } else {
        steps.push_back("Turn the knob fully counterclockwise, so that the stem is drawn up.");
    }
    steps.push_back(
        "Screw the actuator onto the valve body by its bonnet nut by hand until it seats, then tighten "
        "the nut firmly with a wrench while holding the body.");
    if (pneumatic || hybrid) {
        steps.push_back(
            "Connect the pilot air line, clean and dry instrument air, to the actuator's air port.");
        steps.push_back(
            "Release the pilot air: the spring closes the valve. Apply it again: the valve opens fully. "
            "Repeat several times and listen for a clean, quick stroke.");
        steps.push_back(
            "Adjust the stroke: with the valve closed, turn the adjusting screw on top of the "
            "actuator in until it just touches the stem, then back it out one quarter turn and tighten "
            "its lock nut. The screw must never hold the valve open.");
    } else {
        steps.push_back(
            "Turn the knob clockwise until the valve closes: the knob stops firmly. Do not use a tool "
            "on the knob; hand force closes the valve tight.");
        steps.push_back("Turn the knob counterclockwise to its stop: the valve is fully open.");
    }
    if (hybrid) {
        steps.push_back(
            "Check the manual override: with the pilot air off, the handle opens the valve by hand "
            "and the spring closes it again when the handle is returned.");
    }
    if (lockable) {
        steps.push_back(
            "Check the lockout: in the closed position the handle takes a padlock through its "
            "lockout hole, and a locked handle cannot be turned.");
    }
    if (first.leverOption) {
        steps.push_back("Where the valve was ordered with the lever handle (suffix " +
                        str(kLeverHandleOn.code) +
                        "), fit the lever over the knob and tighten its set screw.");
    }
    for (const SparePart* part : parts)
        if (part->entry.find("Knob") != std::string_view::npos)
            steps.push_back("Replace a worn or lost knob with the " + str(part->entry) + ", part number " +
                            str(part->code) + ".");
    content.blocks.push_back(Heading{"Installing and adjusting"});
    content.blocks.push_back(NumberedSteps{withClosingSteps(std::move(steps))});
    return content;
}

}  // namespace tarvek::documents
