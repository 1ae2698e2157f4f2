// The configurator: the cascade of lists, the options and the prices as rules over a
// ConfiguratorState, with no window. Its events are the user's; each returns the state it
// leads to. Copying a configurator copies its state, so a caller can try an event on a copy
// and throw the result away.
#pragma once

#include <string_view>

#include "rules/configurator/configurator_state.h"

namespace tarvek {

// One user event of the configurator: choosing entry `index` of a list, or clicking an option.
struct ConfiguratorEvent {
    bool onList = true;
    List list = List::ProductType;
    int index = -1;
    Option option = Option::StandardSeat;

    static ConfiguratorEvent choice(List list, int index) {
        return {true, list, index, Option::StandardSeat};
    }
    static ConfiguratorEvent click(Option option) { return {false, List::ProductType, -1, option}; }
    bool operator==(const ConfiguratorEvent&) const = default;
};

struct Actuator;
struct RegulatorRange;
struct FlowComponent;
struct SparePart;
struct Fitting;

class Configurator {
  public:
    // The page as the window opens: the product types listed, the start picture shown.
    Configurator();

    const ConfiguratorState& state() const { return s_; }

    // Choosing entry `entry` of a list. A disabled list, or an entry it does not hold,
    // changes nothing; choosing the entry already chosen runs the list's rules again.
    const ConfiguratorState& choose(List list, int entry);

    // Clicking an option button (selects it) or the lever handle (turns it over). An option
    // that is disabled, or inside a disabled frame, does not answer; clicking the option
    // already selected changes nothing.
    const ConfiguratorState& click(Option option);
    bool answers(Option option) const;

    const ConfiguratorState& apply(const ConfiguratorEvent& event) {
        return event.onList ? choose(event.list, event.index) : click(event.option);
    }

    // The discount's new text, typed or pasted.
    const ConfiguratorState& typeDiscount(std::string_view text);
    // Hides the prices, or shows them again.
    const ConfiguratorState& togglePrices();

  private:
    // What each choice does, run by a choice, a click or a reset.
    void productTypeChosen();
    void bodyChosen();
    void modelChosen();
    void portingChosen();
    void connectionChosen(std::size_t position);
    void seatChosen(std::size_t button);
    void colourChosen(std::size_t button);
    void leverHandleTurned();

    void chooseActuator(const Actuator& actuator);
    void chooseRegulatorRange(const RegulatorRange& range);
    void chooseFlowComponent(const FlowComponent& component);
    void chooseSparePart(const SparePart& part);
    void chooseFitting(const Fitting& fitting);

    // Every choice ends with these, in this order.
    void recalculate();
    void composePartNumber();
    void addUpListPrice();
    void checkStandard();

    // Selecting an option button or turning the lever handle runs its rules when its state
    // changes; a new list price brings a new net price.
    void select(Option option);
    void setLever(bool on);
    void setListPrice(Money listPrice);
    void updateNetPrice();

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
