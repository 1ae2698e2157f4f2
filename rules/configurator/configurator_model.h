// The configurator: the cascade of lists, the options and the prices as rules over a
// ConfiguratorState, with no window. Its events are the user's, named after the control
// and event they answer; each returns the state it leads to. Copying the model copies its
// state, so a caller can try an event on a copy and throw the result away.
#pragma once

#include <string_view>

#include "rules/configurator/configurator_state.h"

namespace tarvek {

// One user event of the configurator: choosing entry `index` of a list, or clicking an option.
struct ConfiguratorEvent {
    bool onList = true;
    List list = List::ProductType;
    int index = -1;
    Option option = Option::optStd;

    static ConfiguratorEvent choice(List list, int index) { return {true, list, index, Option::optStd}; }
    static ConfiguratorEvent click(Option option) { return {false, List::ProductType, -1, option}; }
    bool operator==(const ConfiguratorEvent&) const = default;
};

struct Actuator;
struct RegulatorRange;
struct FlowComponent;
struct SparePart;
struct Fitting;

class ConfiguratorModel {
  public:
    // The page as the window opens: the product types listed, the start picture shown.
    ConfiguratorModel();

    const ConfiguratorState& state() const { return s_; }

    // Choosing entry `entry` of a list. A disabled list, or an entry it does not hold,
    // changes nothing; choosing the entry already chosen runs the list's handler again.
    const ConfiguratorState& lstProductType_Click(int entry) { return choose(List::ProductType, entry); }
    const ConfiguratorState& lstBody_Click(int entry) { return choose(List::Body, entry); }
    const ConfiguratorState& lstModel_Click(int entry) { return choose(List::Model, entry); }
    const ConfiguratorState& lstPorting_Click(int entry) { return choose(List::Porting, entry); }
    const ConfiguratorState& lstConn1_Click(int entry) { return choose(List::Conn1, entry); }
    const ConfiguratorState& lstConn2_Click(int entry) { return choose(List::Conn2, entry); }
    const ConfiguratorState& lstConn3_Click(int entry) { return choose(List::Conn3, entry); }
    const ConfiguratorState& lstConn4_Click(int entry) { return choose(List::Conn4, entry); }
    const ConfiguratorState& choose(List list, int entry);

    // Clicking an option button (selects it) or the check box (turns it over). A control
    // that is disabled, or inside a disabled frame, does not answer; clicking the option
    // already selected changes nothing.
    const ConfiguratorState& optStd_Click() { return click(Option::optStd); }
    const ConfiguratorState& optVSKZ_Click() { return click(Option::optVSKZ); }
    const ConfiguratorState& optB5EP_Click() { return click(Option::optB5EP); }
    const ConfiguratorState& optBL_Click() { return click(Option::optBL); }
    const ConfiguratorState& optBK_Click() { return click(Option::optBK); }
    const ConfiguratorState& optGR_Click() { return click(Option::optGR); }
    const ConfiguratorState& optRD_Click() { return click(Option::optRD); }
    const ConfiguratorState& optWH_Click() { return click(Option::optWH); }
    const ConfiguratorState& optYW_Click() { return click(Option::optYW); }
    const ConfiguratorState& chkLS_Click() { return click(Option::chkLS); }
    const ConfiguratorState& click(Option option);
    bool answers(Option option) const;

    const ConfiguratorState& apply(const ConfiguratorEvent& event) {
        return event.onList ? choose(event.list, event.index) : click(event.option);
    }

    // The discount box's new text, typed or pasted.
    const ConfiguratorState& txtDiscount_Change(std::string_view text);
    // The brand picture's double-click: hides the prices, or shows them again.
    const ConfiguratorState& Image2_DblClick();

    // The three form procedures every event ends with, in this order.
    void CalculatePartNumber();
    void CalculatePricing();
    void NonStandardCheck();

  private:
    // The handlers, run by a choice, a click or a reset.
    void productTypeChosen();
    void bodyChosen();
    void modelChosen();
    void portingChosen();
    void connectionChosen(std::size_t position);
    void seatOptionSelected(std::size_t button);
    void colourSelected(std::size_t button);
    void leverHandleChanged();
    void lblPrice_Change();

    void chooseActuator(const Actuator& actuator);
    void chooseRegulatorRange(const RegulatorRange& range);
    void chooseFlowComponent(const FlowComponent& component);
    void chooseSparePart(const SparePart& part);
    void chooseFitting(const Fitting& fitting);

    // Control operations with their events: selecting an option button or setting the
    // check box runs its handler when the state changes, as does writing the list price.
    void select(Option option);
    void setLever(bool on);
    void setListPrice(std::string listPrice);

    void recalculate();
    void resetBelow(List chosen);
    void resetConnections();
    void resetSeatGroup();
    void resetHandleGroup();
    void activate(List list);
    void fill(List list, Entries entries);
    void emptyList(List list);
    void showPicture(std::string_view fileName);
    void clearPicture();
    void showValveDescription(std::string_view note);

    ConfiguratorState s_;
};

}  // namespace tarvek
