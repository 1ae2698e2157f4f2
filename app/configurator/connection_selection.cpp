// Choosing an end connection in one of the four positions.
#include "app/configurator/configurator.h"
#include "app/controls.h"
#include "catalogue/connections.h"
#include "catalogue/lookup.h"
#include "ui_main_window.h"

namespace tarvek {

void Configurator::connection_Click(int position) {
    const std::array lists = {ui.lstConn1, ui.lstConn2, ui.lstConn3, ui.lstConn4};
    const auto i = static_cast<std::size_t>(position - 1);
    if (const Connection* c = findRow(kConnections, &Connection::entry, chosenText(lists[i]))) {
        record_.*kConnectionCodes[i] = c->codes[i];
        record_.*kConnectionPrices[i] = c->price;
    }
    recalculate();
}

void Configurator::lstConn1_Click() { connection_Click(1); }
void Configurator::lstConn2_Click() { connection_Click(2); }
void Configurator::lstConn3_Click() { connection_Click(3); }
void Configurator::lstConn4_Click() { connection_Click(4); }

}  // namespace tarvek
