// Choosing an end connection in one of the four positions.
#include "rules/configurator/configurator_model.h"
#include "rules/catalogue/connections.h"

namespace tarvek {

void ConfiguratorModel::connectionChosen(std::size_t i) {
    const List list = List(std::size_t(List::Conn1) + i);
    if (const Connection* c = findRow(kConnections, &Connection::entry, s_.list(list).chosenText())) {
        s_.record.*kConnectionCodes[i] = c->codes[i];
        s_.record.*kConnectionPrices[i] = c->price;
    }
    recalculate();
}

}  // namespace tarvek
