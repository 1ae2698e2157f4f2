// Choosing a product type: the full reset, then the family's picture, list and seat captions.
#include "rules/catalogue/options.h"
#include "rules/catalogue/product_types.h"
#include "rules/configurator/configurator.h"

namespace tarvek {

void Configurator::productTypeChosen() {
    resetBelow(List::ProductType);

    const ProductType* type =
        findRow(kProductTypes, &ProductType::entry, s_.list(List::ProductType).chosenText());
    s_.productFamily = type ? type->family : ProductFamily::None;
    if (type) {
        if (!type->picture.empty()) showPicture(type->picture);
        const List opens = type->opens == OpensList::Body ? List::Body : List::Model;
        activate(opens);
        fill(opens, productTypeEntries(*type));

        if (type->captions != SeatCaptions::Unchanged) {
            const bool seats = type->captions == SeatCaptions::Seats;
            for (std::size_t i = 0; i < kSeatButtons; ++i)
                s_.options[i].caption = seats ? kSeatOptions[i].seatCaption : kSeatOptions[i].sealCaption;
        }
    }
    recalculate();
}

}  // namespace tarvek
