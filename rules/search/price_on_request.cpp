#include "rules/search/price_on_request.h"

#include "rules/catalogue/bodies.h"
#include "rules/configurator/configuration_description.h"

namespace tarvek::search {

bool priceOnRequest(const ConfiguratorState& state) {
    const Body* body = findRow(kBodies, &Body::entry, stepText(state, Step::Body));
    // A regulator's outlet range states no price either, but its series does.
    return body && !body->code.empty() && !body->price.stated() && body->actuators.empty() &&
           state.listPrice && state.listPrice->cents == 0;
}

}  // namespace tarvek::search
