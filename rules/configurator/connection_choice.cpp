// Choosing an end connection in one of the four positions.
#include "rules/catalogue/connections.h"
#include "rules/configurator/configurator.h"

namespace tarvek {

void Configurator::connectionChosen(std::size_t position) {
    const std::string_view entry = s_.list(connectionList(position)).chosenText();
    if (const Connection* c = findRow(kConnections, &Connection::entry, entry)) {
        s_.record.connections[position] = {c->codes[position], c->price};
        s_.record.connectionKinds[position] = c->kind;
    }
    recalculate();
}

}  // namespace tarvek
