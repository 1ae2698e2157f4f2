#include "app/calculator/calculator_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "app/calculator/gas_list_notice.h"
#include "app/controls.h"
#include "app/warning.h"
#include "platform/gas_data_source.h"

namespace tarvek {
namespace {

void setLabelText(QLabel* label, std::string_view text) {
    const QString shown = qstr(text);
    if (label->text() != shown) label->setText(shown);
}

}  // namespace

CalculatorPage::CalculatorPage(QWidget* window, const QWidget& page)
    : window_(window), ui(findCalculatorControls(page)) {
    // The form opens as the model starts; filling the gas list at start-up is the first
    // event, and shows the whole state.
    connectControls();
}

// A box's `textChanged` comes with every change of its text, typed or pasted; the page's own
// writes into the boxes and the option buttons are blocked, so every event reaches the model
// exactly once and the model alone runs the checks and calculations they lead to.
void CalculatorPage::connectControls() {
    connect(ui.gasList, &QComboBox::activated, this, [this](int entry) { show(model_.chooseGas(entry)); });
    for (const BoxControlName& box : kBoxControlNames)
        connect(ui.box(box.box), &QLineEdit::textChanged, this,
                [this, box = box.box](const QString& text) { show(model_.type(box, stdstr(text))); });
    connect(ui.massFlowOption, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) show(model_.chooseMode(FlowMode::MassFlow));
    });
    connect(ui.cvOption, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) show(model_.chooseMode(FlowMode::Cv));
    });
}

void CalculatorPage::fillGasList() {
    GasReadResult read = readGasRecords(databasePath_);
    show(model_.setGases(std::move(read.records)));
    explainGasList(ui.gasList, databasePath_, read.status == GasReadStatus::Read);
}

// Touches only what differs from what the controls show.
void CalculatorPage::show(const CalculatorState& s) {
    // The warning of a refused entry comes first, while the box still shows what was typed.
    if (s.warning) showWarning(window_, qstr(s.warning->prompt), qstr(s.warning->title));
    showGases(s);
    setLabelText(ui.specificGravity, s.specificGravity);
    setLabelText(ui.specificHeat, s.specificHeat);
    showBoxes(s);
    showMode(s);
    setShown(ui.chokedFlow, s.choked);
    if (s.focus) ui.box(*s.focus)->setFocus();
    emit stateShown(s);
}

void CalculatorPage::showGases(const CalculatorState& s) {
    if (!std::ranges::equal(s.gases, shownGases_, {}, &GasRecord::name)) {
        ui.gasList->clear();
        shownGases_.clear();
        for (const GasRecord& gas : s.gases) {
            ui.gasList->addItem(qstr(gas.name));
            shownGases_.push_back(gas.name);
        }
    }
    if (ui.gasList->currentIndex() != s.chosenGas) ui.gasList->setCurrentIndex(s.chosenGas);
}

void CalculatorPage::showBoxes(const CalculatorState& s) {
    for (const BoxControlName& name : kBoxControlNames) {
        QLineEdit* box = ui.box(name.box);
        const QString text = qstr(s.box(name.box));
        if (box->text() != text) {
            const QSignalBlocker quiet(box);
            box->setText(text);
        }
        setShown(box, s.shown(name.box));
    }
}

void CalculatorPage::showMode(const CalculatorState& s) {
    {
        // Selecting one button clears the other: both are blocked.
        const QSignalBlocker quietMassFlow(ui.massFlowOption), quietCv(ui.cvOption);
        if (s.mode == FlowMode::MassFlow && !ui.massFlowOption->isChecked())
            ui.massFlowOption->setChecked(true);
        if (s.mode == FlowMode::Cv && !ui.cvOption->isChecked()) ui.cvOption->setChecked(true);
    }
    setShown(ui.massFlowResult, s.resultShown(FlowMode::MassFlow));
    setShown(ui.cvResult, s.resultShown(FlowMode::Cv));
    showResult(ui.massFlowResult, s.massFlowResult, shownMassFlowWrites_);
    showResult(ui.cvResult, s.cvResult, shownCvWrites_);
}

// Written whenever the calculation wrote it, even with the text it already shows, and left
// alone when no calculation wrote it, whatever it shows.
void CalculatorPage::showResult(QLabel* label, const ShownResult& result, unsigned& shownWrites) {
    if (result.writes == shownWrites) return;
    shownWrites = result.writes;
    label->setText(qstr(result.text));
}

}  // namespace tarvek
