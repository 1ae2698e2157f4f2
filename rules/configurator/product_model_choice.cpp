// Choosing from the "Model / Series" list: an actuator (on a valve series or alone), a
// regulator outlet range, a flow component, a spare part or a fitting.
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/portings.h"
#include "rules/configurator/configurator.h"

namespace tarvek {

void Configurator::modelChosen() {
    resetBelow(List::Model);

    // Headings, notes and blank lines of the list match nothing and only reset.
    const std::string_view entry = s_.list(List::Model).chosenText();
    if (const auto* actuator = findRow(kActuators, &Actuator::entry, entry))
        chooseActuator(*actuator);
    else if (const auto* range = findRow(kRegulatorRanges, &RegulatorRange::entry, entry))
        chooseRegulatorRange(*range);
    else if (const auto* component = findRow(kFlowComponents, &FlowComponent::entry, entry))
        chooseFlowComponent(*component);
    else if (const auto* part = findRow(kSpareParts, &SparePart::entry, entry))
        chooseSparePart(*part);
    else if (const auto* fitting = findRow(kFittings, &Fitting::entry, entry))
        chooseFitting(*fitting);

    recalculate();
}

void Configurator::chooseActuator(const Actuator& actuator) {
    s_.record.model = {actuator.code, actuator.price};

    if (actuator.handleOptions) {
        s_.colourFrameActive = true;
        s_.option(Option::StandardColour).enabled = true;
        select(Option::StandardColour);
        s_.record.handleColour.code = {};
        for (Option o : {Option::Black, Option::Green, Option::Red, Option::White, Option::Yellow})
            s_.option(o).enabled = true;
    }

    if (s_.productFamily != ProductFamily::DiaphragmValves) {  // an actuator sold on its own
        showPicture(actuator.assemblyPicture);
        return;
    }

    activate(List::Porting);
    if (actuator.leverOption) s_.option(Option::LeverHandle).enabled = true;
    fill(List::Porting, portingEntries());

    const ActuatorOnSeries* valve = findActuatorOnSeries(actuator.code, s_.record.body.code);
    if (!valve) return;  // the body list offers an actuator only on the series it fits
    showPicture(valve->picture);
    showValveDescription(valve->note);

    if (valve->seat == SeatHandling::Options) {
        s_.seatFrameActive = true;
        for (Option o : {Option::StandardSeat, Option::VespelSeat, Option::BleedSeat})
            s_.option(o).enabled = true;
    } else {
        // Very high pressure valves come with the Vespel seat only: selected, not changeable.
        select(Option::VespelSeat);
    }
}

void Configurator::chooseRegulatorRange(const RegulatorRange& range) {
    s_.record.model.code = range.code;  // the regulator's price is its series' price
    activate(List::Porting);
    fill(List::Porting, kRegulatorPortingList);
    if (const auto* picture = findRow(kRegulatorPictures, &RegulatorPicture::series, s_.record.body.code))
        showPicture(picture->picture);
    s_.seatFrameActive = true;
    s_.option(Option::StandardSeat).enabled = true;
    s_.option(Option::VespelSeat).enabled = true;
}

void Configurator::chooseFlowComponent(const FlowComponent& component) {
    s_.record.model.code = component.code;
    s_.record.body.price = component.price;
    showPicture(component.picture);
    if (component.sealOptions) {
        s_.seatFrameActive = true;
        for (Option o : {Option::StandardSeat, Option::VespelSeat, Option::BleedSeat})
            s_.option(o).enabled = true;
    }
}

void Configurator::chooseSparePart(const SparePart& part) {
    showPicture(part.picture);
    s_.record.model = {part.code, part.price};
}

void Configurator::chooseFitting(const Fitting& fitting) {
    showPicture(fitting.picture);
    s_.record.model = {fitting.code, fitting.price};
}

}  // namespace tarvek
