// Choosing a porting: the connection lists of the body, the positions the porting uses,
// and its top-view drawing.
#include "app/configurator/configurator.h"
#include "app/controls.h"
#include "catalogue/lookup.h"
#include "catalogue/portings.h"
#include "ui_main_window.h"

namespace tarvek {

void Configurator::lstPorting_Click() {
    resetConnections();

    const std::array<std::pair<QLabel*, QComboBox*>, 4> positions = {
        {{ui.lblConn1, ui.lstConn1}, {ui.lblConn2, ui.lstConn2}, {ui.lblConn3, ui.lstConn3}, {ui.lblConn4, ui.lstConn4}}};

    const ConnectionSet* set = findRow(kConnectionSets, &ConnectionSet::body, chosenText(ui.lstBody));
    if (set)
        for (const auto& [caption, list] : positions) addEntries(list, set->connections);

    if (const Porting* porting = findRow(kPortings, &Porting::entry, chosenText(ui.lstPorting))) {
        record_.lblPNPorting = porting->code;
        record_.lblPricePorting = porting->price;
        for (std::size_t i = 0; i < positions.size(); ++i)
            if (porting->positions[i]) activate(positions[i].first, positions[i].second);

        // The fixed male face seal fits only the two ends of porting 2A on some series.
        if (porting->entry == "2A" && set && set->fixedMaleOn2A) {
            addEntry(ui.lstConn1, connection::V14);
            addEntry(ui.lstConn3, connection::V14);
        }
        showPicture(porting->drawing);
        ui.fraPicture->setTitle(qstr(kPortingFrameCaption));
    }
    recalculate();
}

}  // namespace tarvek
