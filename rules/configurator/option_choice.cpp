// The seat/seal, handle-colour and lever-handle controls writing their segments.
#include "rules/configurator/configurator_model.h"
#include "rules/catalogue/options.h"

namespace tarvek {

void ConfiguratorModel::seatOptionSelected(std::size_t button) {
    // The button reads its own caption: valves offer seats, flow components seals.
    const OptionSegments segments = seatSegments(kSeatOptions[button], s_.options[button].caption);
    s_.record.lblPNOptionsSeat = segments.partNumber;
    s_.record.lblPriceOptionsSeat = segments.price;
    recalculate();
}

void ConfiguratorModel::colourSelected(std::size_t button) {
    const ColourOption& colour = kColourOptions[button];
    s_.record.lblPNOptionsColor = colour.partNumber;
    if (colour.price) s_.record.lblPriceOptionsColor = *colour.price;
    recalculate();
}

void ConfiguratorModel::leverHandleChanged() {
    const bool on = s_.option(Option::chkLS).checked;
    const OptionSegments segments = on ? kLeverHandleOn : kLeverHandleOff;
    s_.record.lblPNOptionsGeneral2 = segments.partNumber;
    s_.record.lblPriceOptionsGeneral2 = segments.price;
    if (on) {
        showPicture(kLeverHandlePicture);
    } else if (const auto* series = findRow(kTeeKnobPictures, &SeriesPicture::series, s_.record.lblPNBody)) {
        showPicture(series->picture);  // other series keep the picture on screen
    }
    recalculate();
}

}  // namespace tarvek
