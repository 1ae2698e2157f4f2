// Choosing a product type: the full reset, then the family's picture, list and seat captions.
#include "app/configurator/configurator.h"
#include "app/controls.h"
#include "catalogue/lookup.h"
#include "catalogue/product_types.h"
#include "config/options.h"
#include "ui_main_window.h"

namespace tarvek {

void Configurator::lstProductType_Click() {
    resetBelow(Chosen::ProductType);

    if (const ProductType* type = findRow(kProductTypes, &ProductType::entry, chosenText(ui.lstProductType))) {
        if (!type->picture.empty()) showPicture(type->picture);
        if (type->opens == OpensList::Body)
            activate(ui.lblBody, ui.lstBody);
        else
            activate(ui.lblModel, ui.lstModel);
        addEntries(type->opens == OpensList::Body ? ui.lstBody : ui.lstModel, productTypeEntries(*type));

        if (type->captions != SeatCaptions::Unchanged) {
            const bool seats = type->captions == SeatCaptions::Seats;
            const std::array buttons = {ui.optStd, ui.optVSKZ, ui.optB5EP};
            for (std::size_t i = 0; i < buttons.size(); ++i)
                buttons[i]->setText(qstr(seats ? kSeatOptions[i].seatCaption : kSeatOptions[i].sealCaption));
        }
    }
    recalculate();
}

}  // namespace tarvek
