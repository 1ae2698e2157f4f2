// Choosing a body: a valve or regulator series, a flow-component or a fitting family.
#include "app/configurator/configurator.h"
#include "app/controls.h"
#include "catalogue/bodies.h"
#include "catalogue/lookup.h"
#include "ui_main_window.h"

namespace tarvek {

void Configurator::lstBody_Click() {
    resetBelow(Chosen::Body);

    if (const Body* body = findRow(kBodies, &Body::entry, chosenText(ui.lstBody))) {
        const auto openModels = [&] {
            activate(ui.lblModel, ui.lstModel);
            addEntries(ui.lstModel, modelEntries(*body));
        };
        switch (body->kind) {
            case BodyKind::ValveSeries:
                record_.lblPNBody = body->code;
                openModels();
                record_.lblPriceBody = body->price;
                showPicture(body->picture);
                ui.lblValveDescription->show();
                ui.lblValveDescription->setText(qstr(body->note));
                break;
            case BodyKind::VBlock:  // nothing can be chosen below a V-block body
                record_.lblPNBody = body->code;
                showPicture(body->picture);
                ui.lblVBlock->show();
                break;
            case BodyKind::RegulatorSeries:
                record_.lblPNBody = body->code;
                openModels();
                record_.lblPriceBody = body->price;
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
