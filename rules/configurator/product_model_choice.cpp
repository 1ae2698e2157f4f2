// Choosing a model: an actuator (on a valve series or alone), a regulator outlet range,
// a flow component, a spare part or a fitting.
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/configurator/configurator_model.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/portings.h"

namespace tarvek {

void ConfiguratorModel::modelChosen() {
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

void ConfiguratorModel::chooseActuator(const Actuator& actuator) {
    s_.record.lblPNModel = actuator.code;
    s_.record.lblPriceModel = actuator.price;

    if (actuator.handleOptions) {
        s_.colourFrameActive = true;
        s_.option(Option::optBL).enabled = true;
        select(Option::optBL);
        s_.record.lblPNOptionsColor = "";
        for (Option o : {Option::optBK, Option::optGR, Option::optRD, Option::optWH, Option::optYW})
            s_.option(o).enabled = true;
    }

    if (s_.list(List::ProductType).chosenText() != type::DiaphragmValves) {  // an actuator sold on its own
        showPicture(actuator.assemblyPicture);
        return;
    }

    activate(List::Porting);
    if (actuator.leverOption) s_.option(Option::chkLS).enabled = true;
    fill(List::Porting, portingEntries());

    const ActuatorOnSeries* valve = findActuatorOnSeries(actuator.code, s_.record.lblPNBody);
    if (!valve) return;  // the body list offers an actuator only on the series it fits
    showPicture(valve->picture);
    showValveDescription(valve->note);

    if (valve->seat == SeatHandling::Options) {
        s_.seatFrameActive = true;
        for (Option o : {Option::optStd, Option::optVSKZ, Option::optB5EP}) s_.option(o).enabled = true;
    } else {
        // Very high pressure valves come with the Vespel seat only: selected, not changeable.
        select(Option::optVSKZ);
    }
}

void ConfiguratorModel::chooseRegulatorRange(const RegulatorRange& range) {
    s_.record.lblPNModel = range.code;  // the regulator's price is its series' price
    activate(List::Porting);
    fill(List::Porting, kRegulatorPortingList);
    if (const auto* picture = findRow(kRegulatorPictures, &RegulatorPicture::series, s_.record.lblPNBody))
        showPicture(picture->picture);
    s_.seatFrameActive = true;
    s_.option(Option::optStd).enabled = true;
    s_.option(Option::optVSKZ).enabled = true;
}

void ConfiguratorModel::chooseFlowComponent(const FlowComponent& component) {
    s_.record.lblPNModel = component.code;
    s_.record.lblPriceBody = component.price;
    showPicture(component.picture);
    if (component.sealOptions) {
        s_.seatFrameActive = true;
        for (Option o : {Option::optStd, Option::optVSKZ, Option::optB5EP}) s_.option(o).enabled = true;
    }
}

void ConfiguratorModel::chooseSparePart(const SparePart& part) {
    showPicture(part.picture);
    s_.record.lblPNModel = part.code;
    s_.record.lblPriceModel = part.price;
}

void ConfiguratorModel::chooseFitting(const Fitting& fitting) {
    showPicture(fitting.picture);
    s_.record.lblPNModel = fitting.code;
    s_.record.lblPriceModel = fitting.price;
}

}  // namespace tarvek
