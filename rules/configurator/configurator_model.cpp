#include "rules/configurator/configurator_model.h"

#include "rules/configurator/nonstandard_check.h"
#include "rules/catalogue/product_types.h"
#include "rules/catalogue/options.h"
#include "rules/configurator/pricing.h"

namespace tarvek {
namespace {

constexpr std::string_view kLeverHandleCaption = "LS - Lever Handle";
// What the valve note reads until a valve series first writes it.
constexpr std::string_view kValveDescriptionAtStart = "See Product Literature for more details";

}  // namespace

ConfiguratorModel::ConfiguratorModel() {
    s_.lists[std::size_t(List::ProductType)] = {kProductTypeEntries, true, -1};
    s_.captionActive[std::size_t(List::ProductType)] = true;
    for (std::size_t i = 0; i < kSeatButtons; ++i) s_.options[i].caption = kSeatOptions[i].seatCaption;
    for (std::size_t i = 0; i < kColourButtons; ++i)
        s_.options[kSeatButtons + i] = {kColourOptions[i].caption, false, i == 0};
    s_.option(Option::chkLS).caption = kLeverHandleCaption;
    s_.valveDescription = kValveDescriptionAtStart;
    s_.picture = kStartPicture;
    s_.pictureShown = true;
}

const ConfiguratorState& ConfiguratorModel::choose(List list, int entry) {
    if (std::size_t(list) >= kListCount) return s_;
    ListState& l = s_.list(list);
    if (!l.enabled || entry < 0 || std::size_t(entry) >= l.entries.size()) return s_;
    l.chosen = entry;
    switch (list) {
        case List::ProductType:
            productTypeChosen();
            break;
        case List::Body:
            bodyChosen();
            break;
        case List::Model:
            modelChosen();
            break;
        case List::Porting:
            portingChosen();
            break;
        default:
            connectionChosen(std::size_t(list) - std::size_t(List::Conn1));
            break;
    }
    return s_;
}

bool ConfiguratorModel::answers(Option option) const {
    if (std::size_t(option) >= kOptionCount) return false;
    const bool frameActive = std::size_t(option) < kSeatButtons ? s_.seatFrameActive : s_.colourFrameActive;
    return frameActive && s_.option(option).enabled;
}

const ConfiguratorState& ConfiguratorModel::click(Option option) {
    if (!answers(option)) return s_;
    if (option == Option::chkLS)
        setLever(!s_.option(option).checked);
    else
        select(option);
    return s_;
}

const ConfiguratorState& ConfiguratorModel::txtDiscount_Change(std::string_view text) {
    if (s_.discount == text) return s_;  // writing the same text is no change
    s_.discount = text;
    lblPrice_Change();
    return s_;
}

const ConfiguratorState& ConfiguratorModel::Image2_DblClick() {
    s_.pricesShown = !s_.pricesShown;
    return s_;
}

void ConfiguratorModel::CalculatePartNumber() { s_.partNumber = composePartNumber(s_.record); }

void ConfiguratorModel::CalculatePricing() { setListPrice(listPriceText(s_.record)); }

void ConfiguratorModel::NonStandardCheck() {
    s_.nonStandardBanner = nonStandardCheck(s_.list(List::ProductType).chosenText(), s_.record);
}

void ConfiguratorModel::recalculate() {
    CalculatePartNumber();
    CalculatePricing();
    NonStandardCheck();
}

// A label has no change event of its own: the list price runs the net-price update exactly
// when its text really changes.
void ConfiguratorModel::setListPrice(std::string listPrice) {
    if (s_.listPrice == listPrice) return;
    s_.listPrice = std::move(listPrice);
    lblPrice_Change();
}

void ConfiguratorModel::lblPrice_Change() { s_.netPrice = netPriceText(s_.listPrice, s_.discount); }

// Selecting an option button clears the others of its frame; it runs its handler only
// when it was not selected before.
void ConfiguratorModel::select(Option option) {
    const std::size_t i = std::size_t(option);
    if (s_.options[i].checked) return;
    const bool seat = i < kSeatButtons;
    const std::size_t first = seat ? 0 : kSeatButtons, count = seat ? kSeatButtons : kColourButtons;
    for (std::size_t b = first; b < first + count; ++b) s_.options[b].checked = b == i;
    if (seat)
        seatOptionSelected(i);
    else
        colourSelected(i - kSeatButtons);
}

void ConfiguratorModel::setLever(bool on) {
    if (s_.option(Option::chkLS).checked == on) return;
    s_.option(Option::chkLS).checked = on;
    leverHandleChanged();
}

void ConfiguratorModel::activate(List list) {
    s_.captionActive[std::size_t(list)] = true;
    s_.list(list).enabled = true;
}

// Adds entries to a list and leaves no entry chosen: a list filled from code shows no choice
// until the user makes one.
void ConfiguratorModel::fill(List list, Entries entries) {
    ListState& l = s_.list(list);
    l.entries = entries;
    l.chosen = -1;
}

void ConfiguratorModel::emptyList(List list) {
    ListState& l = s_.list(list);
    l.enabled = false;
    l.entries = {};
    l.chosen = -1;
}

void ConfiguratorModel::showPicture(std::string_view fileName) {
    s_.picture = fileName;
    s_.pictureShown = true;
}

void ConfiguratorModel::clearPicture() {
    s_.pictureCaption = {};
    s_.pictureShown = false;
    s_.picture = {};
}

void ConfiguratorModel::showValveDescription(std::string_view note) {
    s_.valveDescriptionShown = true;
    s_.valveDescription = note;
}

void ConfiguratorModel::resetSeatGroup() {
    s_.seatFrameActive = false;
    s_.option(Option::optStd).enabled = false;
    select(Option::optStd);
    for (Option o : {Option::optVSKZ, Option::optB5EP}) s_.option(o) = {s_.option(o).caption, false, false};
}

void ConfiguratorModel::resetHandleGroup() {
    s_.colourFrameActive = false;
    s_.option(Option::optBL).enabled = false;
    select(Option::optBL);
    for (std::size_t i = kSeatButtons + 1; i < kSeatButtons + kColourButtons; ++i)
        s_.options[i] = {s_.options[i].caption, false, false};
    s_.option(Option::chkLS).enabled = false;
    setLever(false);
}

// Throws away everything below the list just chosen. Putting the option controls back to
// their defaults runs their own handlers, which is what clears the seat, colour and lever
// segments.
void ConfiguratorModel::resetBelow(List chosen) {
    const bool full = chosen != List::Model;
    if (full)
        fullReset(s_.record);
    else
        modelReset(s_.record);
    const std::size_t firstBelow = std::size_t(chosen) + 1;
    for (std::size_t i = firstBelow; i < kListCount; ++i) emptyList(List(i));
    resetSeatGroup();
    resetHandleGroup();
    clearPicture();
    for (std::size_t i = firstBelow; i < kListCount; ++i) s_.captionActive[i] = false;
    s_.nonStandardBanner = false;  // the record's markers went with the reset above
    if (full) {
        s_.compartFittingsNoteShown = false;
        s_.wikaGaugesNoteShown = false;
        s_.discountEnabled = true;
        s_.vBlockNoteShown = false;
    }
    s_.valveDescriptionShown = false;
}

void ConfiguratorModel::resetConnections() {
    portingReset(s_.record);
    for (List l : {List::Conn1, List::Conn2, List::Conn3, List::Conn4}) emptyList(l);
    clearPicture();
    s_.nonStandardBanner = false;
    for (List l : {List::Conn1, List::Conn2, List::Conn3, List::Conn4})
        s_.captionActive[std::size_t(l)] = false;
}

}  // namespace tarvek
