// Choosing a porting: the connection lists of the body, the positions the porting uses,
// and its top-view drawing.
#include "rules/configurator/configurator_model.h"
#include "rules/catalogue/portings.h"

namespace tarvek {

void ConfiguratorModel::portingChosen() {
    resetConnections();

    constexpr std::array kPositions = {List::Conn1, List::Conn2, List::Conn3, List::Conn4};
    const ConnectionSet* set =
        findRow(kConnectionSets, &ConnectionSet::body, s_.list(List::Body).chosenText());
    const Porting* porting = findRow(kPortings, &Porting::entry, s_.list(List::Porting).chosenText());
    // The fixed male face seal fits only the two ends of porting 2A on some series.
    const bool fixedMale = porting && porting->entry == "2A" && set && set->fixedMaleOn2A;
    if (set)
        for (std::size_t i = 0; i < kPositions.size(); ++i)
            fill(kPositions[i], connectionEntries(*set, fixedMale && (i == 0 || i == 2)));

    if (porting) {
        s_.record.lblPNPorting = porting->code;
        s_.record.lblPricePorting = porting->price;
        for (std::size_t i = 0; i < kPositions.size(); ++i)
            if (porting->positions[i]) activate(kPositions[i]);
        showPicture(porting->drawing);
        s_.pictureCaption = kPortingFrameCaption;
    }
    recalculate();
}

}  // namespace tarvek
