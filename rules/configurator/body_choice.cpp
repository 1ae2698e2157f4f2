// Choosing a body: a valve or regulator series, a flow-component or a fitting family.
#include "rules/catalogue/bodies.h"
#include "rules/configurator/configurator.h"

namespace tarvek {

void Configurator::bodyChosen() {
    resetBelow(List::Body);

    if (const Body* body = findRow(kBodies, &Body::entry, s_.list(List::Body).chosenText())) {
        const auto openModels = [&] {
            activate(List::Model);
            fill(List::Model, modelEntries(*body));
        };
        switch (body->kind) {
            case BodyKind::ValveSeries:
                s_.record.body.code = body->code;
                openModels();
                s_.record.body.price = body->price;
                showPicture(body->picture);
                showValveDescription(body->note);
                break;
            case BodyKind::VBlock:  // nothing can be chosen below a V-block body
                s_.record.body.code = body->code;
                showPicture(body->picture);
                s_.vBlockNoteShown = true;
                break;
            case BodyKind::RegulatorSeries:
                s_.record.body.code = body->code;
                openModels();
                s_.record.body.price = body->price;
                showPicture(body->picture);
                break;
            case BodyKind::FlowComponents:
                openModels();
                break;
            case BodyKind::Fittings:
                showPicture(body->picture);
                openModels();
                break;
        }
    }
    recalculate();
}

}  // namespace tarvek
