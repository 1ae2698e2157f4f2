// The seat/seal, handle-colour and lever-handle controls writing their segments.
#include "app/configurator/configurator.h"
#include "app/controls.h"
#include "catalogue/lookup.h"
#include "config/options.h"
#include "ui_main_window.h"

namespace tarvek {

void Configurator::seatOption_Click(int index) {
    const std::array buttons = {ui.optStd, ui.optVSKZ, ui.optB5EP};
    const auto i = static_cast<std::size_t>(index);
    const OptionSegments segments = seatSegments(kSeatOptions[i], stdstr(buttons[i]->text()));
    record_.lblPNOptionsSeat = segments.partNumber;
    record_.lblPriceOptionsSeat = segments.price;
    recalculate();
}

void Configurator::colourOption_Click(int index) {
    const ColourOption& colour = kColourOptions[static_cast<std::size_t>(index)];
    record_.lblPNOptionsColor = colour.partNumber;
    if (colour.price) record_.lblPriceOptionsColor = *colour.price;
    recalculate();
}

void Configurator::optStd_Click() { seatOption_Click(0); }
void Configurator::optVSKZ_Click() { seatOption_Click(1); }
void Configurator::optB5EP_Click() { seatOption_Click(2); }
void Configurator::optBL_Click() { colourOption_Click(0); }
void Configurator::optBK_Click() { colourOption_Click(1); }
void Configurator::optGR_Click() { colourOption_Click(2); }
void Configurator::optRD_Click() { colourOption_Click(3); }
void Configurator::optWH_Click() { colourOption_Click(4); }
void Configurator::optYW_Click() { colourOption_Click(5); }

void Configurator::chkLS_Click() {
    const OptionSegments segments = ui.chkLS->isChecked() ? kLeverHandleOn : kLeverHandleOff;
    record_.lblPNOptionsGeneral2 = segments.partNumber;
    record_.lblPriceOptionsGeneral2 = segments.price;
    if (ui.chkLS->isChecked()) {
        showPicture(kLeverHandlePicture);
    } else if (const auto* series = findRow(kTeeKnobPictures, &SeriesPicture::series, record_.lblPNBody)) {
        showPicture(series->picture);  // other series keep the picture on screen
    }
    recalculate();
}

}  // namespace tarvek
