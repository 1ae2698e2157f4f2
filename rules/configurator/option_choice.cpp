// The seat/seal, handle-colour and lever-handle options writing their segments.
#include "rules/catalogue/options.h"
#include "rules/configurator/configurator.h"

namespace tarvek {

void Configurator::seatChosen(std::size_t button) {
    // The button reads its own caption: valves offer seats, flow components seals.
    s_.record.seat = seatContribution(kSeatOptions[button], s_.options[button].caption);
    recalculate();
}

void Configurator::colourChosen(std::size_t button) {
    const ColourOption& colour = kColourOptions[button];
    s_.record.handleColour.code = colour.written.code;
    if (colour.writesPrice) s_.record.handleColour.price = colour.written.price;
    recalculate();
}

void Configurator::leverHandleTurned() {
    const bool on = s_.option(Option::LeverHandle).checked;
    s_.record.leverHandle = on ? kLeverHandleOn : kLeverHandleOff;
    if (on) {
        showPicture(kLeverHandlePicture);
    } else if (const auto* series = findRow(kTeeKnobPictures, &SeriesPicture::series, s_.record.body.code)) {
        showPicture(series->picture);  // other series keep the picture on screen
    }
    recalculate();
}

}  // namespace tarvek
