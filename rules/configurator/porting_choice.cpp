// Choosing a porting: the connection lists of the body, the positions the porting uses,
// and its top-view drawing.
#include "rules/catalogue/portings.h"
#include "rules/configurator/configurator.h"

namespace tarvek {

void Configurator::portingChosen() {
    resetConnections();

    const ConnectionSet* set =
        findRow(kConnectionSets, &ConnectionSet::body, s_.list(List::Body).chosenText());
    const Porting* porting = findRow(kPortings, &Porting::entry, s_.list(List::Porting).chosenText());
    // The fixed male face seal fits only the two ends of some portings, on some series.
    const bool fixedMale = porting && porting->fixedMaleEnds && set && set->offersFixedMale;
    if (set)
        for (std::size_t i = 0; i < kConnectionPositions; ++i)
            fill(connectionList(i), connectionEntries(*set, fixedMale && (i == 0 || i == 2)));

    if (porting) {
        s_.record.porting = porting->written;
        for (std::size_t i = 0; i < kConnectionPositions; ++i)
            if (porting->positions[i]) activate(connectionList(i));
        showPicture(porting->drawing);
        s_.pictureCaption = kPortingFrameCaption;
    }
    recalculate();
}

}  // namespace tarvek
