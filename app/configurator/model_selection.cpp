// Choosing a model: an actuator (on a valve series or alone), a regulator outlet range,
// a flow component, a spare part or a fitting.
#include "app/configurator/configurator.h"
#include "app/controls.h"
#include "catalogue/actuators.h"
#include "catalogue/bodies.h"
#include "catalogue/lookup.h"
#include "catalogue/other_models.h"
#include "catalogue/portings.h"
#include "ui_main_window.h"

namespace tarvek {

void Configurator::lstModel_Click() {
    resetBelow(Chosen::Model);

    // Headings, notes and blank lines of the list match nothing and only reset.
    const std::string entry = chosenText(ui.lstModel);
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
    record_.lblPNModel = actuator.code;
    record_.lblPriceModel = actuator.price;

    if (actuator.handleOptions) {
        activateFrame(ui.fraOptionsColor);
        ui.optBL->setEnabled(true);
        ui.optBL->setChecked(true);
        record_.lblPNOptionsColor = "";
        for (QRadioButton* b : {ui.optBK, ui.optGR, ui.optRD, ui.optWH, ui.optYW}) b->setEnabled(true);
    }

    if (chosenText(ui.lstProductType) != type::DiaphragmValves) {  // an actuator sold on its own
        showPicture(actuator.assemblyPicture);
        return;
    }

    activate(ui.lblPorting, ui.lstPorting);
    if (actuator.leverOption) ui.chkLS->setEnabled(true);
    for (const Porting& porting : kPortings) ui.lstPorting->addItem(qstr(porting.entry));
    finishFilling(ui.lstPorting);

    const ActuatorOnSeries* valve = findActuatorOnSeries(actuator.code, record_.lblPNBody);
    if (!valve) return;  // the body list offers an actuator only on the series it fits
    showPicture(valve->picture);
    ui.lblValveDescription->show();
    ui.lblValveDescription->setText(qstr(valve->note));

    if (valve->seat == SeatHandling::Options) {
        activateFrame(ui.fraOptionsSeat);
        for (QRadioButton* b : {ui.optStd, ui.optVSKZ, ui.optB5EP}) b->setEnabled(true);
    } else {
        // Very high pressure valves come with the Vespel seat only: selected, not changeable.
        ui.optVSKZ->setChecked(true);
    }
}

void Configurator::chooseRegulatorRange(const RegulatorRange& range) {
    record_.lblPNModel = range.code;  // the regulator's price is its series' price
    activate(ui.lblPorting, ui.lstPorting);
    addEntry(ui.lstPorting, kRegulatorPorting);
    if (const auto* picture = findRow(kRegulatorPictures, &RegulatorPicture::series, record_.lblPNBody))
        showPicture(picture->picture);
    activateFrame(ui.fraOptionsSeat);
    ui.optStd->setEnabled(true);
    ui.optVSKZ->setEnabled(true);
}

void Configurator::chooseFlowComponent(const FlowComponent& component) {
    record_.lblPNModel = component.code;
    record_.lblPriceBody = component.price;
    showPicture(component.picture);
    if (component.sealOptions) {
        activateFrame(ui.fraOptionsSeat);
        for (QRadioButton* b : {ui.optStd, ui.optVSKZ, ui.optB5EP}) b->setEnabled(true);
    }
}

void Configurator::chooseSparePart(const SparePart& part) {
    showPicture(part.picture);
    record_.lblPNModel = part.code;
    record_.lblPriceModel = part.price;
}

void Configurator::chooseFitting(const Fitting& fitting) {
    showPicture(fitting.picture);
    record_.lblPNModel = fitting.code;
    record_.lblPriceModel = fitting.price;
}

}  // namespace tarvek
