#include "app/calculator/calculator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>

#include "app/calculator/gas_list_notice.h"
#include "app/controls.h"
#include "app/warning.h"
#include "rules/calculator/choked_flow_ratio.h"
#include "rules/calculator/flow_calculation.h"
#include "rules/numbers/number_text.h"

namespace tarvek {

Calculator::Calculator(const CalculatorControls& controls) : ui(controls) {
    connect(ui.lstGasName, &QComboBox::activated, this, &Calculator::lstGasName_Click);
    connect(ui.txtTemperature, &QLineEdit::textChanged, this, &Calculator::txtTemperature_Change);
    connect(ui.txtInletPressure, &QLineEdit::textChanged, this, &Calculator::txtInletPressure_Change);
    connect(ui.txtOutletPressure, &QLineEdit::textChanged, this, &Calculator::txtOutletPressure_Change);
    connect(ui.txtCv, &QLineEdit::textChanged, this, &Calculator::txtCv_Change);
    connect(ui.txtMassFlow, &QLineEdit::textChanged, this, &Calculator::txtMassFlow_Change);
    connect(ui.txtXtFactor, &QLineEdit::textChanged, this, &Calculator::txtXtFactor_Change);
    connect(ui.optMassFlow, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked) optMassFlow_Click();
    });
    connect(ui.optCv, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked) optCv_Click();
    });
}

void Calculator::Populate_ListBox() {
    gasData_.open();
    ui.lstGasName->clear();
    for (const GasRecord& gas : gasData_.records()) ui.lstGasName->addItem(qstr(gas.name));
    ui.lstGasName->setCurrentIndex(-1);
    ui.lblSpecificGravity->setText(QString());
    explainGasList(ui.lstGasName, gasData_.databasePath(), gasData_.tableRead());
}

void Calculator::lstGasName_Click() {
    const std::string name = chosenText(ui.lstGasName);
    if (!name.empty()) {
        if (const GasRecord* gas = gasData_.findFirst(name)) {
            ui.lblSpecificGravity->setText(qstr(gas->specificGravity));
            ui.lblSpecificHeat->setText(qstr(gas->specificHeat));
            writeXtFactor();
        }
    }
    Calculate();
}

// Xt follows k; a missing k, or one that gives no ratio, leaves the Xt there is.
void Calculator::writeXtFactor() {
    const std::string k = stdstr(ui.lblSpecificHeat->text());
    if (k.empty()) return;
    if (const auto xt = chokedFlowRatio(float(leadingNumber(k))))
        ui.txtXtFactor->setText(qstr(numberText(*xt)));
}

void Calculator::Calculate() {
    const auto announce = qScopeGuard([this] { emit calculated(); });
    const FlowMode mode = ui.optMassFlow->isChecked() ? FlowMode::MassFlow
                          : ui.optCv->isChecked()     ? FlowMode::Cv
                                                      : FlowMode::None;
    const std::string temperature = stdstr(ui.txtTemperature->text());
    const std::string inlet = stdstr(ui.txtInletPressure->text());
    const std::string outlet = stdstr(ui.txtOutletPressure->text());
    const std::string specificGravity = stdstr(ui.lblSpecificGravity->text());
    const std::string xtFactor = stdstr(ui.txtXtFactor->text());
    const std::string cv = stdstr(ui.txtCv->text());
    const std::string massFlow = stdstr(ui.txtMassFlow->text());
    const FlowOutcome outcome =
        calculateFlow({mode, temperature, inlet, outlet, specificGravity, xtFactor, cv, massFlow});

    QLineEdit* resultBox = mode == FlowMode::MassFlow ? ui.txtMassFlow : ui.txtCv;
    QLabel* resultLabel = mode == FlowMode::MassFlow ? ui.lblMassFlow : ui.lblCv;
    switch (outcome.action) {
        case FlowOutcome::Action::None:
            return;
        case FlowOutcome::Action::Clear:
            resultBox->setText(QString());
            resultLabel->setText(QString());
            ui.lblChokedFlow->hide();
            return;
        case FlowOutcome::Action::Write:
            ui.lblChokedFlow->setVisible(outcome.choked);
            // Writing the hidden result box runs its check and this calculation once more;
            // that run writes the same text, which changes nothing and so ends there.
            resultBox->setText(qstr(outcome.resultText));
            resultLabel->setText(qstr(numberText(leadingNumber(stdstr(resultBox->text())))));
            return;
    }
}

void Calculator::checkBox(CalculatorBox box, QLineEdit* edit) {
    const BoxRule& rule = boxRule(box);
    switch (checkEntry(rule, stdstr(edit->text()))) {
        case EntryCheck::Partial:
            return;
        case EntryCheck::Accepted:
            Calculate();
            return;
        case EntryCheck::Refused:
            showWarning(ui.window, qstr(rule.prompt), qstr(rule.title));
            edit->setText(qstr(rule.resetText));
            if (!edit->isHidden()) edit->setFocus();  // a hidden box cannot take the focus
            return;
    }
}

void Calculator::txtTemperature_Change() { checkBox(CalculatorBox::Temperature, ui.txtTemperature); }
void Calculator::txtInletPressure_Change() { checkBox(CalculatorBox::InletPressure, ui.txtInletPressure); }
void Calculator::txtOutletPressure_Change() { checkBox(CalculatorBox::OutletPressure, ui.txtOutletPressure); }
void Calculator::txtCv_Change() { checkBox(CalculatorBox::Cv, ui.txtCv); }
void Calculator::txtMassFlow_Change() { checkBox(CalculatorBox::MassFlow, ui.txtMassFlow); }
void Calculator::txtXtFactor_Change() { checkBox(CalculatorBox::XtFactor, ui.txtXtFactor); }

void Calculator::optMassFlow_Click() {
    ui.txtMassFlow->hide();
    ui.lblMassFlow->show();
    ui.txtCv->show();
    ui.lblCv->hide();
    Calculate();
}

void Calculator::optCv_Click() {
    ui.txtCv->hide();
    ui.lblCv->show();
    ui.txtMassFlow->show();
    ui.lblMassFlow->hide();
    Calculate();
}

}  // namespace tarvek
