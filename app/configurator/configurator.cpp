#include "app/configurator/configurator.h"

#include <array>

#include "app/controls.h"
#include "catalogue/nonstandard_check.h"
#include "config/pricing.h"
#include "ui_main_window.h"

namespace tarvek {

Configurator::Configurator(Ui::frmTarvekProducts& form) : ui(form) { connectControls(); }

void Configurator::connectControls() {
    const auto onChoice = [this](QComboBox* list, void (Configurator::*handler)()) {
        connect(list, &QComboBox::activated, this, handler);
    };
    onChoice(ui.lstProductType, &Configurator::lstProductType_Click);
    onChoice(ui.lstBody, &Configurator::lstBody_Click);
    onChoice(ui.lstModel, &Configurator::lstModel_Click);
    onChoice(ui.lstPorting, &Configurator::lstPorting_Click);
    onChoice(ui.lstConn1, &Configurator::lstConn1_Click);
    onChoice(ui.lstConn2, &Configurator::lstConn2_Click);
    onChoice(ui.lstConn3, &Configurator::lstConn3_Click);
    onChoice(ui.lstConn4, &Configurator::lstConn4_Click);

    // An option button's click runs when it becomes selected, by the user or from code.
    const auto onSelect = [this](QAbstractButton* button, void (Configurator::*handler)()) {
        connect(button, &QAbstractButton::toggled, this, [this, handler](bool on) {
            if (on) (this->*handler)();
        });
    };
    onSelect(ui.optStd, &Configurator::optStd_Click);
    onSelect(ui.optVSKZ, &Configurator::optVSKZ_Click);
    onSelect(ui.optB5EP, &Configurator::optB5EP_Click);
    onSelect(ui.optBL, &Configurator::optBL_Click);
    onSelect(ui.optBK, &Configurator::optBK_Click);
    onSelect(ui.optGR, &Configurator::optGR_Click);
    onSelect(ui.optRD, &Configurator::optRD_Click);
    onSelect(ui.optWH, &Configurator::optWH_Click);
    onSelect(ui.optYW, &Configurator::optYW_Click);
    connect(ui.chkLS, &QAbstractButton::toggled, this, &Configurator::chkLS_Click);

    connect(ui.txtDiscount, &QLineEdit::textChanged, this, &Configurator::txtDiscount_Change);
    connect(ui.Image2, &PictureBox::doubleClicked, this, &Configurator::Image2_DblClick);
}

void Configurator::CalculatePartNumber() { ui.lblPartNumber->setText(qstr(composePartNumber(record_))); }

void Configurator::CalculatePricing() { setListPrice(qstr(listPriceText(record_))); }

void Configurator::NonStandardCheck() {
    ui.lblNS1->setVisible(nonStandardCheck(chosenText(ui.lstProductType), record_));
}

void Configurator::recalculate() {
    CalculatePartNumber();
    CalculatePricing();
    NonStandardCheck();
}

// A label has no change event of its own: writing the list price through here runs the
// net-price update exactly when the text really changes.
void Configurator::setListPrice(const QString& text) {
    if (ui.lblPrice->text() == text) return;
    ui.lblPrice->setText(text);
    lblPrice_Change();
}

void Configurator::lblPrice_Change() {
    ui.lblNetPrice->setText(qstr(netPriceText(stdstr(ui.lblPrice->text()), stdstr(ui.txtDiscount->text()))));
}

void Configurator::txtDiscount_Change() { lblPrice_Change(); }

void Configurator::Image2_DblClick() {
    const bool show = ui.lblPrice->isHidden();
    for (QWidget* w : std::initializer_list<QWidget*>{ui.lblPrice, ui.txtDiscount, ui.lblNetPrice, ui.Label3,
                                                      ui.Label6, ui.Label4})
        w->setVisible(show);
}

void Configurator::clearPicture() {
    ui.fraPicture->setTitle(QString());
    ui.imgPicture->hide();
    ui.imgPicture->loadPicture(QString());
}

void Configurator::showPicture(std::string_view fileName) {
    ui.imgPicture->loadPicture(qstr(fileName));
    ui.imgPicture->show();
}

void Configurator::resetSeatGroup() {
    deactivateFrame(ui.fraOptionsSeat);
    ui.optStd->setEnabled(false);
    ui.optStd->setChecked(true);
    for (QRadioButton* b : {ui.optVSKZ, ui.optB5EP}) {
        b->setEnabled(false);
        b->setChecked(false);
    }
}

void Configurator::resetHandleGroup() {
    deactivateFrame(ui.fraOptionsColor);
    ui.optBL->setEnabled(false);
    ui.optBL->setChecked(true);
    for (QRadioButton* b : {ui.optBK, ui.optGR, ui.optRD, ui.optWH, ui.optYW}) {
        b->setEnabled(false);
        b->setChecked(false);
    }
    ui.chkLS->setEnabled(false);
    ui.chkLS->setChecked(false);
}

// Throws away everything below the list just chosen. Putting the option controls back to their defaults
// runs their own handlers, which is what clears the seat, colour and lever segments.
void Configurator::resetBelow(Chosen chosen) {
    const std::array<std::pair<QLabel*, QComboBox*>, 7> rows = {{{ui.lblBody, ui.lstBody},
                                                                 {ui.lblModel, ui.lstModel},
                                                                 {ui.lblPorting, ui.lstPorting},
                                                                 {ui.lblConn1, ui.lstConn1},
                                                                 {ui.lblConn2, ui.lstConn2},
                                                                 {ui.lblConn3, ui.lstConn3},
                                                                 {ui.lblConn4, ui.lstConn4}}};
    const std::size_t firstRow = static_cast<std::size_t>(chosen);
    const bool full = chosen != Chosen::Model;

    if (full)
        fullReset(record_);
    else
        modelReset(record_);
    for (std::size_t i = firstRow; i < rows.size(); ++i) emptyList(rows[i].second);
    resetSeatGroup();
    resetHandleGroup();
    clearPicture();
    for (std::size_t i = firstRow; i < rows.size(); ++i) deactivate(rows[i].first);
    ui.lblNS1->hide();  // the record's markers went with the reset above
    if (full) {
        ui.lblCompartFittings->hide();
        ui.lblWikaGauges->hide();
        ui.txtDiscount->setEnabled(true);
        ui.lblVBlock->hide();
    }
    ui.lblValveDescription->hide();
}

void Configurator::resetConnections() {
    portingReset(record_);
    for (QComboBox* list : {ui.lstConn1, ui.lstConn2, ui.lstConn3, ui.lstConn4}) emptyList(list);
    clearPicture();
    ui.lblNS1->hide();
    for (QLabel* caption : {ui.lblConn1, ui.lblConn2, ui.lblConn3, ui.lblConn4}) deactivate(caption);
}

}  // namespace tarvek
