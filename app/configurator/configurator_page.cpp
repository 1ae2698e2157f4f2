#include "app/configurator/configurator_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <vector>

#include "app/controls.h"
#include "app/picture_box.h"
#include "rules/configurator/nonstandard_reasons.h"
#include "rules/configurator/pricing.h"

namespace tarvek {

ConfiguratorPage::ConfiguratorPage(const ConfiguratorControls& controls) : ui(controls) { connectControls(); }

// A list's choice and a button's click are the user's own: `activated` is never emitted by
// filling a list from code, and the buttons' `toggled` is blocked while the page shows a
// state, so every event reaches the model exactly once.
void ConfiguratorPage::connectControls() {
    for (std::size_t i = 0; i < kListCount; ++i)
        connect(ui.lists[i], &QComboBox::activated, this, [this, i](int entry) { choose(List(i), entry); });
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const Option option = Option(i);
        connect(ui.options[i], &QAbstractButton::toggled, this, [this, option](bool on) {
            // An option button acts when it becomes selected; the check box on every change.
            if (on || option == Option::LeverHandle) click(option);
        });
    }
    connect(ui.txtDiscount, &QLineEdit::textChanged, this,
            [this](const QString& text) { show(model_.typeDiscount(stdstr(text))); });
    connect(ui.Image2, &PictureBox::doubleClicked, this, [this] { show(model_.togglePrices()); });
}

void ConfiguratorPage::choose(List list, int entry) { show(model_.choose(list, entry)); }

void ConfiguratorPage::click(Option option) { show(model_.click(option)); }

void ConfiguratorPage::apply(const std::vector<ConfiguratorEvent>& events) {
    for (const ConfiguratorEvent& event : events) model_.apply(event);
    show(model_.state());
}

void ConfiguratorPage::showAll() {
    shownEntries_ = {};
    for (std::size_t i = 0; i < kListCount; ++i) fillList(ui.lists[i], {});
    ui.imgPicture->loadPicture(QString());
    show(model_.state());
}

// Touches only what differs from what the controls show, so that a click costs what it changes.
void ConfiguratorPage::show(const ConfiguratorState& s) {
    for (std::size_t i = 0; i < kListCount; ++i) {
        showList(i, s.lists[i]);
        setActive(ui.captions[i], s.captionActive[i]);
    }
    showOptions(s);
    showPrices(s);
    showNotices(s);
    showPicture(s);
    emit stateShown(s);
}

void ConfiguratorPage::showList(std::size_t i, const ListState& state) {
    QComboBox* list = ui.lists[i];
    if (!std::ranges::equal(state.entries, shownEntries_[i])) {
        fillList(list, state.entries);
        shownEntries_[i] = state.entries;
    }
    if (list->currentIndex() != state.chosen) list->setCurrentIndex(state.chosen);
    list->setEnabled(state.enabled);
}

void ConfiguratorPage::showOptions(const ConfiguratorState& s) {
    setActive(ui.fraOptionsSeat, s.seatFrameActive);
    setActive(ui.fraOptionsColor, s.colourFrameActive);
    // Selecting one button clears the others of its frame: every button is blocked.
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(kOptionCount);
    for (QAbstractButton* button : ui.options) quiet.emplace_back(button);
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        QAbstractButton* button = ui.options[i];
        const OptionState& option = s.options[i];
        if (button->text() != qstr(option.caption)) button->setText(qstr(option.caption));
        button->setEnabled(option.enabled);
        if (button->isChecked() != option.checked) button->setChecked(option.checked);
    }
}

void ConfiguratorPage::showPrices(const ConfiguratorState& s) {
    ui.lblPartNumber->setText(qstr(s.partNumber));
    ui.lblPrice->setText(qstr(listPriceText(s.listPrice)));
    if (ui.txtDiscount->text() != qstr(s.discount)) {
        const QSignalBlocker quiet(ui.txtDiscount);
        ui.txtDiscount->setText(qstr(s.discount));
    }
    ui.txtDiscount->setEnabled(s.discountEnabled);
    ui.lblNetPrice->setText(qstr(netPriceText(s.netPrice)));
    for (QWidget* w : std::initializer_list<QWidget*>{ui.lblPrice, ui.txtDiscount, ui.lblNetPrice, ui.Label3,
                                                      ui.Label6, ui.Label4})
        setShown(w, s.pricesShown);
}

void ConfiguratorPage::showNotices(const ConfiguratorState& s) {
    setShown(ui.lblNS1, s.nonStandardBanner);
    // The banner says which connection is not standard and why, to the pointer and to a screen reader.
    const QString reasons = qstr(nonStandardExplanation(s));
    if (ui.lblNS1->toolTip() != reasons) {
        ui.lblNS1->setToolTip(reasons);
        ui.lblNS1->setAccessibleDescription(reasons);
    }
    ui.lblValveDescription->setText(qstr(s.valveDescription));
    setShown(ui.lblValveDescription, s.valveDescriptionShown);
    setShown(ui.lblVBlock, s.vBlockNoteShown);
    setShown(ui.lblCompartFittings, s.compartFittingsNoteShown);
    setShown(ui.lblWikaGauges, s.wikaGaugesNoteShown);
}

void ConfiguratorPage::showPicture(const ConfiguratorState& s) {
    ui.fraPicture->setTitle(qstr(s.pictureCaption));
    if (ui.imgPicture->pictureName() != qstr(s.picture)) ui.imgPicture->loadPicture(qstr(s.picture));
    setShown(ui.imgPicture, s.pictureShown);
}

}  // namespace tarvek
