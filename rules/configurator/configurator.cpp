#include "rules/configurator/configurator.h"

#include "rules/catalogue/options.h"
#include "rules/catalogue/product_types.h"
#include "rules/configurator/nonstandard_check.h"
#include "rules/configurator/pricing.h"

namespace tarvek {
namespace {

// What the valve note reads until a valve series first writes it.
constexpr std::string_view kValveDescriptionAtStart = "See Product Literature for more details";

}  // namespace

Configurator::Configurator() {
    s_.lists[std::size_t(List::ProductType)] = {kProductTypeEntries, true, -1};
    s_.captionActive[std::size_t(List::ProductType)] = true;
    for (std::size_t i = 0; i < kSeatButtons; ++i) s_.options[i].caption = kSeatOptions[i].seatCaption;
    for (std::size_t i = 0; i < kColourButtons; ++i)
        s_.options[kSeatButtons + i] = {kColourOptions[i].caption, false, i == 0};
    s_.option(Option::LeverHandle).caption = kLeverHandleCaption;
    s_.valveDescription = kValveDescriptionAtStart;
    s_.picture = kStartPicture;
    s_.pictureShown = true;
}

const ConfiguratorState& Configurator::choose(List list, int entry) {
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
            connectionChosen(std::size_t(list) - std::size_t(List::Connection1));
            break;
    }
    return s_;
}

bool Configurator::answers(Option option) const {
    if (std::size_t(option) >= kOptionCount) return false;
    const bool frameActive = std::size_t(option) < kSeatButtons ? s_.seatFrameActive : s_.colourFrameActive;
    return frameActive && s_.option(option).enabled;
}

const ConfiguratorState& Configurator::click(Option option) {
    if (!answers(option)) return s_;
    if (option == Option::LeverHandle)
        setLever(!s_.option(option).checked);
    else
        select(option);
    return s_;
}

const ConfiguratorState& Configurator::typeDiscount(std::string_view text) {
    if (s_.discount == text) return s_;  // writing the same text is no change
    s_.discount = text;
    updateNetPrice();
    return s_;
}

const ConfiguratorState& Configurator::togglePrices() {
    s_.pricesShown = !s_.pricesShown;
    return s_;
}

void Configurator::composePartNumber() { s_.partNumber = tarvek::composePartNumber(s_.record); }

void Configurator::addUpListPrice() { setListPrice(listPrice(s_.record)); }

void Configurator::checkStandard() { s_.nonStandardBanner = nonStandardCheck(s_.productFamily, s_.record); }

void Configurator::recalculate() {
    composePartNumber();
    addUpListPrice();
    checkStandard();
}

// The net price follows the list price exactly when the list price changes.
void Configurator::setListPrice(Money listPrice) {
    if (s_.listPrice == listPrice) return;
    s_.listPrice = listPrice;
    updateNetPrice();
}

// Before the first list price the net price is worked out from nothing, as from 0.
void Configurator::updateNetPrice() { s_.netPrice = netPrice(s_.listPrice.value_or(Money{}), s_.discount); }

// Selecting an option button clears the others of its frame; it runs its handler only
// when it was not selected before.
void Configurator::select(Option option) {
    const std::size_t i = std::size_t(option);
    if (s_.options[i].checked) return;
    const bool seat = i < kSeatButtons;
    const std::size_t first = seat ? 0 : kSeatButtons, count = seat ? kSeatButtons : kColourButtons;
    for (std::size_t b = first; b < first + count; ++b) s_.options[b].checked = b == i;
    if (seat)
        seatChosen(i);
    else
        colourChosen(i - kSeatButtons);
}

void Configurator::setLever(bool on) {
    if (s_.option(Option::LeverHandle).checked == on) return;
    s_.option(Option::LeverHandle).checked = on;
    leverHandleTurned();
}

void Configurator::activate(List list) {
    s_.captionActive[std::size_t(list)] = true;
    s_.list(list).enabled = true;
}

// Adds entries to a list and leaves no entry chosen: a list filled from code shows no choice
// until the user makes one.
void Configurator::fill(List list, Entries entries) {
    ListState& l = s_.list(list);
    l.entries = entries;
    l.chosen = -1;
}

void Configurator::emptyList(List list) {
    ListState& l = s_.list(list);
    l.enabled = false;
    l.entries = {};
    l.chosen = -1;
}

void Configurator::showPicture(std::string_view fileName) {
    s_.picture = fileName;
    s_.pictureShown = true;
}

void Configurator::clearPicture() {
    s_.pictureCaption = {};
    s_.pictureShown = false;
    s_.picture = {};
}

void Configurator::showValveDescription(std::string_view note) {
    s_.valveDescriptionShown = true;
    s_.valveDescription = note;
}

void Configurator::resetSeatGroup() {
    s_.seatFrameActive = false;
    s_.option(Option::StandardSeat).enabled = false;
    select(Option::StandardSeat);
    for (Option o : {Option::VespelSeat, Option::BleedSeat})
        s_.option(o) = {s_.option(o).caption, false, false};
}

void Configurator::resetHandleGroup() {
    s_.colourFrameActive = false;
    s_.option(Option::StandardColour).enabled = false;
    select(Option::StandardColour);
    for (std::size_t i = kSeatButtons + 1; i < kSeatButtons + kColourButtons; ++i)
        s_.options[i] = {s_.options[i].caption, false, false};
    s_.option(Option::LeverHandle).enabled = false;
    setLever(false);
}

// Throws away everything below the list just chosen. Putting the options back to their
// defaults runs their own rules, which is what clears the seat, colour and lever segments.
void Configurator::resetBelow(List chosen) {
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

void Configurator::resetConnections() {
    portingReset(s_.record);
    for (std::size_t position = 0; position < kConnectionPositions; ++position)
        emptyList(connectionList(position));
    clearPicture();
    s_.nonStandardBanner = false;
    for (std::size_t position = 0; position < kConnectionPositions; ++position)
        s_.captionActive[std::size_t(connectionList(position))] = false;
}

}  // namespace tarvek
